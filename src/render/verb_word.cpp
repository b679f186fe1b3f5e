#include "render/verb_word.h"

#include <array>

#include "core/form_codes.h"
#include "core/word_classes.h"
#include "lexicon/dictionary_format.h"
#include "render/doler_verb.h"
#include "render/emission.h"
#include "render/existential_verb.h"
#include "render/verb_constructions.h"
#include "render/verb_substitutes.h"
#include "render/verb_word_tests.h"
#include "swedish/verb_forms.h"
#include "swedish/word_output.h"

namespace quelvo {
namespace {

struct SpecialVerb {
    std::string_view spWord;
    void (*handler)(TranslationState&);
};

constexpr std::array kSpecialVerbs{
    SpecialVerb{"acabar", VerbAcabar},       SpecialVerb{"ir", VerbIr},
    SpecialVerb{"ser", VerbSer},             SpecialVerb{"hacer", VerbHacer},
    SpecialVerb{"tratar", VerbTratar},       SpecialVerb{"conseguir", VerbConseguir},
    SpecialVerb{"parecer", VerbParecer},     SpecialVerb{"tener", VerbTener},
    SpecialVerb{"saber", VerbSaber},         SpecialVerb{"resultar", VerbResultar},
    SpecialVerb{"dejar", VerbDejar},         SpecialVerb{"seguir", VerbSeguir},
    SpecialVerb{"mandar", VerbMandar},       SpecialVerb{"servir", VerbServir},
    SpecialVerb{"caber", VerbCaber},         SpecialVerb{"quedar", VerbQuedar},
    SpecialVerb{"doler", VerbDoler},
};

const SpecialVerb* FindSpecialVerb(std::string_view spWord) {
    for (const auto& v : kSpecialVerbs)
        if (v.spWord == spWord) return &v;
    return nullptr;
}

}  // namespace

void TranslateVerbWord(TranslationState& s) {
    WordNode* w = s.CurWord;
    if (w == nullptr) return;
    if (IsSpanish(w->Prev, "para que")) w->FormCode = fc::kInfinitive;
    if (const SpecialVerb* special = FindSpecialVerb(w->SpWord)) {
        special->handler(s);
        return;
    }
    VerbOthers(s);
    if (IsExistential(*w)) {
        EmitExistential(s);
        return;
    }
    if (w->SpWord == "lograr" && IsVerbAfterLograr(w->Next)) SetSwedishVerb(*w, kVerbLyckas);
    if (IsParticleVerb(*w)) {
        EmitParticleVerb(s);
        return;
    }
    EmitConjugatedVerb(s);
}

void EmitConjugatedVerb(TranslationState& s) {
    if (s.CurWord == nullptr) return;
    // The infinitive of a construction too leaves a particle without its
    // object out: "vi måste vänta", "vi måste vänta på dig".
    if (IsParticleVerb(*s.CurWord)) return EmitParticleVerb(s);
    EmitConjugatedAs(s, s.CurWord->SvWord, s.CurWord->SvCode3);
}

void EmitConjugatedAs(TranslationState& s, std::string_view svWord, std::uint16_t code) {
    if (s.CurWord == nullptr) return;
    Str30 form(svWord);
    MakeSwedishVerbForm(s, form, code, s.CurWord->FormCode);
    EmitWithWordMarks(s, form, "v");
}

Str30 ConjugatedForm(TranslationState& s) {
    if (s.CurWord == nullptr) return {};
    Str30 form = s.CurWord->SvWord;
    MakeSwedishVerbForm(s, form, s.CurWord->SvCode3, s.CurWord->FormCode);
    return form;
}

void EmitFormedVerb(TranslationState& s, std::string_view tag) {
    if (s.CurWord == nullptr) return;
    EmitAndRecord(s, ConjugatedForm(s), tag);
}

void SetSwedishVerb(WordNode& w, const SwedishVerbEntry& verb) {
    w.SvWord = verb.word;
    w.SvCode1 = verb.code1;
    w.SvCode2 = verb.code2;
    w.SvCode3 = verb.code3;
    w.SvClass = ClassOfCode(verb.code1);
}

// The particle routine splits the Swedish form at its blank; a form without
// one is an ordinary verb whatever its class says.
bool IsParticleVerb(const WordNode& w) {
    return w.SvClass == wc::kParticleVerb && w.SvWord.view().find(' ') != std::string_view::npos;
}

std::string_view MustText(const WordNode& w) {
    if (IsSpanish(w.Prev, "no"))
        return w.FormCode == fc::kParticiple || IsPresentCode(w.FormCode) ? "beh\xF6ver" : "beh\xF6vde";
    return w.FormCode == fc::kParticiple ? "m\xE5st" : "m\xE5ste";
}

}  // namespace quelvo
