#include "lexicon/key_index.h"

#include <algorithm>
#include <bit>

namespace quelvo {
namespace {

// The golden-ratio multiplier: one multiply spreads a word over all bits.
constexpr std::uint64_t kSpread = 0x9E3779B97F4A7C15ULL;
constexpr int kFold = 32;
constexpr std::size_t kMinSlots = 16;

std::uint64_t Mix(std::uint64_t h, std::uint64_t word) {
    h = (h ^ word) * kSpread;
    return h ^ (h >> kFold);
}

}  // namespace

std::uint32_t HashText(std::string_view text) {
    std::uint64_t h = Mix(0, text.size());
    std::size_t i = 0;
    for (; i + sizeof(std::uint64_t) <= text.size(); i += sizeof(std::uint64_t)) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + i, sizeof word);
        h = Mix(h, word);
    }
    if (i < text.size()) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + i, text.size() - i);
        h = Mix(h, word);
    }
    return static_cast<std::uint32_t>(h);
}

std::uint32_t HashNumber(std::int32_t number) {
    return static_cast<std::uint32_t>(Mix(0, static_cast<std::uint32_t>(number)));
}

void HashSlots::Reserve(std::size_t count) {
    const std::size_t wanted = std::bit_ceil(std::max(kMinSlots, count * kLoadDenominator / kLoadNumerator + 1));
    if (wanted <= slots_.size()) return;
    std::vector<std::uint64_t> old(wanted, kEmpty);
    old.swap(slots_);
    mask_ = slots_.size() - 1;
    for (const std::uint64_t slot : old) {
        if (slot != kEmpty) Place(slot);
    }
}

void HashSlots::Place(std::uint64_t slot) {
    std::size_t i = static_cast<std::uint32_t>(slot >> kHashShift) & mask_;
    while (slots_[i] != kEmpty) i = (i + 1) & mask_;
    slots_[i] = slot;
}

std::size_t CountLines(std::string_view bytes) {
    // A plain count into a narrow counter, which the compiler turns into vector code.
    std::uint32_t lines = 0;
    for (const char c : bytes) lines += c == '\n';
    return lines;
}

}  // namespace quelvo
