#include "lexicon/spanish_words.h"

#include <array>

#include "lexicon/dictionary_format.h"
#include "lexicon/field_reading.h"
#include "lexicon/lookups.h"
#include "lexicon/lexicon.h"
#include "lexicon/tab_records.h"

namespace quelvo {
namespace {

// Label, form, entry number, three codes.
constexpr std::array<TabField, 6> kLayout{{{kWordFieldCapacity},
                                           {kWordFieldCapacity},
                                           {kWordFieldCapacity, FieldKind::Number},
                                           {kWordFieldCapacity, FieldKind::Number},
                                           {kWordFieldCapacity, FieldKind::Number},
                                           {kWordFieldCapacity, FieldKind::Number}}};

void StageNotFound(WordFields& w) {
    w.SpWord = "Not Nound";
    w.SvWord = "Not Found";
    w.SvForm = "Not Found";
    w.SpText = "Not Found";
    w.SvKey = "Not Fo";
    w.SpCode1 = w.SpCode2 = w.SpCode3 = 0;
    w.SvCode1 = w.SvCode2 = w.SvCode3 = w.SvCode4 = 0;
    w.SpClass = w.SvClass = w.FormCode = w.PersonNo = 0;
}

}  // namespace

std::variant<SpanishWordFile, FileFault> SpanishWordFile::Read(std::string_view bytes) {
    SpanishWordFile words;
    words.forms_.Reserve(CountLines(bytes));
    auto fault = ReadTabRecords(bytes, kLayout, [&words](const TabFields& f) {
        words.forms_.Add(f[1], SpanishForm{f[2], ReadCode(f[3]), ReadCode(f[4]), ReadCode(f[5])});
    });
    if (fault) return *std::move(fault);
    return words;
}

void LookupSpanishWord(TranslationState& s, bool& found) {
    found = false;
    if (const SpanishForm* form = s.Dict.SpanishWords().Find(s.LookupWord)) {
        WordFields& w = s.StagedWord;
        w.SvKey = form->SvKey;
        w.SpCode1 = form->SpCode1;
        w.SpCode2 = form->SpCode2;
        w.SpCode3 = form->SpCode3;
        w.SpClass = ClassOfCode(form->SpCode1);
        LookupSwedishEntry(s, found);
    }
    if (!found) StageNotFound(s.StagedWord);
}

void TryLookup(TranslationState& s, bool& found) {
    bool own = false;
    LookupSpanishWord(s, own);
    if (own) found = true;
}

}  // namespace quelvo
