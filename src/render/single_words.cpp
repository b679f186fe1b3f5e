// The renderers of the phrases that hold one word: conjunctions, pronouns,
// particles, punctuation, negations, infinitive markers and the like.
#include "render/single_words.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/emit.h"
#include "core/word_classes.h"
#include "morphology/reflexive_verbs.h"
#include "render/adverbs.h"
#include "render/age_question.h"
#include "render/emission.h"
#include "render/prepositions.h"
#include "render/phrase_progress.h"
#include "swedish/verb_forms.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

// Verbs whose "a" before an infinitive is Swedish "att" (empezar a hacer).
constexpr std::array<std::string_view, 3> InfAVerbs{"empezar", "obligar", "ayudar"};

constexpr int kPluralForm = 3;

bool Is(const WordNode* word, std::string_view spWord) { return word != nullptr && word->SpWord == spWord; }

// The output tag of a single-word phrase: its record tag with a capital.
Str6 CapitalisedTag(std::string_view tag) {
    Str6 out(tag);
    if (!out.empty() && out.front() >= 'a' && out.front() <= 'z') out.front() = static_cast<char>(out.front() - 32);
    return out;
}

// After a negated verb: "någon", "något" before a neuter noun; without a noun
// after it both forms stand.
Str30 AnyByGender(const WordNode* noun) {
    if (noun == nullptr || noun->SpClass != wc::kNoun) return "n\xE5gon/n\xE5got";
    return noun->Gender == 't' ? "n\xE5got" : "n\xE5gon";
}

// "ninguno", "ninguna", "ningún" after "que", "sin" or a negated verb mean
// "någon": Swedish negates once.
Str30 NegationOf(const WordNode& word) {
    if (!word.SpWord.view().starts_with("ning") || word.Prev == nullptr) return word.SvWord;
    if (Is(word.Prev, "que") || Is(word.Prev, "sin")) return "n\xE5gon";
    if (Is(word.Prev->Prev, "no") && !word.Prev->Prev->SvWord.empty()) return AnyByGender(word.Next);
    return word.SvWord;
}

void RenderSentenceMark(TranslationState& s) {
    const WordNode& word = *s.CurWord;
    // Spanish opening marks have no Swedish counterpart.
    if (word.SvWord == "\xBF" || word.SvWord == "\xA1") {
        AdvanceWord(s);
        return;
    }
    EmitAndRecord(s, word.SvWord, "st");
    if (s.ScanPos > s.TextLen - 3) s.ScanPos += 2;
}

void RenderInfMarker(TranslationState& s) {
    const WordNode& word = *s.CurWord;
    if (word.SpWord == "para" && !TakesPlainAtt(word.Prev)) {
        EmitAndRecord(s, "f\xF6r", "infm");
        EmitCounted(s, word.SpWord, "att", "infm");
    } else if (word.SpWord == "a" && word.Prev != nullptr &&
               std::find(InfAVerbs.begin(), InfAVerbs.end(), word.Prev->SpWord.view()) != InfAVerbs.end()) {
        EmitAndStep(s, "att", "infm", "infm");
    } else {
        EmitAndRecord(s, "att", "infm");
        s.OutTags.Set(s.OutCount, Str6("infm"));
    }
}

// "qué" before a plural noun is "vilka".
Str30 InterrogativeOf(const WordNode& word) {
    const bool which = word.SpWord == "qu\xE9" || word.SpWord == "Qu\xE9";
    if (which && word.Next != nullptr && word.Next->FormCode == kPluralForm) return "vilka";
    return word.SvWord;
}

}  // namespace

void TranslateSingleWord(TranslationState& s, std::string_view tag) {
    RenderCountedPhrase(s, [tag](TranslationState& st) {
        const WordNode& word = *st.CurWord;
        if (IsSilentReflexivePronoun(word)) return AdvanceWord(st);
        const Str6 recordTag(tag.substr(0, 4));
        EmitAndStep(st, word.SvWord, CapitalisedTag(recordTag), recordTag);
    });
}

void TranslateSentenceMark(TranslationState& s) {
    const PhraseStart start = BeginPhrase(s);
    // Without a word the phrases promised a mark the word list does not have.
    if (s.CurWord == nullptr) EmitOutWord(s, "", "FEL I OLIKASOEK/SOEK_ST!", "", "st");
    else RenderSentenceMark(s);
    FinishPhrase(s, start);
}

// A "no" that a negative word took into itself is not said.
void TranslateNegation(TranslationState& s) {
    RenderCountedPhrase(s, [](TranslationState& st) {
        if (st.CurWord->SvWord.empty()) AdvanceWord(st);
        else EmitAndStep(st, NegationOf(*st.CurWord), "neg", "neg");
    });
}

void TranslateInfMarker(TranslationState& s) {
    RenderCountedPhrase(s, RenderInfMarker);
}

void TranslateInfWord(TranslationState& s) {
    RenderCountedPhrase(s, [](TranslationState& st) {
        EmitInfinitiveMarker(st);
        EmitAndRecord(st, st.CurWord->SvWord, "inf");
    });
}

void TranslateSubxWord(TranslationState& s) {
    RenderCountedPhrase(s, [](TranslationState& st) { EmitAndStep(st, st.CurWord->SvWord, "subx", "subx"); });
}

void TranslateAdvxWord(TranslationState& s) {
    RenderCountedPhrase(s, [](TranslationState& st) { EmitAdverbPhrase(st, "advx", "adv"); });
}

void TranslateIntrWord(TranslationState& s) {
    RenderCountedPhrase(s, [](TranslationState& st) {
        if (!EmitAgeQuestion(st)) EmitAndRecord(st, InterrogativeOf(*st.CurWord), "intr");
    });
}

}  // namespace quelvo
