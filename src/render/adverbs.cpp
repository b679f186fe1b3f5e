// The "Adv" renderer and the adverb rule it shares with the phrase renderers.
#include "render/adverbs.h"

#include <cstdint>

#include "core/adverb_tags.h"
#include "core/form_codes.h"
#include "lexicon/dictionary_format.h"
#include "lexicon/swedish_word_lookup.h"
#include "morphology/class_tests.h"
#include "morphology/staging.h"
#include "render/emission.h"
#include "render/phrase_progress.h"
#include "swedish/adjectives.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

enum class AdverbKind { Plain, Clause, Focus, Manner };

AdverbKind KindOfCode(std::uint16_t svCode3) {
    if (HasFlag(svCode3, kFocusAdverbFlag)) return AdverbKind::Focus;
    if (HasFlag(svCode3, kClauseAdverbFlag)) return AdverbKind::Clause;
    if (HasFlag(svCode3, kMannerAdverbFlag)) return AdverbKind::Manner;
    return AdverbKind::Plain;
}

// An adverb has the kind of its entry. One without (a multi-word expression,
// a built-in adverb in "mente") has the kind of the Swedish adverb it is said
// as; one made from an adjective ("atentamente": uppmärksamt) is of manner.
AdverbKind KindOf(const TranslationState& s, const WordNode& word, std::string_view text) {
    const AdverbKind own = KindOfCode(word.SvCode3);
    if (own != AdverbKind::Plain) return own;
    if (word.FormCode == fc::kMenteAdverb) return AdverbKind::Manner;
    return KindOfCode(SwedishAdverbCode(s, text));
}

int PositionOf(const TranslationState& s, const WordNode* word) {
    int position = 1;
    for (const WordNode* w = s.WordList.Head; w != nullptr && w != word; w = w->Next) ++position;
    return position;
}

// A focus adverb before a subject that the Spanish names binds to it: "sólo
// Juan lo sabe" (bara Juan vet det), "casi todos".
bool BeforeNamedSubject(const TranslationState& s, const WordNode& word) {
    if (word.Next == nullptr) return false;
    return OneOf(TagAt(s, PositionOf(s, word.Next)).view(), {"ppsu", "n", "egnm", "det", "poss", "indf", "rord"});
}

// A person object after "a" that Swedish says without it ("conozco bien a
// tu padre": känner din far väl): the verb has its object after all.
bool BeforePersonObject(const WordNode& word, const WordNode& verb) {
    return HasFlag(verb.SpCode3, kDropAFlag) && SpWordOf(word.Next) == "a" &&
           FormCodeOf(word.Next->Next) != fc::kInfinitive;
}

// Spanish puts a manner adverb between the verb and its object, with the
// degree words before it ("habla muy bien el inglés"). After "ser",
// "estar" or an intransitive verb no object follows.
bool FollowsItsVerb(const TranslationState& s, const WordNode& word) {
    const WordNode* verb = word.Prev;
    int position = PositionOf(s, &word) - 1;
    while (verb != nullptr && TagAt(s, position) == kPlainAdverbTag) {
        verb = verb->Prev;
        --position;
    }
    if (verb == nullptr || OneOf(verb->SpWord.view(), {"ser", "estar"})) return false;
    const Str6 tag = TagAt(s, position);
    return OneOf(tag.view(), {"v", "vt", "vperf", "vpres", "inf"}) || (tag == "vi" && BeforePersonObject(word, *verb));
}

std::string_view AdverbTag(const TranslationState& s, const WordNode& word, std::string_view text,
                           std::string_view plainTag) {
    switch (KindOf(s, word, text)) {
        case AdverbKind::Focus: return BeforeNamedSubject(s, word) ? kFocusAdverbTag : kClauseAdverbTag;
        case AdverbKind::Clause: return kClauseAdverbTag;
        case AdverbKind::Manner: return FollowsItsVerb(s, word) ? kMannerAdverbTag : plainTag;
        case AdverbKind::Plain: break;
    }
    return plainTag;
}

// "no es muy ...": "inte särskilt ..."; an adverb made from an adjective is
// its neuter form ("uppmärksamt").
Str30 AdverbOf(TranslationState& s, const WordNode& word) {
    const WordNode* before = word.Prev != nullptr ? word.Prev->Prev : nullptr;
    if (word.SpWord == "muy" && before != nullptr && before->SpWord == "no") return "s\xE4rskilt";
    Str30 text = word.SvWord;
    if (word.FormCode == fc::kMenteAdverb && word.SvClass == wc::kAdjective)
        InflectAdjective(s, text, 't', fc::kSingular, word.SvCode2, 'o');
    return text;
}

}  // namespace

void EmitAdverb(TranslationState& s) {
    if (s.CurWord == nullptr) return;
    const Str30 text = AdverbOf(s, *s.CurWord);
    EmitAndRecord(s, text, AdverbTag(s, *s.CurWord, text, kPlainAdverbTag));
}

void EmitAdverbPhrase(TranslationState& s, std::string_view plainTag, std::string_view recordTag) {
    if (s.CurWord == nullptr) return;
    const WordNode& word = *s.CurWord;
    EmitRecordedAs(s, word.SvWord, AdverbTag(s, word, word.SvWord, plainTag), recordTag);
}

void TranslateAdverb(TranslationState& s) { RenderCountedPhrase(s, EmitAdverb); }

}  // namespace quelvo
