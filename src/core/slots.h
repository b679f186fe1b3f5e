#pragma once
// A per-word array indexed from 1. Reads outside the sized range give the
// empty value and writes there are dropped, so no rule can run off its end.
#include <cstddef>
#include <vector>

namespace quelvo {

template <typename T>
class Slots {
public:
    void Resize(int count) { items_.resize(count > 0 ? static_cast<std::size_t>(count) + 1 : 1); }
    void Clear() { items_.assign(1, T{}); }
    int Size() const { return items_.empty() ? 0 : static_cast<int>(items_.size()) - 1; }
    T Get(int pos) const { return InRange(pos) ? items_[static_cast<std::size_t>(pos)] : T{}; }
    void Set(int pos, const T& value) {
        if (InRange(pos)) items_[static_cast<std::size_t>(pos)] = value;
    }

private:
    bool InRange(int pos) const { return pos >= 1 && pos <= Size(); }
    std::vector<T> items_ = std::vector<T>(1);
};

}  // namespace quelvo
