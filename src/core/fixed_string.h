#pragma once
// Length-counted single-byte strings (code page 1252) with a fixed capacity.
// Assigning or appending past the capacity keeps the first characters.
#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace quelvo {

template <std::size_t N>
class FixedString {
public:
    static constexpr std::size_t kCapacity = N;

    constexpr FixedString() = default;
    constexpr FixedString(std::string_view text) { assign(text); }
    constexpr FixedString(const char* text) { assign(std::string_view(text)); }
    template <std::size_t M>
    constexpr FixedString(const FixedString<M>& other) { assign(other.view()); }

    constexpr void assign(std::string_view text) {
        len_ = static_cast<unsigned char>(std::min(text.size(), N));
        std::copy_n(text.data(), len_, data_.data());
    }
    constexpr FixedString& operator=(std::string_view text) {
        assign(text);
        return *this;
    }
    template <std::size_t M>
    constexpr FixedString& operator=(const FixedString<M>& other) {
        assign(other.view());
        return *this;
    }
    constexpr FixedString& operator=(const char* text) {
        assign(std::string_view(text));
        return *this;
    }
    constexpr FixedString& operator+=(std::string_view text) {
        const std::size_t room = N - len_;
        const std::size_t n = std::min(room, text.size());
        std::copy_n(text.data(), n, data_.data() + len_);
        len_ = static_cast<unsigned char>(len_ + n);
        return *this;
    }
    constexpr FixedString& operator+=(char c) { return *this += std::string_view(&c, 1); }

    constexpr std::string_view view() const { return {data_.data(), len_}; }
    constexpr operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }
    constexpr std::size_t size() const { return len_; }
    constexpr bool empty() const { return len_ == 0; }
    constexpr void clear() { len_ = 0; }
    // 1-based access as the rules count characters; 0 outside the text.
    constexpr char at1(std::size_t pos) const { return pos >= 1 && pos <= len_ ? data_[pos - 1] : '\0'; }
    constexpr char& front() { return data_[0]; }
    constexpr char back() const { return len_ ? data_[len_ - 1] : '\0'; }

    friend constexpr bool operator==(const FixedString& a, std::string_view b) { return a.view() == b; }
    template <std::size_t M>
    friend constexpr bool operator==(const FixedString& a, const FixedString<M>& b) {
        return a.view() == b.view();
    }

private:
    static_assert(N < 256, "length is counted in one byte");
    std::array<char, N> data_{};
    unsigned char len_ = 0;
};

template <std::size_t N>
FixedString<N> operator+(const FixedString<N>& a, std::string_view b) {
    FixedString<N> r = a;
    r += b;
    return r;
}

using Str6 = FixedString<6>;
using Str8 = FixedString<8>;
using Str10 = FixedString<10>;
using Str15 = FixedString<15>;
using Str16 = FixedString<16>;
using Str20 = FixedString<20>;
using Str30 = FixedString<30>;

}  // namespace quelvo
