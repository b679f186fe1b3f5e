#include <optional>

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

struct Date {
    Str30 text;
    unsigned words = 0;
};

// A preposition before a date and what it says ("para el quince de junio":
// "till den femtonde juni").
struct DateLead {
    std::string_view spanish;
    std::string_view swedish;
};

constexpr DateLead kDateLeads[] = {{"para", "till "}, {"hasta", "till "}, {"desde", "fr\xE5n "}};

// "el quince de junio" is "den femtonde juni", "el 3 de mayo" "den 3 maj";
// a year follows the month ("de 2020": "2020"). The article may be missing.
std::optional<Date> DateAt(const WordNode& node) {
    const bool article = node.SpText == "el";
    const WordNode* day = article ? node.Next : &node;
    // "el día 3 de mayo" says the same.
    const bool dayWord = article && SpTextOf(day) == "d\xED" "a";
    if (dayWord) day = day->Next;
    const auto value = SpanishNumberValue(SpTextOf(day));
    if (!value || *value < 1 || *value > kLastDay) return std::nullopt;
    const WordNode* of = day->Next;
    if (SpTextOf(of) != "de" || of->Next == nullptr) return std::nullopt;
    const WordNode* monthWord = of->Next;
    const auto month = SpanishMonth(monthWord->SpWord);
    if (!month) return std::nullopt;
    Date date{"den ", kDateWords + (article ? 1 : 0) + (dayWord ? 1 : 0)};
    date.text += IsDigits(day->SpText) ? Str30(day->SpText) : SwedishOrdinal(*value);
    date.text += ' ';
    date.text += SwedishMonth(*month);
    if (IsYearAfter(monthWord)) {
        date.text += ' ';
        date.text += monthWord->Next->Next->SpText;
        date.words += kYearWords;
    }
    return date;
}

// The preposition joins the date when the whole still fits one word.
std::optional<Date> LedDateAt(const WordNode& node) {
    for (const auto& lead : kDateLeads) {
        if (node.SpText != lead.spanish || node.Next == nullptr) continue;
        const auto date = DateAt(*node.Next);
        if (!date || lead.swedish.size() + date->text.size() > Str30::kCapacity) return std::nullopt;
        return Date{Str30(lead.swedish) + date->text, date->words + 1};
    }
    return std::nullopt;
}

}  // namespace

unsigned ReadDate(WordNode& node) {
    auto date = LedDateAt(node);
    if (!date) date = DateAt(node);
    if (!date) return 0;
    TakeTimeWords(node, date->words, date->text);
    return date->words;
}

}  // namespace quelvo
