#pragma once
#include <string>

#include "quelvo/translator.h"

// `quelvo --text [FILE]`: a whole text, from FILE or standard input, to standard output.
struct TextModeOptions {
    std::string file;            // empty: standard input
    std::string format = "text";  // "text" or "html"
};

// The exit status: 0 all translated, 1 a sentence kept in Spanish, 2 FILE unreadable.
int RunTextMode(const quelvo::Translator& translator, const TextModeOptions& options);
