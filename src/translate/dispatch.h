#pragma once
// The dispatch: each merged phrase goes, by its tag, to its renderer(s).
// Every renderer starts at CurWord, records every Swedish word with
// EmitOutWord and EmitWord, leaves CurWord on the first word it did not
// consume and advances CurPhraseNo and CurWordNo; one that consumes several
// phrases moves PhraseCursor itself.
#include <array>
#include <string_view>

#include "render/adjective_word.h"
#include "render/adverbs.h"
#include "render/day_phrases.h"
#include "render/determiner_words.h"
#include "render/noun_phrases.h"
#include "render/prepositions.h"
#include "render/relatives.h"
#include "render/single_words.h"
#include "render/verb_phrases.h"
#include "swedish/pronouns.h"

namespace quelvo {

using Renderer = void (*)(TranslationState& s);

struct DispatchRow {
    std::array<std::string_view, 11> tags;  // exact tags served; unused entries empty
    std::array<Renderer, 2> routines;       // run in order; unused entries null
    std::string_view singleWordTag;         // when set, TranslateSingleWord runs with it
};

inline constexpr DispatchRow DispatchTable[] = {
    {{"NP", "RN", "NPK", "NPS", "NPST", "NPO", "KTNP", "MAdj", "MAdv", "Poss", "VPrNP"}, {RenderPhraseByRule}, ""},
    {{"NPP"}, {RenderPrepPhrase}, ""},
    {{"NPT"}, {TranslateDayPhrase}, ""},
    {{"NPS/VPI", "NPS/VPT", "NPS/PVPT", "INF_T"}, {InsertSubjectPronoun, TranslateVerbPhrase}, ""},
    // "OPers" (ser + adjective + infinitive) keeps its grouping tag when no role
    // rule takes its clause; its words would be lost without a row.
    {{"VP", "VPI", "VPT", "PVP", "PVPT", "VPres", "VPerf", "VAdj", "OPers"}, {TranslateVerbPhrase}, ""},
    {{"NPS_R", "Rel"}, {TranslateRelative}, ""},
    {{"Adj", "XAdj"}, {TranslateAdjective}, ""},
    {{"Adv"}, {TranslateAdverb}, ""},
    {{"ST", "KT"}, {TranslateSentenceMark}, ""},
    {{"Prep"}, {TranslatePreposition}, ""},
    {{"Inf"}, {TranslateInfWord}, ""},
    {{"Infm"}, {TranslateInfMarker}, ""},
    {{"Det"}, {TranslateDetWord}, ""},
    {{"Indf"}, {TranslateIndfWord}, ""},
    {{"Intr"}, {TranslateIntrWord}, ""},
    {{"Neg"}, {TranslateNegation}, ""},
    {{"Subx"}, {TranslateSubxWord}, ""},
    {{"Prpx"}, {TranslatePrepInfinitive}, ""},
    {{"Advx"}, {TranslateAdvxWord}, ""},
    {{"Relx"}, {TranslateRelx}, ""},
    {{"Konj"}, {}, "konj"},
    {{"YKon"}, {}, "ykon"},
    {{"SKon"}, {}, "skon"},
    {{"Ppfm"}, {}, "ppfm"},
    {{"Egnm"}, {}, "egnm"},
    {{"Qinf"}, {}, "qinf"},
    {{"Prin"}, {}, "prin"},
    {{"Rord"}, {}, "rord"},
    {{"Ppob", "EPPo"}, {}, "ppob"},
    {{"Mer"}, {}, "mer"},
    {{"Rkif"}, {}, "rkif"},
    {{"Refl"}, {}, "refl"},
    {{"Int"}, {}, "int"},
    {{"Konx"}, {}, "konx"},
    {{"Indx"}, {}, "indx"},
    {{"Egnx"}, {}, "egnx"},
    {{"X"}, {}, "x"},
    {{"dN"}, {}, "dN"},
    {{"deN"}, {}, "deN"},
};

// The first row serving `tag` (exact, case-sensitive), or null.
const DispatchRow* FindDispatchRow(std::string_view tag);

// Renders the segment: sets CurWord, the output record and PhraseCursor to
// their starts, keeps a copy of the phrases, then hands every phrase but
// the last to its row's routines. A tag without a row is put out word by
// word, so that none of its words is lost.
void DispatchPhrases(TranslationState& s);

}  // namespace quelvo
