#include "morphology/correction_passes.h"

#include <string>

#include "core/form_codes.h"
#include "core/word_classes.h"
#include "lexicon/dictionary_format.h"
#include "lexicon/lookups.h"
#include "morphology/class_resolvers.h"
#include "morphology/class_tests.h"
#include "morphology/context_tests.h"
#include "morphology/imperatives.h"
#include "morphology/late_subjects.h"
#include "morphology/staging.h"
#include "morphology/verb_homographs.h"
#include "morphology/tense_cues.h"

namespace quelvo {

void RunCorrectionPasses(TranslationState& s) {
    ResolveVerbHomographs(s);
    ResolveDeCompounds(s);
    ResolveAdoParticiples(s);
    ResolvePerfectVerbs(s);
    ResolveSentirVagar(s);
    ResolveSbAdjAdjectives(s);
    ResolveHaberSpecials(s);
    ResolveParticipleAgreement(s);
    ResolveVerbAdjectiveWords(s);
    ResolvePedido(s);
    ResolveClass23Participles(s);
    ResolveFlaggedWords(s);
    ResolveNegativeSubjects(s);
    FoldNegation(s);
    ResolvePersonAdjectives(s);
    ResolveCountComparatives(s);
    ResolveRecentPeriods(s);
    ResolveLyingPlaces(s);
    FrontLateSubjects(s);
    ResolveImperatives(s);
    ResolvePresentOrPast(s);
}

void ResolveDeCompounds(TranslationState& s) {
    int pos = 1;
    for (const WordNode* n = s.WordList.Head; n != nullptr; n = n->Next, ++pos) {
        if (n->SpClass != wc::kNoun || !OneOf(n->FormCode, {fc::kSingular, fc::kSingular2}) || SpWordOf(n->Prev) != "de") continue;
        // A noun with its own adjective is no compound, nor is anything after it.
        if (OneOf(SpClassOf(n->Next), {wc::kAdjective, wc::kNounAdjective})) return;
        if (SpClassOf(n->Prev->Prev) != wc::kNoun) continue;
        // What a container or measure holds is no compound (una taza de café: en kopp kaffe).
        if (HasFlag(n->Prev->Prev->SvCode3, kMeasureFlag)) continue;
        SetTag(s, pos, "dN");
        SetTag(s, pos - 1, "deN");
        SetClassText(s, pos - 1, "deN");
        SetTag(s, pos - 2, "dN");
    }
}

void ResolvePerfectVerbs(TranslationState& s) {
    int pos = 1;
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next, ++pos) {
        if (n->SvClass != wc::kVerb && !OneOf(n->SpClass, {wc::kNounAdverb, wc::kNounAdjectiveVerb, wc::kPrepositionNoun})) continue;
        if (!HasFlag(n->SpCode2, kParticipleNounFlag)) continue;
        bool verbal = false;
        PerfectContext(*n, pos, verbal);
        if (!verbal) continue;
        bool found = false;
        ReanalyseVerb(s, n->SpText, found);
        if (!found) continue;
        SetTag(s, pos, "v");
        if (SpWordOf(n->Prev) == "haber") SetTag(s, pos, "vperf");
        else if (OneOf(s.StagedWord.FormCode, {fc::kPlural, fc::kParticiple})) SetTag(s, pos, "vadj");
        TakeStagedVerb(s, *n);
    }
}

void ResolveSentirVagar(TranslationState& s) {
    int pos = 1;
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next, ++pos) {
        if (!OneOf(n->SpWord.view(), {"sentir", "vagar"})) continue;
        bool verbal = false;
        PerfectContext(*n, pos, verbal);
        if (verbal) SetTag(s, pos, "v");
    }
}

void ResolveSbAdjAdjectives(TranslationState& s) {
    int pos = 1;
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next, ++pos) {
        if (n->SpClass != wc::kNoun) continue;
        if (ClassTextAt(s, pos + 1) == "SbAdj") return;
        if (!HasFlag(n->SpCode2, kNounAdjFlag)) continue;
        // The adjective reading is looked for under the masculine form.
        if (!n->SpWord.empty() && !EndsWith(n->SpWord, "o")) {
            std::string word(n->SpWord.view());
            word.back() = 'o';
            n->SpWord = word;
        }
        ResolveSbAdj(s, *n, pos);
        if (n->SpClass != wc::kAdjective) continue;
        s.LookupWord = std::string(n->SpWord.view().substr(0, n->SpWord.size() - 1)) + "o";
        bool found = false;
        LookupSpanishWord(s, found);
        if (!found) continue;
        s.StagedWord.SvForm = s.StagedWord.SvWord;
        SetTag(s, pos, "adj");
        SetClassText(s, pos, s.StagedWord.SpClass == wc::kNounAdjective ? "SbAdj" : "Adj");
        CopyStagedToNode(s, *n);
    }
}

void ResolveFlaggedWords(TranslationState& s) {
    int pos = 1;
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next, ++pos) {
        if (HasFlag(n->SpCode1, kFlaggedFlag)) FlaggedWordFix(s, *n, pos);
    }
}

}  // namespace quelvo
