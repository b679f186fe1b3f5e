// The Swedish s-passive of a conjugated verb form.
#include "render/s_passive.h"

#include <array>
#include <string_view>

#include "core/form_codes.h"
#include "swedish/verb_forms.h"

namespace quelvo {
namespace {

struct PassiveEnding {
    int group;
    int drop;  // final letters removed before the ending
    std::string_view ending;
};

constexpr std::array kPresentPassive{
    PassiveEnding{1, 1, "s"}, PassiveEnding{2, 2, "es"}, PassiveEnding{3, 2, "s"},  PassiveEnding{4, 1, "s"},
    PassiveEnding{5, 1, "s"}, PassiveEnding{6, 1, "s"},  PassiveEnding{7, 1, "s"},  PassiveEnding{8, 1, "s"},
    PassiveEnding{10, 0, "s"}, PassiveEnding{11, 3, "s"}, PassiveEnding{12, 1, "s"},
};

constexpr std::array kPastPassive{
    PassiveEnding{1, 0, "s"},  PassiveEnding{2, 0, "s"},  PassiveEnding{3, 0, "s"}, PassiveEnding{4, 0, "s"},
    PassiveEnding{5, 1, "des"}, PassiveEnding{6, 0, "s"}, PassiveEnding{7, 0, "s"}, PassiveEnding{8, 0, "s"},
    PassiveEnding{10, 0, "s"}, PassiveEnding{11, 0, "s"}, PassiveEnding{12, 0, "s"},
};

struct IrregularPassive {
    std::string_view active;
    std::string_view passive;
};

constexpr int kIrregularGroup = 9;

constexpr std::array kIrregularPresentPassive{
    IrregularPassive{"g\xF6r", "g\xF6rs"},
    IrregularPassive{"anser", "anses"},
    IrregularPassive{"till\xE4gger", "till\xE4ggs"},
};

constexpr std::array kIrregularPastPassive{
    IrregularPassive{"gjorde", "gjordes"},
    IrregularPassive{"ans\xE5g", "ans\xE5gs"},
};

enum class PassiveTense { Present, Past, AddS, None };

PassiveTense TenseOf(int formCode) {
    switch (formCode) {
        case fc::kPresent:
        case fc::kPresentSubjunctive:
        case fc::kSpecialPresent: return PassiveTense::Present;
        case fc::kImperfect:
        case fc::kPreterite:
        case fc::kSpecialImperfect: return PassiveTense::Past;
        case fc::kFuture:
        case fc::kConditional:
        case fc::kParticiple:
        case fc::kInfinitive:
        case fc::kImperfectSubjunctive:
        case fc::kSpecialPreterite:
        case fc::kSpecialFuture:
        case fc::kSpecialConditional: return PassiveTense::AddS;
        default: return PassiveTense::None;
    }
}

template <std::size_t N>
void ApplyEnding(Str30& form, int group, const std::array<PassiveEnding, N>& endings) {
    for (const PassiveEnding& e : endings) {
        if (e.group != group) continue;
        const std::string_view text = form.view();
        const std::size_t keep = text.size() > static_cast<std::size_t>(e.drop) ? text.size() - e.drop : 0;
        form = Str30(text.substr(0, keep)) + e.ending;
        return;
    }
}

template <std::size_t N>
bool ApplyIrregular(Str30& form, const std::array<IrregularPassive, N>& table) {
    for (const IrregularPassive& p : table) {
        if (form == p.active) {
            form = p.passive;
            return true;
        }
    }
    return false;
}

// The present passive of an irregular verb the table does not list: its
// infinitive with "s" for the final "a" (säga: sägs, bära: bärs), or after
// a one-syllable infinitive (ta: tas, se: ses).
void IrregularPresentPassive(const WordNode& verb, Str30& form) {
    const std::string_view infinitive = verb.SvWord.view().substr(0, verb.SvWord.view().find(' '));
    if (infinitive.empty()) return;
    const bool dropA = infinitive.size() > 2 && infinitive.ends_with('a');
    form = Str30(infinitive.substr(0, infinitive.size() - (dropA ? 1 : 0))) + "s";
}

}  // namespace

void MakeSPassive(const TranslationState& s, Str30& form) {
    if (s.CurWord == nullptr) return;
    const int group = VerbGroupOf(s.CurWord->SvCode3);
    switch (TenseOf(s.CurWord->FormCode)) {
        case PassiveTense::Present:
            if (group != kIrregularGroup)
                ApplyEnding(form, group, kPresentPassive);
            else if (!ApplyIrregular(form, kIrregularPresentPassive))
                IrregularPresentPassive(*s.CurWord, form);
            return;
        case PassiveTense::Past:
            if (group != kIrregularGroup)
                ApplyEnding(form, group, kPastPassive);
            else if (!ApplyIrregular(form, kIrregularPastPassive))
                form += "s";  // sade: sades, gav: gavs
            return;
        case PassiveTense::AddS: form += "s"; return;
        case PassiveTense::None: return;
    }
}

}  // namespace quelvo
