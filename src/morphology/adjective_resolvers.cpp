// The resolvers of nouns, adjectives and adverbs.
#include <string>

#include "core/form_codes.h"
#include "core/word_classes.h"
#include "lexicon/lookups.h"
#include "morphology/class_resolvers.h"
#include "morphology/class_tests.h"
#include "morphology/staging.h"

namespace quelvo {
namespace {

// The adjective entry of the word's form, with its Swedish word and codes.
void FullAdjectiveReading(TranslationState& s, WordNode& node, int position) {
    node.SvClass = wc::kAdjective;
    if (LookupFormEntryFound(s, node)) {
        const WordFields& w = s.StagedWord;
        node.SvWord = w.SvWord;
        node.SvForm = w.SvWord;
        CopySvCodes(w, node);
    }
    node.SpClass = wc::kAdjective;
    SetTag(s, position, "adj");
    SetClassText(s, position, "adj");
}

void ShortAdjectiveReading(TranslationState& s, WordNode& node, int position) {
    node.SvClass = wc::kAdjective;
    LookupFormEntry(s, node);
    SetTag(s, position, "adj");
    SetClassText(s, position, "adj");
}

void NounReading(TranslationState& s, WordNode& node, int position) {
    node.SvClass = wc::kNoun;
    SetTag(s, position, "n");
    SetClassText(s, position, "n");
}

void ConjunctionReading(TranslationState& s, WordNode& node, int position) {
    node.SvClass = wc::kYConjunction;
    SetTag(s, position, "ykon");
    SetClassText(s, position, "YKonj");
}

// The class texts of `count` positions from `first`, joined and cut to 20.
Str20 JoinedClassTexts(const TranslationState& s, int first, int count) {
    std::string joined;
    for (int p = first; p < first + count; ++p) joined += ClassTextAt(s, p).view();
    return Str20(joined);
}

// Two or three SbAdj words in a row: which is the noun and which the adjectives.
bool ResolveSbAdjRun(TranslationState& s, WordNode& node, int position) {
    WordNode* next = node.Next;
    WordNode* third = next != nullptr ? next->Next : nullptr;
    WordNode* fourth = third != nullptr ? third->Next : nullptr;
    if (JoinedClassTexts(s, position, 4) == "SbAdjSbAdjYKonjSbAdj") {
        NounReading(s, node, position);
        if (next != nullptr) FullAdjectiveReading(s, *next, position + 1);
        if (third != nullptr) ConjunctionReading(s, *third, position + 2);
        if (fourth != nullptr) FullAdjectiveReading(s, *fourth, position + 3);
        return true;
    }
    if (JoinedClassTexts(s, position - 1, 3) == "nSbAdjSbAdj" && next != nullptr) {
        ShortAdjectiveReading(s, node, position);
        FullAdjectiveReading(s, *next, position + 1);
        return true;
    }
    const Str20 pair = JoinedClassTexts(s, position, 2);
    if (pair == "SbAdjSbAdj" && next != nullptr) {
        if (SpClassOf(node.Prev) == wc::kNoun) {
            FullAdjectiveReading(s, node, position);
        } else {
            NounReading(s, node, position);
            FullAdjectiveReading(s, *next, position + 1);
        }
        return true;
    }
    if (pair == "SbAdjSbAdjVb" && next != nullptr) {
        NounReading(s, node, position);
        FullAdjectiveReading(s, *next, position + 1);
        return true;
    }
    return false;
}

// The noun-adjectives that after "ser" name what someone works as.
inline constexpr std::string_view kTradeNouns[] = {"m\xE9" "dico", "cient\xED" "fico", "trabajador", "pol\xED" "tico"};

bool IsTradeNoun(const Str30& word) {
    for (const auto trade : kTradeNouns)
        if (word == trade) return true;
    return false;
}

// The neighbours that make the word an adjective.
bool IsAdjectiveContext(const TranslationState& s, const WordNode& node, int position) {
    const WordNode* prev = node.Prev;
    const WordNode* next = node.Next;
    const int prevClass = SpClassOf(prev);
    const int nextClass = SpClassOf(next);
    if (SpWordOf(prev) == "estar") return true;
    // After "ser" the word describes ("es joven": ung), unless it names a trade ("es m\xE9dico": l\xE4kare).
    if (SpWordOf(prev) == "ser" && !IsTradeNoun(node.SpWord)) return true;
    if (OneOf(prevClass, {wc::kNoun, wc::kProperName, wc::kSubx}) || TagAt(s, position - 1) == "n") return true;
    if (ClassTextAt(s, position + 1) == "SbAdj") return true;
    if ((OneOf(nextClass, {wc::kNoun, wc::kNumeral, wc::kProperName}) || Between(nextClass, wc::kNounAdjective, wc::kNounPossessive)) && !EndsWith(next->SpText, "\xEDsimo"))
        return true;
    return (prevClass == wc::kAdjective || prevClass == wc::kNounAdjective) && SpClassOf(prev->Prev) == wc::kNoun;
}

// Object pronouns that look like articles but cannot stand before the
// singular feminine "mañana".
constexpr std::string_view kNoArticleOfTomorrow[] = {"lo", "los", "las", "le", "les"};

bool CanBeArticleOfTomorrow(const WordNode& word) {
    for (const auto pronoun : kNoArticleOfTomorrow)
        if (word.SpText == pronoun) return false;
    return true;
}

// "mañana" is "i morgon" unless an article or "cada" that can go with it
// stands before it ("la mañana"); "comprarlos mañana" has no article.
bool IsTomorrow(const WordNode& node, bool afterDeterminer) {
    if (node.SpText != "ma\xF1" "ana" || node.Prev == nullptr) return false;
    const bool determiner = afterDeterminer || IsDeterminerClass(node.Prev->SpClass);
    return !determiner || !CanBeArticleOfTomorrow(*node.Prev);
}

}  // namespace

void ResolveSbAdj(TranslationState& s, WordNode& node, int position) {
    if (ResolveSbAdjRun(s, node, position)) return;
    if (IsAdjectiveContext(s, node, position)) {
        FullAdjectiveReading(s, node, position);
        return;
    }
    const WordNode* prev = node.Prev;
    const int prevClass = SpClassOf(prev);
    if (SpClassOf(node.Next) == wc::kNounAdjective || prevClass == wc::kAdjective) return;
    if (IsVerbClass(prevClass)) {
        if (node.SpWord == "enfermo" && prev->SpWord == "caer") {
            node.SvWord = "sjuk";
            node.SvClass = wc::kAdjective;
            SetTag(s, position, "adj");
        }
        return;
    }
    const bool afterDegreeWord = OneOf(SpWordOf(prev), {"m\xE1s", "mucho", "muy", "tan", "lo"});
    const bool afterAdjectiveAndConjunction =
        prevClass == wc::kYConjunction && (SpClassOf(prev->Prev) == wc::kAdjective || Between(SpClassOf(prev->Prev), wc::kAdjectiveAdverb, wc::kNull));
    if (afterDegreeWord || afterAdjectiveAndConjunction) {
        FullAdjectiveReading(s, node, position);
        node.ClassTag = "adj";
        return;
    }
    if (prev != nullptr && TagAt(s, position - 1) == "adv") {
        node.SvClass = wc::kAdjective;
        SetTag(s, position, "adj");
        if (node.SvWord == "str\xF6mdrag") node.SvWord = "snabb";
    }
}

void ResolveAdjAdv(TranslationState& s, WordNode& node, int position) {
    if (node.SpWord == "cierto" && SpClassOf(node.Next) == wc::kNoun) {
        node.SvWord = "viss";
        node.SvClass = wc::kAdjective;
        node.SvCode2 = 512;
        SetTag(s, position, "adj");
        return;
    }
    const WordNode* prev = node.Prev;
    if (prev != nullptr && (OneOf(prev->SpWord, {"ser", "estar"}) || IsDeterminerClass(prev->SpClass))) {
        SetTag(s, position, "adj");
        node.SvClass = wc::kAdjective;
        return;
    }
    if (OneOf(SpClassOf(node.Next), {wc::kAdjective, wc::kPreposition, wc::kNounAdjective})) {
        SetTag(s, position, "adv");
        node.SvClass = wc::kAdverb;
    }
}

void ResolveAdjAdvSb(TranslationState& s, WordNode& node, int position) {
    if (node.SpWord == "mal" && node.SpText == "malas") {
        LookupFormEntry(s, node);
        SetTag(s, position, "adj");
        node.SvClass = wc::kAdjective;
        return;
    }
    // After a verb other than "ser" and "estar" (and its degree words), and
    // not before its noun ("hace mal tiempo"), the word says how: "escribe
    // mal" (skriver dåligt), "conduce muy mal", with its adverb entry.
    const WordNode* prev = node.Prev;
    while (prev != nullptr && prev->SpClass == wc::kAdverb) prev = prev->Prev;
    const bool afterVerb = prev != nullptr && (prev->SpClass == wc::kInfinitive || IsVerbClass(prev->SpClass)) &&
                           !OneOf(prev->SpWord.view(), {"ser", "estar"});
    const bool beforeNoun = OneOf(SpClassOf(node.Next), {wc::kNoun, wc::kNounAdjective, wc::kNounAdverb, wc::kNounAdjectiveVerb});
    if (afterVerb && !beforeNoun) {
        if (LookupFormEntryFound(s, node)) {
            node.SvWord = s.StagedWord.SvWord;
            node.SvForm = s.StagedWord.SvWord;
            CopySvCodes(s.StagedWord, node);
        }
        SetTag(s, position, "adv");
        node.SvClass = wc::kAdverb;
        return;
    }
    if (!EndsWith(node.SpWord, "mente")) return;
    // The adjective of an adverb in "mente": the form in "o", else the stem as it stands.
    const std::string adverb(node.SpWord.view());
    node.SpWord = adverb.substr(0, adverb.size() - 6) + "o";
    if (!LookupFormEntryFound(s, node)) {
        node.SpWord = adverb.substr(0, adverb.size() - 5);
        LookupFormEntry(s, node);
    }
    SetTag(s, position, "adv");
    node.SvClass = wc::kAdverb;
    node.SvWord += "t";
}

void ResolveAdvVb(TranslationState& s, WordNode& node, int position) {
    if (FormCodeOf(node.Next) != fc::kParticiple) return;
    node.SpWord = "ser";
    node.SvWord = "vara";
    node.SvClass = wc::kAuxiliary;
    node.SvCode1 = 3;
    node.SvCode2 = 768;
    node.SvCode3 = 9;
    node.SvCode4 = 0;
    node.FormCode = fc::kImperfectSubjunctive;
    SetTag(s, position, "hjv");
}

void ResolveSbAdv(TranslationState& s, WordNode& node, int position) {
    const WordNode* next = node.Next;
    if (node.SpWord == "alrededor") {
        if (OneOf(SpClassOf(node.Prev), {wc::kPossessive, wc::kRelative, wc::kDeterminer, wc::kDeterminerPronoun, wc::kRkif})) return;
        if (SpWordOf(next) == "de") {
            node.SvWord = "runt omkring";
            node.SvCode3 = 128;
            node.SvClass = wc::kAdverb;
            SetTag(s, position, "adv");
            return;
        }
    }
    // After an article or "cada" the word is the noun: "la mañana", "cada
    // mañana". An enclitic "los" is no article ("comprarlos mañana").
    const bool afterDeterminer = node.Prev != nullptr && (TagAt(s, position - 1) == "det" || node.Prev->SpWord == "cada");
    if (IsTomorrow(node, afterDeterminer)) {
        node.SvWord = "i morgon";
        node.SvClass = wc::kAdverb;
        SetTag(s, position, "adv");
        return;
    }
    if (next != nullptr && OneOf(next->SpClass, {wc::kAdjective, wc::kNumeral, wc::kIndefinite, wc::kDeterminer, wc::kNounAdjective, wc::kParticleVerb, wc::kAdjectiveAdverb, wc::kAdjectiveAdverbNoun, wc::kDemonstrative, wc::kDeterminerPronoun, wc::kRkif, wc::kIndefiniteAdverb, wc::kIndefiniteAdjective})) return;
    if (afterDeterminer) return;
    // The adverb reading says the word as its further form gives it:
    // "mañana" is "i morgon" at the start of the sentence too.
    if (LookupFormEntryFound(s, node)) {
        node.SvWord = s.StagedWord.SvWord;
        node.SvForm = s.StagedWord.SvWord;
    }
    node.SvClass = wc::kAdverb;
    SetTag(s, position, "adv");
}

}  // namespace quelvo
