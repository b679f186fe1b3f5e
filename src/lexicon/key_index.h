#pragma once
// The hash indexes of the dictionaries: built once while a file is read, then
// only searched. The first value added under a key is the one found, as a
// scan from the first record finds it. Keys, values and slots live in a few
// flat arrays, so reading a file allocates a handful of times, not per record.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quelvo {

// A hash of a dictionary key, computed once per key.
std::uint32_t HashText(std::string_view text);
std::uint32_t HashNumber(std::int32_t number);

// Open addressing over entry numbers: each slot holds a key's hash and its
// entry number, so most probes compare no key at all.
class HashSlots {
public:
    static constexpr std::uint32_t kNone = UINT32_MAX;

    // Room for `count` entries without growing.
    void Reserve(std::size_t count);

    // The entry stored under `hash` for which `same(entry)` holds, or kNone.
    template <typename Same>
    std::uint32_t Find(std::uint32_t hash, Same same) const {
        if (slots_.empty()) return kNone;
        for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
            const std::uint64_t slot = slots_[i];
            if (slot == kEmpty) return kNone;
            const auto entry = static_cast<std::uint32_t>(slot);
            if (static_cast<std::uint32_t>(slot >> kHashShift) == hash && same(entry)) return entry;
        }
    }

    // The entry stored under `hash` for which `same(entry)` holds; without
    // one, `entry` is stored there and returned. One probe does both.
    template <typename Same>
    std::uint32_t FindOrInsert(std::uint32_t hash, std::uint32_t entry, Same same) {
        if ((count_ + 1) * kLoadDenominator > slots_.size() * kLoadNumerator) Reserve(count_ + 1);
        for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
            const std::uint64_t slot = slots_[i];
            if (slot == kEmpty) {
                slots_[i] = static_cast<std::uint64_t>(hash) << kHashShift | entry;
                ++count_;
                return entry;
            }
            const auto stored = static_cast<std::uint32_t>(slot);
            if (static_cast<std::uint32_t>(slot >> kHashShift) == hash && same(stored)) return stored;
        }
    }

private:
    static constexpr std::uint64_t kEmpty = UINT32_MAX;  // no entry number reaches it
    static constexpr int kHashShift = 32;
    // Slots are kept at most three quarters full so that probes stay short.
    static constexpr std::size_t kLoadNumerator = 3;
    static constexpr std::size_t kLoadDenominator = 4;

    void Place(std::uint64_t slot);

    std::vector<std::uint64_t> slots_;
    std::size_t mask_ = 0;
    std::size_t count_ = 0;
};

// Text keys: their characters side by side in one buffer.
class TextKeys {
public:
    using Key = std::string_view;
    struct Ref {
        std::uint32_t start;
        std::uint32_t length;
    };
    static std::uint32_t Hash(Key key) { return HashText(key); }
    Ref Store(Key key) {
        const Ref ref{static_cast<std::uint32_t>(chars_.size()), static_cast<std::uint32_t>(key.size())};
        chars_.append(key);
        return ref;
    }
    bool Equal(Ref ref, Key key) const {
        return ref.length == key.size() && std::memcmp(chars_.data() + ref.start, key.data(), key.size()) == 0;
    }

private:
    std::string chars_;
};

struct NumberKeys {
    using Key = std::int32_t;
    using Ref = std::int32_t;
    static std::uint32_t Hash(Key key) { return HashNumber(key); }
    static Ref Store(Key key) { return key; }
    static bool Equal(Ref ref, Key key) { return ref == key; }
};

template <typename Keys, typename T>
class KeyIndex {
public:
    using Key = typename Keys::Key;

    // Room for `count` keys without growing.
    void Reserve(std::size_t count) {
        slots_.Reserve(count);
        entries_.reserve(count);
    }

    // Adds `value` under `key` unless the key is there already; true when added.
    bool Add(Key key, const T& value) {
        const auto next = static_cast<std::uint32_t>(entries_.size());
        const auto same = [&](std::uint32_t entry) { return keys_.Equal(entries_[entry].key, key); };
        if (slots_.FindOrInsert(Keys::Hash(key), next, same) != next) return false;
        entries_.push_back(Entry{keys_.Store(key), value});
        return true;
    }

    const T* Find(Key key) const {
        const std::uint32_t entry = Locate(key, Keys::Hash(key));
        return entry == HashSlots::kNone ? nullptr : &entries_[entry].value;
    }
    T* Find(Key key) { return const_cast<T*>(std::as_const(*this).Find(key)); }

private:
    struct Entry {
        typename Keys::Ref key;
        T value;
    };

    std::uint32_t Locate(Key key, std::uint32_t hash) const {
        return slots_.Find(hash, [&](std::uint32_t entry) { return keys_.Equal(entries_[entry].key, key); });
    }

    HashSlots slots_;
    std::vector<Entry> entries_;
    Keys keys_;
};

template <typename T>
using TextIndex = KeyIndex<TextKeys, T>;
template <typename T>
using NumberIndex = KeyIndex<NumberKeys, T>;

// The records of a text file, counted by its line ends before they are read.
std::size_t CountLines(std::string_view bytes);

}  // namespace quelvo
