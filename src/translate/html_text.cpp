#include "translate/html_text.h"

#include <algorithm>
#include <array>
#include <span>

namespace quelvo {
namespace {

struct Entity {
    std::string_view reference;
    std::string_view text;
};

constexpr std::array<Entity, 7> kEntities{{
    {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&apos;", "'"}, {"&nbsp;", " "},
}};

// Elements whose content is not text to translate.
constexpr std::array<std::string_view, 2> kRawElements{"script", "style"};

std::string Decoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Entity* found = nullptr;
        for (const Entity& e : kEntities)
            if (text.substr(i).starts_with(e.reference)) found = &e;
        out += found != nullptr ? found->text : text.substr(i, 1);
        if (found != nullptr) i += found->reference.size() - 1;
    }
    return out;
}

// "&", "<" and ">" as references; the rest as it is.
std::string Encoded(std::string_view text) {
    std::string out;
    for (const char c : text) {
        std::string_view piece(&c, 1);
        for (const Entity& e : std::span(kEntities).first(3))
            if (e.text == piece) piece = e.reference;
        out += piece;
    }
    return out;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if ((text[i] | ' ') != prefix[i]) return false;
    return true;
}

std::size_t EndOf(std::string_view html, std::size_t from, std::string_view closing) {
    const std::size_t at = html.find(closing, from);
    return at == std::string_view::npos ? html.size() : at + closing.size();
}

// Where the tag or comment that starts at `pos` ends; a script or style
// element is taken whole.
std::size_t MarkupEnd(std::string_view html, std::size_t pos) {
    if (html.substr(pos).starts_with("<!--")) return EndOf(html, pos, "-->");
    const std::size_t end = EndOf(html, pos, ">");
    for (const std::string_view name : kRawElements) {
        if (!StartsWithNoCase(html.substr(pos + 1), name)) continue;
        std::size_t close = end;
        while (close < html.size() && !StartsWithNoCase(html.substr(close), "</" + std::string(name))) ++close;
        return EndOf(html, close, ">");
    }
    return end;
}

}  // namespace

std::string TranslateHtmlText(std::string_view html, const TextFunction& translate) {
    std::string out;
    std::size_t pos = 0;
    while (pos < html.size()) {
        const bool markup = html[pos] == '<';
        const std::size_t end = markup ? MarkupEnd(html, pos) : std::min(html.find('<', pos), html.size());
        const std::string_view piece = html.substr(pos, end - pos);
        out += markup ? std::string(piece) : Encoded(translate(Decoded(piece)));
        pos = end;
    }
    return out;
}

}  // namespace quelvo
