#include "input/split_segment.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "core/accents.h"
#include "input/clitic_tables.h"

namespace quelvo {
namespace {

bool IsTerminator(std::string_view token) { return token == "." || token == "?" || token == "!" || token == ":"; }

// Every token is checked against these lists: the first letter is compared
// inline before the whole word.
template <typename List>
bool Contains(const List& list, std::string_view word) {
    return std::any_of(std::begin(list), std::end(list), [word](std::string_view w) {
        return w.size() == word.size() && (word.empty() || w[0] == word[0]) && w == word;
    });
}

// The last n characters, or the whole text when it is shorter.
std::string_view LastChars(std::string_view text, std::size_t n) {
    return text.size() > n ? text.substr(text.size() - n) : text;
}

class SegmentReader {
public:
    explicit SegmentReader(TranslationState& s) : s_(s) {}

    void Run() {
        s_.WordCount = 1;
        if (!EndsWithTerminator()) s_.InputText += '.';
        for (;;) {
            std::string token = ReadToken();
            if (token.empty()) break;  // nothing left to read
            SeparatePronouns(token);
            ExpandContraction(token);
            AddToken(token, attached_);
            attached_ = false;
            // The 21st token already refuses the segment: the rest is not read.
            if (s_.WordCount > kMaxSegmentWords + 1) break;
            if (s_.ScanPos > s_.TextLen || IsTerminator(token)) break;
        }
        --s_.WordCount;
    }

private:
    bool EndsWithTerminator() const {
        const char last = s_.InputText.empty() ? '\0' : s_.InputText.back();
        return last == '!' || last == '.' || last == ':' || last == '?';
    }
    // The character at a 1-based position; NUL past the end of the text.
    char At(int pos) const {
        return pos >= 1 && pos <= static_cast<int>(s_.InputText.size()) ? s_.InputText[pos - 1] : '\0';
    }
    static bool IsBlank(char c) { return c == '\n' || c == '\r' || c == ' '; }
    // A line break ends a word as a blank does, so that words on two lines stay two words.
    // A "." that ends the sentence stands apart by now; one still joined to
    // the word belongs to it ("Sr.", "3.5").
    static bool EndsToken(char c) { return IsBlank(c) || c == '!' || c == '?'; }

    std::string ReadToken() {
        std::string token;
        while (IsBlank(At(s_.ScanPos))) ++s_.ScanPos;
        for (;;) {
            const char c = At(s_.ScanPos);
            if (c == '\0') break;
            token += c;
            ++s_.ScanPos;
            if (s_.ScanPos > s_.TextLen || IsTerminator(token) || EndsToken(At(s_.ScanPos))) break;
        }
        return token;
    }

    void SeparatePronouns(std::string& token) {
        if (Contains(kNeverSplit, token)) return;
        SeparateTwoAfterInfinitive(token);
        SeparateOneAfterInfinitive(token);
        SeparateOneAfterGerund(token);
    }

    void SeparateTwoAfterInfinitive(std::string& token) {
        // Every ending holds an accented vowel: most tokens are passed over at once.
        if (token.find_first_of(kTwoCliticVowels) == std::string::npos) return;
        for (const auto& table : kTwoClitics) {
            if (!Contains(table.endings, LastChars(token, static_cast<std::size_t>(table.endingLength)))) continue;
            const std::size_t stemEnd = token.size() - static_cast<std::size_t>(table.endingLength - table.keptOfEnding);
            const std::string first = token.substr(stemEnd, static_cast<std::size_t>(table.firstLength));
            const std::string second = token.substr(stemEnd + static_cast<std::size_t>(table.firstLength),
                                                    static_cast<std::size_t>(table.secondLength));
            AddToken(WithoutAccents(std::string_view(token).substr(0, stemEnd), false));
            AddToken(first, true);
            token = second;
            attached_ = true;
            return;
        }
    }

    void SeparateOneAfterInfinitive(std::string& token) {
        if (token.size() < 3 || token[0] < 'a' || token[0] > 'z') return;
        const std::string_view last3 = LastChars(token, 3);
        const std::string_view last4 = LastChars(token, 4);
        if (!Contains(kInfinitiveGate3, last3) && !Contains(kInfinitiveGate4, last4)) return;
        std::size_t pronounLength = 0;
        if (Contains(kClitic3, last3))
            pronounLength = 2;
        else if (Contains(kClitic4, last4))
            pronounLength = 3;
        else
            return;
        SplitOff(token, pronounLength, true);
    }

    void SeparateOneAfterGerund(std::string& token) {
        for (const auto& table : kGerunds) {
            if (Contains(table.endings, LastChars(token, static_cast<std::size_t>(table.endingLength)))) {
                SplitOff(token, static_cast<std::size_t>(table.pronounLength), false);
                return;
            }
        }
    }

    // Adds the token without its last `pronounLength` characters (accents
    // removed) and keeps the pronoun as the token.
    void SplitOff(std::string& token, std::size_t pronounLength, bool alsoOU) {
        const std::size_t stemEnd = token.size() - pronounLength;
        AddToken(WithoutAccents(std::string_view(token).substr(0, stemEnd), alsoOU));
        token.erase(0, stemEnd);
        attached_ = true;
    }

    void ExpandContraction(std::string& token) {
        if (token == "al" || token == "Al") {
            AddToken("a");
        } else if (token == "del" || token == "Del") {
            AddToken("de");
        } else {
            return;
        }
        token = "el";
    }

    void AddToken(std::string_view text, bool attached = false) {
        TextNode* node = s_.TokenList.Add(s_.Arena, s_.WordCount == 1);
        node->Text = text;
        node->Attached = attached;
        ++s_.SlotCount;
        ++s_.WordCount;
    }

    TranslationState& s_;
    bool attached_ = false;  // the token left over is a pronoun split off its verb
};

}  // namespace

void SplitSegment(TranslationState& s) { SegmentReader(s).Run(); }

}  // namespace quelvo
