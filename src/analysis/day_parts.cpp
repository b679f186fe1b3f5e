#include "analysis/time_words.h"

#include "core/weekdays.h"

namespace quelvo {
namespace {

// A part of the day after "por la" and how Swedish names it after a day.
struct DayPart {
    std::string_view spanish;
    std::string_view swedish;
};

constexpr DayPart kDayParts[] = {{"ma\xF1" "ana", " morgon"}, {"tarde", " eftermiddag"}, {"noche", " kv\xE4ll"}};

constexpr unsigned kDayPartWords = 5;  // "el", the day, "por", "la", the part

bool IsWeekday(const WordNode* word) { return word != nullptr && IsSpanishWeekday(word->SpText.view()); }

const DayPart* DayPartAfter(const WordNode* por) {
    if (por == nullptr || por->SpText != "por" || por->Next == nullptr || por->Next->SpText != "la") return nullptr;
    const WordNode* part = por->Next->Next;
    for (const auto& row : kDayParts)
        if (part != nullptr && part->SpText == row.spanish) return &row;
    return nullptr;
}

}  // namespace

// "el martes por la mañana" is "på tisdag morgon": one time, not a day and
// a part of the day of its own.
unsigned ReadDayPart(WordNode& node) {
    const WordNode* day = node.Next;
    if (node.SpText != "el" || !IsWeekday(day)) return 0;
    const DayPart* part = DayPartAfter(day->Next);
    if (part == nullptr) return 0;
    Str30 text("p\xE5 ");
    text += day->SvWord;
    text += part->swedish;
    TakeTimeWords(node, kDayPartWords, text);
    return kDayPartWords;
}

}  // namespace quelvo
