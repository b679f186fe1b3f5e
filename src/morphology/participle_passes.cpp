// The correction passes that read past participles.
#include <optional>
#include <span>
#include <string>

#include "core/form_codes.h"
#include "core/word_classes.h"
#include "lexicon/dictionary_format.h"
#include "lexicon/lookups.h"
#include "morphology/class_tests.h"
#include "morphology/context_tests.h"
#include "morphology/correction_passes.h"
#include "morphology/ending_analysis.h"
#include "morphology/participle_tables.h"
#include "morphology/staging.h"

namespace quelvo {
namespace {

bool Listed(std::span<const std::string_view> table, std::string_view word) {
    for (const auto entry : table)
        if (entry == word) return true;
    return false;
}

template <typename Row>
const Row* RowOf(std::span<const Row> table, std::string_view spanish) {
    for (const auto& row : table)
        if (row.spanish == spanish) return &row;
    return nullptr;
}

std::string WithoutLast(std::string_view text, std::size_t letters) {
    return std::string(text.substr(0, text.size() > letters ? text.size() - letters : 0));
}

// The masculine singular of a participle of the adjective table, by its ending.
std::optional<std::string> RegularParticipleBase(std::string_view text) {
    if (EndsWith(text, "ado") || EndsWith(text, "ido")) return std::string(text);
    if (EndsWith(text, "ada") || EndsWith(text, "ida")) return WithoutLast(text, 1) + "o";
    if (EndsWith(text, "ados")) return WithoutLast(text, 1);
    if (EndsWith(text, "adas")) return WithoutLast(text, 2) + "o";
    return std::nullopt;
}

std::optional<std::string> IrregularParticipleBase(std::string_view text) {
    if (EndsWith(text, "tos")) return WithoutLast(text, 1);
    if (EndsWith(text, "tas")) return WithoutLast(text, 2) + "o";
    if (EndsWith(text, "to")) return std::string(text);
    if (EndsWith(text, "ta")) return WithoutLast(text, 1) + "o";
    return std::nullopt;
}

// After "estar" a participle with a further form of its own is that adjective
// ("estoy cansado": "tr\xF6tt", not the participle of "tr\xF6tta").
bool ReadAsPredicativeAdjective(TranslationState& s, WordNode& n, int pos) {
    if (SpWordOf(n.Prev) != "estar") return false;
    auto base = RegularParticipleBase(n.SpText);
    if (!base) base = IrregularParticipleBase(n.SpText);
    if (!base) return false;
    WordNode masculine = n;
    masculine.SpWord = *base;
    if (!LookupFormEntryFound(s, masculine)) return false;
    n.SvWord = s.StagedWord.SvWord;
    n.SvForm = s.StagedWord.SvWord;
    CopySvCodes(s.StagedWord, n);
    const bool plural = EndsWith(n.SpText, "s");
    n.FormCode = plural ? fc::kPlural : fc::kSingular;
    n.PersonNo = plural ? 6 : 0;
    n.SpClass = wc::kAdjective;
    n.SvClass = wc::kAdjective;
    n.ClassTag = "adj";
    SetTag(s, pos, "adj");
    SetClassText(s, pos, "adj");
    return true;
}

void ReadAsParticipleAdjective(TranslationState& s, WordNode& n, int pos) {
    if (ReadAsPredicativeAdjective(s, n, pos)) return;
    SetTag(s, pos, "vadj");
    SetClassText(s, pos, "VAdj");
    s.WordClassNos.Set(pos, 104);
    n.SpClass = wc::kVerbalAdjective;
    n.SvClass = n.SvWord.view().find(' ') != std::string_view::npos ? wc::kParticleVerb : wc::kVerbalAdjective;
    n.ClassTag = "vadj";
}

// The masculine singular of a listed participle; none for other words.
std::optional<std::string> ListedParticipleBase(std::string_view text) {
    if (const auto base = RegularParticipleBase(text); base && Listed(kParticipleAdjectives, *base)) return base;
    if (const auto base = IrregularParticipleBase(text); base && Listed(kIrregularParticiples, *base)) return base;
    return std::nullopt;
}

std::string_view LastTwo(std::string_view text) { return text.size() >= 2 ? text.substr(text.size() - 2) : text; }

// A participle after a noun it agrees with (la puerta abierta).
bool AgreesWithNoun(const WordNode& prev, const WordNode& n) {
    if (prev.SpClass != wc::kNoun) return false;
    const std::string_view a = LastTwo(prev.SpText);
    const std::string_view b = LastTwo(n.SpText);
    return a == b || (a == "da" && b == "ta") || (a == "ia" && b == "da");
}

// Tags the listed participle by the word before it; true when it is handled.
bool TagListedParticiple(TranslationState& s, const WordNode& n, int pos) {
    const WordNode* prev = n.Prev;
    if (prev == nullptr) return false;
    bool handled = false;
    if (AgreesWithNoun(*prev, n) || prev->SpWord == "ser") {
        SetTag(s, pos, "vadj");
        handled = true;
    }
    if (prev->SpWord == "haber") {
        SetTag(s, pos, "vperf");
        handled = true;
    }
    return handled || SpClassOf(n.Next) == wc::kPreposition;
}

// The verb reading of a participle of class 23: a listed irregular form,
// then its ending, then the word as it stands.
void LookupParticipleVerb(TranslationState& s, const Str30& word, bool& found) {
    Str30 infinitive = word;
    bool listed = false;
    int formCode = fc::kNone;
    LookupVerbForm(s, infinitive, listed, formCode);
    if (listed) {
        s.LookupWord = infinitive;
        LookupSpanishWord(s, found);
        if (found) s.StagedWord.FormCode = formCode;
    }
    if (!found) AnalyseEnding3(s, word, found);
    if (!found) AnalyseEnding2(s, word, found);
    if (!found) AnalyseEnding1(s, word, found);
    if (!found) {
        s.LookupWord = word;
        LookupSpanishWord(s, found);
    }
}

void ReadAsCirculate(TranslationState& s, WordNode& n, int pos) {
    n.SpWord = "circular";
    n.SvWord = "cirkulera";
    n.SvKey = kCirkuleraEntry.key;
    n.SpClass = wc::kVerb;
    n.SvClass = wc::kVerb;
    n.ClassTag = "v";
    n.SvCode3 = 1;
    SetTag(s, pos, "v");
}

// The verb use of a participle of class 23; true when the pass ends here.
bool ReadClass23AsVerb(TranslationState& s, WordNode& n, int pos) {
    if (n.SpWord == "circular") {
        ReadAsCirculate(s, n, pos);
        return true;
    }
    bool found = false;
    LookupParticipleVerb(s, n.SpWord, found);
    if (!found) return false;
    const std::string_view prevWord = SpWordOf(n.Prev);
    if (OneOf(prevWord, {"estar", "ser"}) && n.SpWord == "cubierto") {
        SetTag(s, pos, "vadj");
        s.StagedWord.FormCode = fc::kParticiple;
        n.SvClass = wc::kAdjective;
        n.SvWord = "t\xE4" "ckt";
        return true;
    }
    const auto* supine = RowOf<SwedishParticiple>(kPerfectSupines, n.SpWord);
    if (prevWord == "haber" && supine != nullptr) {
        SetTag(s, pos, "vperf");
        // The node is the participle now, as the s-passive (se ha hecho: har gjorts) reads it.
        s.StagedWord.FormCode = fc::kParticiple;
        n.FormCode = fc::kParticiple;
        n.SvClass = wc::kVerb;
        n.SvWord = supine->swedish;
        return true;
    }
    WordFields& w = s.StagedWord;
    w.SvForm = w.SvWord;
    if (EndsWith(n.SvWord, "s")) w.FormCode = fc::kSParticiple;
    if (OneOf(w.FormCode, {fc::kParticiple, fc::kSParticiple})) SetTag(s, pos, "vadj");
    CopyStagedToNode(s, n);
    n.ClassTag = "vadj";
    return false;
}

void ReadClass23AsAdjective(TranslationState& s, WordNode& n, int pos) {
    if (const auto* form = RowOf<ParticipleAdjective>(kParticipleAdjectiveForms, n.SpWord)) {
        n.SvWord = form->swedish;
        if (form->svCode2 != kKeepCode) n.SvCode2 = static_cast<std::uint16_t>(form->svCode2);
        if (form->svCode3 != kKeepCode) n.SvCode3 = static_cast<std::uint16_t>(form->svCode3);
    }
    LookupFormEntry(s, n);
    n.SvClass = wc::kAdjective;
    SetTag(s, pos, "vadj");
}

}  // namespace

void ResolveAdoParticiples(TranslationState& s) {
    int pos = 1;
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next, ++pos) {
        const bool participle = OneOf(n->FormCode, {fc::kParticiple, fc::kSParticiple, fc::kSupine, fc::kParticiplePlural}) || n->SpClass == wc::kPerfectParticiple ||
                                (n->FormCode == fc::kAdjective && EndsWith(n->SpText, "ado"));
        if (!participle) continue;
        if (SpWordOf(n->Prev) != "haber") {
            ReadAsParticipleAdjective(s, *n, pos);
            continue;
        }
        SetTag(s, pos, "vperf");
        bool found = false;
        ReanalyseVerb(s, n->SpText, found);
        if (found) TakeStagedVerb(s, *n);
    }
}

void ResolveHaberSpecials(TranslationState& s) {
    int pos = 1;
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next, ++pos) {
        if (n->SpClass != wc::kSppva) continue;
        const auto* supine = RowOf<SwedishParticiple>(kHaberSupines, n->SpWord);
        if (SpWordOf(n->Prev) == "haber" && supine != nullptr) {
            // The node itself becomes the participle, so that "haber" before
            // it is read as the auxiliary of a perfect.
            SetTag(s, pos, "vperf");
            s.StagedWord.FormCode = fc::kParticiple;
            n->FormCode = fc::kParticiple;
            n->SpClass = wc::kPerfectParticiple;
            n->SvClass = wc::kVerb;
            n->SvWord = supine->swedish;
            n->SvForm = supine->swedish;
            return;
        }
        bool found = false;
        AnalyseEnding3(s, n->SpWord, found);
        if (found) {
            CopyStagedToNode(s, *n);
            SetTag(s, pos, "vperf");
        }
        if (IsDeterminerClass(SpClassOf(n->Prev))) return;
        const int nextClass = SpClassOf(n->Next);
        if (nextClass == wc::kNoun || Between(nextClass, wc::kNounAdjective, wc::kNounPossessive)) {
            LookupFormEntry(s, *n);
            n->SvClass = wc::kAdjective;
            SetTag(s, pos, "vadj");
        }
    }
}

void ResolveParticipleAgreement(TranslationState& s) {
    int pos = 1;
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next, ++pos) {
        const auto base = ListedParticipleBase(n->SpText);
        if (!base || !TagListedParticiple(s, *n, pos)) continue;
        bool found = false;
        ReanalyseVerb(s, Str30(*base), found);
        if (found) CopyStagedToNode(s, *n);
    }
}

void ResolvePedido(TranslationState& s) {
    int pos = 1;
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next, ++pos) {
        if (!HasFlag(n->SpCode1, kSppvaFlag) || SpWordOf(n->Prev) != "haber" || n->SpWord != "pedido") continue;
        SetTag(s, pos, "vperf");
        s.StagedWord.FormCode = fc::kParticiple;
        n->SvClass = wc::kVerb;
        n->SvWord = "bett";
    }
}

void ResolveClass23Participles(TranslationState& s) {
    int pos = 1;
    for (WordNode* n = s.WordList.Head; n != nullptr; n = n->Next, ++pos) {
        if (n->SpClass != wc::kNounAdjectiveParticiple) continue;
        bool nounUse = false;
        bool adjUse = false;
        bool verbUse = false;
        ParticipleUse(*n, pos, nounUse, adjUse, verbUse);
        if (verbUse && ReadClass23AsVerb(s, *n, pos)) return;
        if (adjUse) {
            ReadClass23AsAdjective(s, *n, pos);
            return;
        }
    }
}

}  // namespace quelvo
