#include "lexicon/verb_forms.h"

#include <algorithm>
#include <optional>

#include "core/form_codes.h"
#include "lexicon/field_reading.h"
#include "lexicon/lexicon.h"
#include "lexicon/lookups.h"

namespace quelvo {
namespace {

// The forms of a line are read into Str30.
static_assert(Str30::kCapacity == kVerbFormChars);

// The participle lines hold forms without a person.
constexpr std::int32_t kImpersonalFormCode = fc::kParticiple;

// Reads the comma-separated lines up to the "!" that starts a line or the
// end of the file. A line that ends before its form code, or whose end is
// not CR LF, is a fault: read on, it would corrupt the infinitive of the next.
// So are a form code that is not a number and a form past the sixth person.
class VerbLineReader {
public:
    explicit VerbLineReader(std::string_view bytes) : bytes_(bytes) {}

    // Reads one line, calling `onForm` for each of its forms; false at the end.
    template <typename OnForm>
    bool NextLine(OnForm onForm) {
        lineStart_ = pos_;
        const auto infinitive = ReadHead(true);
        if (!infinitive) return false;
        const auto formCode = ReadHead(false);
        if (!formCode) return false;
        if (!IsNumber(formCode->view())) return FailLine("the form code is not a number");
        const std::int32_t code = ReadNumber(formCode->view());
        for (std::int32_t position = 1;; ++position) {
            if (position > static_cast<std::int32_t>(kMaxVerbForms)) {
                return FailLine("the line has more than its " + std::to_string(kMaxVerbForms) + " forms");
            }
            const std::size_t start = pos_;
            while (pos_ < bytes_.size() && bytes_[pos_] != ',' && bytes_[pos_] != kCr) {
                if (bytes_[pos_] == kLf) return Fail("the line ends in LF without CR");
                ++pos_;
            }
            onForm(VerbForm{*infinitive, code, position}, bytes_.substr(start, pos_ - start));
            if (pos_ == bytes_.size()) return false;
            if (bytes_[pos_++] == kCr) return EndLine();
        }
    }
    const std::optional<FileFault>& Fault() const { return fault_; }

private:
    // The infinitive or the form code, up to its ",".
    std::optional<Str30> ReadHead(bool infinitive) {
        const std::size_t start = pos_;
        for (; pos_ < bytes_.size() && bytes_[pos_] != ','; ++pos_) {
            if (infinitive && bytes_[pos_] == kEndMark) return std::nullopt;
            if (bytes_[pos_] == kCr || bytes_[pos_] == kLf) {
                Fail(infinitive ? "the line holds no \",\"" : "the line ends before its forms");
                return std::nullopt;
            }
        }
        if (pos_ == bytes_.size()) return std::nullopt;
        return Str30(bytes_.substr(start, pos_++ - start));
    }

    // After the CR: the LF, or the "!" that ends the file.
    bool EndLine() {
        if (pos_ == bytes_.size() || bytes_[pos_] == kEndMark) return false;
        if (bytes_[pos_] != kLf) return Fail("the line ends in CR without LF");
        ++pos_;
        return true;
    }

    bool Fail(std::string reason) {
        fault_ = FaultInLine(bytes_, lineStart_, pos_, std::move(reason));
        return false;
    }

    // A fault of the whole line, shown up to its end.
    bool FailLine(std::string reason) {
        pos_ = std::min(bytes_.find_first_of("\r\n", pos_), bytes_.size());
        return Fail(std::move(reason));
    }

    std::string_view bytes_;
    std::size_t pos_ = 0;
    std::size_t lineStart_ = 0;
    std::optional<FileFault> fault_;
};

}  // namespace

std::variant<VerbFormFile, FileFault> VerbFormFile::Read(std::string_view bytes) {
    VerbFormFile file;
    // Every form of a line follows a ",".
    file.forms_.Reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), ',')));
    VerbLineReader reader(bytes);
    const auto keepFirst = [&file](const VerbForm& form, std::string_view text) {
        file.forms_.Add(Str30(text).view(), form);
    };
    while (reader.NextLine(keepFirst)) {
    }
    if (reader.Fault()) return *reader.Fault();
    return file;
}

void LookupVerbForm(TranslationState& s, Str30& word, bool& found, int& formCode) {
    const VerbForm* form = s.Dict.VerbForms().Find(word);
    if (form == nullptr) return;
    word = form->Infinitive;
    formCode = form->FormCode;
    found = true;
    s.StagedWord.PersonNo = form->FormCode == kImpersonalFormCode ? 0 : form->Position;
}

}  // namespace quelvo
