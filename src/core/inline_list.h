#pragma once
// A short list of fixed capacity that can live inside a constexpr table row.
#include <array>
#include <cstddef>
#include <initializer_list>

namespace quelvo {

template <typename T, std::size_t N>
class InlineList {
public:
    constexpr InlineList() = default;
    constexpr InlineList(std::initializer_list<T> items) {
        for (const T& item : items) {
            if (count_ < N) items_[count_++] = item;
        }
    }
    constexpr const T* begin() const { return items_.data(); }
    constexpr const T* end() const { return items_.data() + count_; }
    constexpr std::size_t size() const { return count_; }
    constexpr const T& operator[](std::size_t i) const { return items_[i]; }

private:
    std::array<T, N> items_{};
    std::size_t count_ = 0;
};

}  // namespace quelvo
