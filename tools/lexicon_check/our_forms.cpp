#include "our_forms.h"

#include <memory>
#include <span>
#include <string_view>

#include "core/capitalise.h"
#include "core/form_codes.h"
#include "core/text_codec.h"
#include "core/word_classes.h"
#include "lexicon/dictionary_format.h"
#include "swedish/adjectives.h"
#include "swedish/comparison.h"
#include "swedish/nouns.h"
#include "swedish/verb_forms.h"

namespace quelvo::lchk {
namespace {

struct NounSlot {
    std::string_view slot;
    int number;
    char definiteness;
};
constexpr NounSlot kNounSlots[] = {{"sg ind", fc::kSingular, 'o'},
                                   {"sg def", fc::kSingular, 'b'},
                                   {"pl ind", fc::kPlural, 'o'},
                                   {"pl def", fc::kPlural, 'b'}};

struct AdjectiveSlot {
    std::string_view slot;
    char gender;
    int number;
};
constexpr AdjectiveSlot kAdjectiveSlots[] = {
    {"ut sg", 'n', fc::kSingular}, {"nt sg", 't', fc::kSingular}, {"un pl", 'n', fc::kPlural}};
constexpr std::string_view kComparativeSlot = "comp";
constexpr std::uint32_t kComparisonAre = 1;
constexpr std::uint32_t kComparisonUnstressed = 4;
constexpr std::string_view kPeriphrasis = "mer ";

struct VerbSlot {
    std::string_view slot;
    int formCode;
};
constexpr VerbSlot kVerbSlots[] = {
    {"pres", fc::kPresent}, {"past", fc::kPreterite}, {"supn", fc::kSupine}, {"pp", fc::kPastParticiple}};
constexpr VerbSlot kSVerbSlots[] = {{"s-pres", fc::kPresent}, {"s-past", fc::kPreterite}, {"s-supn", fc::kSupine}};
constexpr std::string_view kParticipleSlot = "pp";

// A particle verb is inflected in its verb, the word before the blank.
std::string_view StemWord(const lexc::SwedishEntry& entry) {
    const std::string_view word = entry.word;
    return ClassOfCode(entry.codes[0]) == wc::kParticleVerb ? word.substr(0, word.find(' ')) : word;
}

void Add(std::vector<SlotForm>& forms, std::string_view slot, const Str30& form) {
    forms.push_back({std::string(slot), ToUtf8(form.view())});
}

std::vector<SlotForm> NounForms(TranslationState& s, const lexc::SwedishEntry& entry) {
    std::vector<SlotForm> forms;
    if (DeclensionOf(entry.codes[1]) == kSpecialDeclension) return forms;  // chosen by the Spanish word
    for (const NounSlot& n : kNounSlots) {
        Str30 form(entry.word);
        ChkKatForm(s, form, entry.codes[1], n.number, n.definiteness);
        Add(forms, n.slot, form);
    }
    return forms;
}

// The comparative as the renderers emit it, from a state of its own: the
// emitters write to the output, whose first word they capitalise.
template <typename Emit>
Str30 EmittedComparative(const Lexicon& dict, Emit emit) {
    const auto fresh = std::make_unique<TranslationState>(dict);
    emit(*fresh);
    Str30 form = fresh->OutList.Tail->SvText;
    if (!form.empty()) form.front() = LowerOf(form.front());
    return form;
}

std::vector<SlotForm> AdjectiveForms(TranslationState& s, const lexc::SwedishEntry& entry) {
    std::vector<SlotForm> forms;
    for (const AdjectiveSlot& a : kAdjectiveSlots) {
        Str30 form(entry.word);
        InflectAdjective(s, form, a.gender, a.number, entry.codes[1], 'o');
        Add(forms, a.slot, form);
    }
    const Str30 word(entry.word);
    Str30 comparative;
    const std::uint32_t group = ComparisonGroupOf(entry.codes[0]);
    if (group == kComparisonAre)
        comparative = EmittedComparative(s.Dict, [&](TranslationState& t) { EmitComparativeAre(t, word); });
    else if (group == kComparisonUnstressed)
        comparative = EmittedComparative(s.Dict, [&](TranslationState& t) { FyllIAdjSup_4(t, word); });
    if (!comparative.empty() && !comparative.view().starts_with(kPeriphrasis))
        Add(forms, kComparativeSlot, comparative);
    return forms;
}

std::vector<SlotForm> VerbForms(TranslationState& s, const lexc::SwedishEntry& entry) {
    std::vector<SlotForm> forms;
    const Str30 infinitive(StemWord(entry));
    const bool sVerb = VerbGroupOf(entry.codes[2]) == kSVerbGroup;
    for (const VerbSlot& v : sVerb ? std::span<const VerbSlot>(kSVerbSlots) : std::span<const VerbSlot>(kVerbSlots)) {
        Str30 form = infinitive;
        MakeSwedishVerbForm(s, form, entry.codes[2], v.formCode);
        // A group that forms no participle leaves the infinitive.
        if (v.slot == kParticipleSlot && (form.empty() || form == infinitive.view())) continue;
        Add(forms, v.slot, form);
    }
    return forms;
}

}  // namespace

std::string InflectedWord(const lexc::SwedishEntry& entry) { return ToUtf8(StemWord(entry)); }

std::vector<SlotForm> OurForms(TranslationState& s, const lexc::SwedishEntry& entry) {
    switch (ClassOfCode(entry.codes[0])) {
        case wc::kNoun: return NounForms(s, entry);
        case wc::kAdjective: return AdjectiveForms(s, entry);
        case wc::kVerb:
        case wc::kParticleVerb: return VerbForms(s, entry);
        default: return {};
    }
}

}  // namespace quelvo::lchk
