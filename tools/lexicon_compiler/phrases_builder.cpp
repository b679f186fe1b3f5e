// The multi-word expressions of "FrasText.txt".
#include <algorithm>

#include "builder_steps.h"
#include "code_fields.h"
#include "dictionary_files.h"

namespace quelvo::lexc {
namespace {

enum PhraseColumn { kSpanish, kSwedish, kClass, kGender, kDeclension, kAdjective };
constexpr ColumnSpec kPhraseColumns[] = {{"spanish", true}, {"swedish", true},     {"class", true},
                                         {"gender", false}, {"declension", false}, {"adjective", false}};

// Characters that separate the parts of the phrase file.
constexpr std::string_view kReserved = kPhraseMarks;

constexpr std::uint16_t kPhraseStartBit = 1U << 6;

std::string FirstWord(std::string_view phrase) { return std::string(phrase.substr(0, phrase.find(' '))); }

bool IsWordPrefix(std::string_view shorter, std::string_view longer) {
    return longer.size() > shorter.size() && longer.starts_with(shorter) && longer[shorter.size()] == ' ';
}

bool HasContraction(std::string_view phrase) {
    const std::string padded = std::string(1, ' ').append(phrase).append(1, ' ');
    return padded.find(" al ") != std::string::npos || padded.find(" del ") != std::string::npos;
}

void WarnAboutReachability(const RowContext& at, const LexiconModel& model, const std::string& spanish) {
    const std::string first = FirstWord(spanish);
    const auto start = std::ranges::find(model.spanishForms, first, &SpanishForm::form);
    if (start == model.spanishForms.end() || (start->codes[0] & kPhraseStartBit) == 0)
        at.Warning("the first word " + Quoted(first) +
                   " is not a form of spanish.tsv with the flag \"phrase-start\"; the phrase is never found");
    if (HasContraction(spanish))
        at.Warning("\"al\" and \"del\" never reach the phrase search; write \"a el\", \"de el\"");
    for (const Phrase& earlier : model.phrases)
        if (IsWordPrefix(earlier.spanish, spanish))
            at.Warning("never found: the shorter phrase on line " + std::to_string(earlier.line) + " matches first");
}

}  // namespace

void ReadPhrases(std::string_view text, LexiconModel& model, Diagnostics& diagnostics) {
    const std::string_view file = kPhraseFile.source;
    for (const SourceRow& row : ReadSourceTable(file, text, kPhraseColumns, diagnostics)) {
        const RowContext at = ContextOf(file, row, diagnostics);
        const auto& f = row.fields;
        const std::optional<std::string> spanish = FieldText(at, "spanish", f[kSpanish], kPhraseFieldChars, kReserved);
        const std::optional<std::string> swedish = FieldText(at, "swedish", f[kSwedish], kPhraseFieldChars, kReserved);
        const std::optional<std::uint16_t> number = NounAdjectiveCode(at, f[kGender], f[kDeclension], f[kAdjective]);
        const bool classKnown = IsPhraseClassWord(f[kClass]);
        if (!classKnown) at.Error("unknown phrase class " + Quoted(f[kClass]));
        if (!spanish || !swedish || !number || !classKnown) continue;
        if (spanish->find("  ") != std::string::npos) {
            at.Error("the words of " + Quoted(f[kSpanish]) + " must be separated by single blanks");
            continue;
        }
        if (std::ranges::find(model.phrases, *spanish, &Phrase::spanish) != model.phrases.end()) {
            at.Error("the phrase " + Quoted(f[kSpanish]) + " is listed twice; only the first is ever found");
            continue;
        }
        WarnAboutReachability(at, model, *spanish);
        model.phrases.push_back({row.line, *spanish, *swedish, f[kClass], *number});
    }
}

}  // namespace quelvo::lexc
