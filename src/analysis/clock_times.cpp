#include <charconv>
#include <optional>

#include "analysis/number_words.h"
#include "analysis/time_words.h"
#include "swedish/clock_time.h"

namespace quelvo {
namespace {

// A preposition before "la una", "las tres" and what it says with the time.
struct TimeLead {
    std::string_view spanish;
    std::string_view swedish;
    bool startsRange = false;  // "de las nueve a las cinco"; alone "de" is no time
};

constexpr TimeLead kTimeLeads[] = {
    {"a", "klockan "},          {"hasta", "till klockan "}, {"desde", "fr\xE5n klockan "},
    {"sobre", "runt klockan "}, {"hacia", "runt klockan "}, {"de", "fr\xE5n klockan ", true},
};

// "a" after a time that starts a range ("desde las ocho a las cuatro").
constexpr TimeLead kRangeEnd{"a", "till klockan "};
constexpr std::string_view kRangeStart = "fr\xE5n klockan ";

constexpr int kClockHours = 12;
constexpr int kDayHours = 24;
constexpr int kQuarter = 15;
constexpr int kHalf = 30;
constexpr int kHour = 60;
constexpr int kLastPast = 20;      // "tjugo över"; later minutes count from the half hour
constexpr int kLastToHalf = 40;    // "tio över halv"; later minutes count to the hour
constexpr unsigned kMinuteWords = 2;  // "y"/"menos" and the minutes
constexpr unsigned kLeadWords = 3;    // the preposition, the article, the hour

struct Hour {
    int value = 0;
    bool digits = false;  // "las 8" says the hour in digits too
};

std::string_view SpTextOf(const WordNode* word) { return word != nullptr ? word->SpText.view() : std::string_view{}; }

std::optional<Hour> HourOf(const WordNode* word) {
    const auto value = SpanishNumberValue(SpTextOf(word));
    if (!value || *value < 1) return std::nullopt;
    const bool digits = word->SpText.at1(1) >= '0' && word->SpText.at1(1) <= '9';
    if (*value > (digits ? kDayHours : kClockHours)) return std::nullopt;
    return Hour{*value, digits};
}

bool IsHourArticle(const WordNode* word) { return SpTextOf(word) == "la" || SpTextOf(word) == "las"; }

struct Minutes {
    int value = 0;           // negative before the hour
    unsigned words = 0;      // "y", "cuarto"; "y", "cuarenta", "y", "cinco"
};

constexpr int kTen = 10;

// "cuarenta y cinco": a round ten from thirty on, "y" and a unit.
int UnitAfterTens(const WordNode* tens, int value) {
    if (value < kHalf || value % kTen != 0 || tens->Next == nullptr || tens->Next->SpText != "y") return 0;
    const auto unit = SpanishNumberValue(SpTextOf(tens->Next->Next));
    return unit && *unit >= 1 && *unit < kTen ? *unit : 0;
}

// The minutes after the hour: "y cuarto" is 15, "y media" 30, "menos diez" -10.
std::optional<Minutes> MinutesAfter(const WordNode* hour) {
    const WordNode* sign = hour->Next;
    if (sign == nullptr || sign->Next == nullptr) return std::nullopt;
    const bool past = sign->SpText == "y";
    if (!past && sign->SpText != "menos") return std::nullopt;
    const std::string_view word = sign->Next->SpText;
    std::optional<int> value;
    if (word == "cuarto") value = kQuarter;
    else if (word == "media" && past) value = kHalf;
    else value = SpanishNumberValue(word);
    if (!value || *value < 1) return std::nullopt;
    Minutes minutes{*value, kMinuteWords};
    if (const int unit = UnitAfterTens(sign->Next, *value); unit > 0) {
        minutes.value += unit;
        minutes.words += kMinuteWords;
    }
    if (minutes.value >= kHour) return std::nullopt;
    if (!past) minutes.value = -minutes.value;
    return minutes;
}

// The word after the hour and its minutes.
const WordNode* WordAfter(const WordNode* hour, const std::optional<Minutes>& minutes) {
    const WordNode* word = hour->Next;
    for (unsigned k = 0; minutes && k < minutes->words && word != nullptr; ++k) word = word->Next;
    return word;
}

Str30 HourText(int value, bool digits) {
    if (!digits) return SwedishCardinal(value);
    char text[3]{};
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return Str30(std::string_view(text, static_cast<std::size_t>(end - text)));
}

Str30 MinutesText(int minutes) { return minutes == kQuarter ? Str30("kvart") : SwedishCardinal(minutes); }

// Swedish counts minutes past the hour up to twenty, then to and past the
// half hour ("fem i halv fyra", "tio över halv fyra"), then to the next hour.
Str30 ClockText(const Hour& hour, int minutes) {
    const int cycle = hour.digits ? kDayHours : kClockHours;
    const Str30 now = HourText(hour.value, hour.digits);
    const Str30 next = HourText(hour.value % cycle + 1, hour.digits);
    if (minutes == 0) return now;
    if (minutes < 0) return MinutesText(-minutes) + " i " + now;
    if (minutes <= kLastPast) return MinutesText(minutes) + " \xF6ver " + now;
    if (minutes == kHalf) return Str30("halv ") + next;
    if (minutes < kHalf) return MinutesText(kHalf - minutes) + " i halv " + next;
    if (minutes < kLastToHalf) return MinutesText(minutes - kHalf) + " \xF6ver halv " + next;
    return MinutesText(kHour - minutes) + " i " + next;
}

const TimeLead* LeadOf(const WordNode& word) {
    const bool rangeEnd = word.Prev != nullptr && word.Prev->SvWord.view().starts_with(kRangeStart);
    if (rangeEnd && word.SpText == kRangeEnd.spanish) return &kRangeEnd;
    for (const auto& lead : kTimeLeads)
        if (word.SpText == lead.spanish) return &lead;
    return nullptr;
}

// "a las cinco" closing "de las nueve a las cinco".
bool StartsRangeEnd(const WordNode* word) {
    return SpTextOf(word) == "a" && IsHourArticle(word->Next) && HourOf(word->Next->Next).has_value();
}

// "a las tres y media": the preposition, the article, the hour and the minutes.
unsigned ReadLeadTime(WordNode& node, const TimeLead& lead) {
    const WordNode* hourWord = node.Next != nullptr && IsHourArticle(node.Next) ? node.Next->Next : nullptr;
    const auto hour = HourOf(hourWord);
    if (!hour) return 0;
    const auto minutes = MinutesAfter(hourWord);
    const WordNode* after = WordAfter(hourWord, minutes);
    if (!EndsTheTime(after) || (lead.startsRange && !StartsRangeEnd(after))) return 0;
    const unsigned words = kLeadWords + (minutes ? minutes->words : 0);
    TakeTimeWords(node, words, Str30(lead.swedish) + ClockText(*hour, minutes ? minutes->value : 0));
    return words;
}

}  // namespace

// With a preposition the whole time is one word. Without one ("son las tres
// y cuarto") the minutes join the hour, which stays the number "ser" tells
// the time with.
unsigned ReadClockTime(WordNode& node) {
    if (const TimeLead* lead = LeadOf(node)) return ReadLeadTime(node, *lead);
    const auto hour = HourOf(&node);
    if (!hour || !IsHourArticle(node.Prev)) return 0;
    const auto minutes = MinutesAfter(&node);
    if (!minutes || !EndsTheTime(WordAfter(&node, minutes))) return 0;
    node.SvWord = ClockText(*hour, minutes->value);
    node.SvForm = node.SvWord;
    return 1 + minutes->words;
}

}  // namespace quelvo
