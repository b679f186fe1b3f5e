#include "core/text_codec.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace quelvo {
namespace {

// One iconv conversion descriptor, closed when the conversion ends.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv has no code page 1252");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in`; a sequence that cannot be converted is skipped (its
    // first byte, or the whole character when it is valid UTF-8) and becomes
    // `replacement`. Returns whether any replacement was made.
    bool Run(std::string_view in, std::string& out, std::string_view replacement, bool skipWholeUtf8) {
        bool replaced = false;
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char buffer[256];
        while (srcLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (rc != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
            const std::size_t skip = skipWholeUtf8 ? Utf8Length(src, srcLeft) : 1;
            src += skip;
            srcLeft -= skip;
            out += replacement;
            replaced = true;
        }
        return replaced;
    }

private:
    static std::size_t Utf8Length(const char* p, std::size_t left) {
        const auto lead = static_cast<unsigned char>(*p);
        std::size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        if (n > left) n = left;
        for (std::size_t i = 1; i < n; ++i)
            if ((static_cast<unsigned char>(p[i]) & 0xC0) != 0x80) return i;
        return n;
    }
    iconv_t cd_;
};

}  // namespace

Cp1252Text ToCp1252(std::string_view utf8) {
    Cp1252Text result;
    Converter converter("CP1252", "UTF-8");
    // "_" rather than "?": a "?" would end the segment and be read as a question.
    result.replaced = converter.Run(utf8, result.bytes, "_", true);
    return result;
}

std::string ToUtf8(std::string_view cp1252) {
    std::string out;
    Converter converter("UTF-8", "CP1252");
    converter.Run(cp1252, out, "?", false);
    return out;
}

}  // namespace quelvo
