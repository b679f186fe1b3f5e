#include "analysis/time_words.h"

#include "core/form_codes.h"
#include "core/word_classes.h"

namespace quelvo {

unsigned ReadTimeWords(WordNode& node) {
    for (const auto reader : {ReadClockTime, ReadDate, ReadDayPart})
        if (const unsigned words = reader(node); words > 0) return words;
    return 0;
}

void TakeTimeWords(WordNode& node, unsigned words, std::string_view swedish) {
    Str30 spanish = node.SpText;
    const WordNode* next = node.Next;
    for (unsigned k = 1; k < words && next != nullptr; ++k, next = next->Next) {
        spanish += ' ';
        spanish += next->SpText;
    }
    node.SpWord = spanish;
    node.SvWord = swedish;
    node.SvForm = swedish;
    node.SpClass = wc::kAdvx;
    node.SvClass = wc::kAdvx;
    node.SvCode2 = 0;
    node.FormCode = fc::kSingular;
}

}  // namespace quelvo
