#pragma once
// Helpers shared by the tests: text in UTF-8 on the test side, code page 1252
// inside the engine.
#include <string>
#include <vector>

#include "core/text_codec.h"
#include "core/translation_state.h"

namespace quelvo::testing_support {

inline std::string Cp(const std::string& utf8) { return ToCp1252(utf8).bytes; }
inline std::string Utf(std::string_view cp) { return ToUtf8(cp); }

inline std::vector<std::string> TokenTexts(const TranslationState& s) {
    std::vector<std::string> out;
    for (const TextNode* t = s.TokenList.Head; t != nullptr; t = t->Next) out.push_back(ToUtf8(t->Text));
    return out;
}

inline std::vector<std::string> OutTexts(const TranslationState& s) {
    std::vector<std::string> out;
    for (const OutWordNode* n = s.OutList.Head; n != nullptr; n = n->Next) out.push_back(ToUtf8(n->SvText));
    return out;
}

}  // namespace quelvo::testing_support
