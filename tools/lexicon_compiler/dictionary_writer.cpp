#include "dictionary_writer.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

#include "builder_steps.h"
#include "dictionary_files.h"

namespace quelvo::lexc {
namespace {

constexpr char kTextEnd[] = {kEndMark, kLineEnd[0], kLineEnd[1], '\0'};
constexpr char kPhraseTextEnd[] = {kPhraseFileEnd, kLineEnd[0], kLineEnd[1], '\0'};  // alone, the empty phrase file
static_assert(kLineEnd.size() == 2);

template <typename... Fields>
std::string Joined(char separator, const Fields&... fields) {
    std::string line;
    ((line += fields, line += separator), ...);
    line.pop_back();
    return line;
}

std::string Number(int value) { return std::to_string(value); }

std::string SpanishFile(const LexiconModel& model) {
    std::string out;
    int label = 0;
    for (const SpanishForm& f : model.spanishForms)
        out += Joined('\t', Number(++label), f.form, Number(f.entryNumber), Number(f.codes[0]), Number(f.codes[1]),
                      Number(f.codes[2])) +
               std::string(kLineEnd);
    return out + std::string(kTextEnd);
}

std::string SwedishFile(const LexiconModel& model) {
    std::string out;
    for (const SwedishEntry& e : model.entries)
        out += Joined('\t', Number(e.number), e.word, Number(e.codes[0]), Number(e.codes[1]), Number(e.codes[2]),
                      Number(e.codes[3])) +
               std::string(kLineEnd);
    return out + std::string(kTextEnd);
}

std::string FormEntryFile(const LexiconModel& model) {
    std::string out;
    for (const FormEntry& f : model.formEntries)
        out += Joined('\t', f.form, Number(f.entryNumber)) + std::string(kLineEnd);
    return out + std::string(kTextEnd);
}

std::string FirstWord(const std::string& phrase) { return phrase.substr(0, phrase.find(' ')); }

// Sections by first word, in the order the first words appear; records in
// file order within a section. The first character is the marker "+".
std::string PhraseFile(const LexiconModel& model) {
    std::vector<std::string> keys;
    for (const Phrase& p : model.phrases)
        if (std::ranges::find(keys, FirstWord(p.spanish)) == keys.end()) keys.push_back(FirstWord(p.spanish));
    std::string out;
    for (const std::string& key : keys) {
        out.append(1, kSectionMark).append(key).append(1, kSectionKeyEnd).append(kLineEnd);
        bool first = true;
        for (const Phrase& p : model.phrases) {
            if (FirstWord(p.spanish) != key) continue;
            if (!first) out.append(1, kRecordSeparator).append(kLineEnd);
            out += Joined(kPhraseFieldEnd, p.spanish, p.swedish, p.classWord, Number(p.number));
            first = false;
        }
        out.append(1, kSectionEnd).append(kLineEnd);
    }
    return out.append(kPhraseTextEnd);
}

std::string VerbFormFile(const LexiconModel& model) {
    std::string out;
    for (const VerbFormLine& v : model.verbForms) {
        out += v.infinitive + "," + Number(v.formCode);
        for (const std::string& form : v.forms) out += "," + form;
        out += kLineEnd;
    }
    return out + std::string(kTextEnd);
}

// A length byte, the characters, zeros up to the capacity.
void AppendRecordString(std::string& out, const std::string& text, std::size_t capacity) {
    out += static_cast<char>(text.size());
    out += text;
    out.append(capacity - text.size(), '\0');
}

template <std::size_t N>
std::string RecordFile(std::span<const FormRecord<N>> records, const std::array<std::size_t, N>& capacities,
                       std::size_t padding) {
    std::string out;
    for (const FormRecord<N>& r : records) {
        for (std::size_t i = 0; i < N; ++i) AppendRecordString(out, r.forms[i], capacities[i]);
        out.append(padding, '\0');
    }
    return out;
}

}  // namespace

std::vector<CompiledFile> WriteDictionaries(const LexiconModel& model) {
    return {
        {std::string(kSpanishFile.output), SpanishFile(model)},
        {std::string(kSwedishFile.output), SwedishFile(model)},
        {std::string(kFormEntryFile.output), FormEntryFile(model)},
        {std::string(kPhraseFile.output), PhraseFile(model)},
        {std::string(kVerbFormFile.output), VerbFormFile(model)},
        {std::string(kIrregularVerbFile.output),
         RecordFile(std::span<const IrregularVerb>(model.irregularVerbs), kIrregularVerbChars, kIrregularVerbPadding)},
        {std::string(kIrregularNounFile.output),
         RecordFile(std::span<const IrregularNoun>(model.irregularNouns), kIrregularNounChars, kIrregularNounPadding)},
    };
}

}  // namespace quelvo::lexc
