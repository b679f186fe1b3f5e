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

// A noun, adjective or the like after the number makes it something else
// than an hour (son las tres casas). The sentence's closing mark does not:
// every sentence has one, and "son las tres." tells the time.
bool EndsTheTime(const WordNode* word) {
    return word == nullptr || !(word->SpClass == wc::kNoun || word->SpClass == wc::kAdjective || word->SpClass == wc::kNounAdjective);
}

void EmitAndAdvancePhrase(TranslationState& s, std::string_view word, std::string_view tag) {
    EmitAndRecord(s, word, tag);
    AdvancePhrase(s);
}

// "y media": the conjunction and "trettio".
void EmitHalfPast(TranslationState& s) {
    EmitAndAdvancePhrase(s, s.CurWord->SvWord, "konj");
    EmitAndAdvancePhrase(s, "trettio", "rord");
}

void EmitMinutesPast(TranslationState& s) {
    EmitAndAdvancePhrase(s, s.CurWord->SvWord, "konj");
    EmitAndAdvancePhrase(s, s.CurWord->SvWord, "rord");
}

// "menos diez": Swedish says the minutes, "i", the hour. The hour already
// went out last; its place takes the minutes and it follows after "i".
void EmitMinutesTo(TranslationState& s, const Str30& hour) {
    const WordNode* minutes = s.CurWord->Next;
    if (s.OutList.Tail != nullptr) s.OutList.Tail->SvText = minutes->SvWord;
    const int hourSlot = s.OutCount - 1;
    if (s.KeepOutWords && hourSlot >= 1 && hourSlot <= kOutWordSlots) s.OutWords[hourSlot] = minutes->SvWord;
    AdvancePhrase(s);
    EmitCounted(s, minutes->SpWord, "i", "konj");
    AdvancePhrase(s);
    EmitCounted(s, minutes->SpWord, hour, "rord");
    s.CurWord = minutes->Next;
}

}  // namespace

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
    const Str30 hour = s.CurWord->SvWord;
    EmitAndAdvancePhrase(s, hour, "rord");
    const WordNode* word = s.CurWord;
    if (word == nullptr || word->Next == nullptr) return;
    // "media" is read as "mediar" by the ending analysis, or found as a word of its own.
    if (word->SpWord == "y" && (word->Next->SpWord == "mediar" || word->Next->SpWord == "media"))
        EmitHalfPast(s);
    else if (word->SpWord == "y" && IsNumber(word->Next))
        EmitMinutesPast(s);
    else if (word->SpWord == "menos" && IsNumber(word->Next))
        EmitMinutesTo(s, hour);
}

}  // namespace quelvo
