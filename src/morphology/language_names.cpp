#include "morphology/language_names.h"

#include "lexicon/dictionary_format.h"
#include "morphology/class_tests.h"
#include "morphology/staging.h"

namespace quelvo {
namespace {

// A common-gender noun of declension class 1 ("flicka"), whose indefinite
// singular is the word itself: a language name in "-a".
constexpr std::uint16_t kLanguageNounCode = (2u << 11) | 1u;
constexpr std::string_view kNationalityEnding = "sk";

bool OpensLanguagePosition(const WordNode& prev) {
    if (prev.SpWord == "en") return true;
    if (OneOf(prev.SpWord.view(), {"ser", "estar"})) return false;
    return IsVerbClass(prev.SpClass) || OneOf(prev.SpClass, {wc::kInfinitive, wc::kAuxiliary}) ||
           prev.SvClass == wc::kVerb;
}

bool IsLanguageName(const WordNode* w) {
    return w != nullptr && w->SvClass == wc::kNoun && w->SvCode2 == kLanguageNounCode;
}

// "hablo inglés y francés": the second of two joined words names a language too.
bool FollowsLanguageName(const WordNode& prev) {
    return OneOf(prev.SpWord.view(), {"y", "o"}) && IsLanguageName(prev.Prev);
}

bool StandsAlone(const WordNode& w) {
    const bool opened = w.Prev != nullptr && (OpensLanguagePosition(*w.Prev) || FollowsLanguageName(*w.Prev));
    return opened && (w.Next == nullptr || w.Next->SpClass != wc::kNoun);
}

}  // namespace

void ResolveLanguageNames(TranslationState& s) {
    for (WordNode* w = s.WordList.Head; w != nullptr; w = w->Next) {
        if (w->SpClass != wc::kNounAdjective || !StandsAlone(*w) || !LookupFormEntryFound(s, *w)) continue;
        const std::string_view adjective = s.StagedWord.SvWord.view();
        if (!adjective.ends_with(kNationalityEnding)) continue;
        Str30 language(adjective);
        language += 'a';
        w->SvWord = language;
        w->SvForm = language;
        w->SvClass = wc::kNoun;
        w->SvCode2 = kLanguageNounCode;
        w->Gender = 'n';
        // "en español": "på spanska".
        w->SvCode3 |= kOnPlaceFlag.bits;
    }
}

}  // namespace quelvo
