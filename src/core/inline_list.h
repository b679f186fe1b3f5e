#pragma once
// A short list of fixed capacity that can live inside a constexpr table row.
// Items past the capacity are not kept; the list remembers that it
// overflowed, and the owner of the table decides what that means (the
// tables of the system assert at compile time that none did).
#include <array>
#include <cstddef>
#include <initializer_list>

namespace quelvo {

template <typename T, std::size_t N>
class InlineList {
public:
    constexpr InlineList() = default;
    constexpr InlineList(std::initializer_list<T> items) {
        for (const T& item : items) Add(item);
    }
    // Appends `item`; false, and the list marked overflowed, when it is full.
    constexpr bool Add(const T& item) {
        if (count_ == N) {
            overflowed_ = true;
            return false;
        }
        items_[count_++] = item;
        return true;
    }
    constexpr bool Overflowed() const { return overflowed_; }
    constexpr const T* begin() const { return items_.data(); }
    constexpr const T* end() const { return items_.data() + count_; }
    constexpr std::size_t size() const { return count_; }
    constexpr const T& operator[](std::size_t i) const { return items_[i]; }

private:
    std::array<T, N> items_{};
    std::size_t count_ = 0;
    bool overflowed_ = false;
};

}  // namespace quelvo
