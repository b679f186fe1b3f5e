#include "analysis/number_words.h"
#include "analysis/time_words.h"

namespace quelvo {
namespace {

constexpr int kLastDay = 31;
constexpr std::size_t kYearDigits = 4;
constexpr unsigned kDateWords = 3;  // the day, "de", the month
constexpr unsigned kYearWords = 2;  // "de", the year

bool IsDigits(std::string_view text) { return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos; }

std::string_view SpTextOf(const WordNode* word) { return word != nullptr ? word->SpText.view() : std::string_view{}; }

// "de 2020" after the month.
bool IsYearAfter(const WordNode* month) {
    const WordNode* of = month->Next;
    return SpTextOf(of) == "de" && IsDigits(SpTextOf(of->Next)) && of->Next->SpText.size() == kYearDigits;
}

}  // namespace

// "el quince de junio" is "den femtonde juni", "el 3 de mayo" "den 3 maj";
// a year follows the month ("de 2020": "2020"). The article may be missing.
unsigned ReadDate(WordNode& node) {
    const bool article = node.SpText == "el";
    const WordNode* day = article ? node.Next : &node;
    // "el día 3 de mayo" says the same.
    const bool dayWord = article && SpTextOf(day) == "d\xED" "a";
    if (dayWord) day = day->Next;
    const auto value = SpanishNumberValue(SpTextOf(day));
    if (!value || *value < 1 || *value > kLastDay) return 0;
    const WordNode* of = day->Next;
    if (SpTextOf(of) != "de" || of->Next == nullptr) return 0;
    const WordNode* monthWord = of->Next;
    const auto month = SpanishMonth(monthWord->SpWord);
    if (!month) return 0;
    Str30 text("den ");
    text += IsDigits(day->SpText) ? Str30(day->SpText) : SwedishOrdinal(*value);
    text += ' ';
    text += SwedishMonth(*month);
    unsigned words = kDateWords + (article ? 1 : 0) + (dayWord ? 1 : 0);
    if (IsYearAfter(monthWord)) {
        text += ' ';
        text += monthWord->Next->Next->SpText;
        words += kYearWords;
    }
    TakeTimeWords(node, words, text);
    return words;
}

}  // namespace quelvo
