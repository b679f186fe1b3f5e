#include "swedish/clock_time.h"

#include "core/word_classes.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

bool IsNumber(const WordNode* word) { return word != nullptr && word->SpClass == wc::kNumeral; }

bool IsArticle(const WordNode* word) { return word != nullptr && (word->SpClass == wc::kDeterminer || word->SpClass == wc::kDeterminerPronoun); }

// "la una" is the one hour that is not a number word: "una" stays
// ambiguous with the article.
bool IsHour(const WordNode* word) { return IsNumber(word) || (word != nullptr && word->SpWord == "una"); }

}  // namespace

bool EndsTheTime(const WordNode* word) {
    return word == nullptr || !(word->SpClass == wc::kNoun || word->SpClass == wc::kAdjective || word->SpClass == wc::kNounAdjective);
}

bool StartsClockTime(const WordNode* word) {
    if (word == nullptr || word->SpWord != "ser") return false;
    const WordNode* article = word->Next;
    const WordNode* hour = article != nullptr ? article->Next : nullptr;
    return IsArticle(article) && IsHour(hour) && EndsTheTime(hour->Next);
}

void DetectClockTime(TranslationState& s, bool& handled) {
    handled = StartsClockTime(s.CurWord);
    if (handled) EmitClockTime(s);
}

void EmitClockTime(TranslationState& s) {
    EmitAndRecord(s, "klockan \xE4r", "v");
    AdvanceWord(s);
    AdvancePhrase(s);
    if (s.CurWord == nullptr) return;
    // The minutes joined the hour when the sentence was built ("kvart över tre").
    EmitAndRecord(s, s.CurWord->SvWord, "rord");
    AdvancePhrase(s);
}

}  // namespace quelvo
