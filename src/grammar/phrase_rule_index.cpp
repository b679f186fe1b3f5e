#include "grammar/phrase_rule_index.h"

#include <array>

namespace quelvo {
namespace {

constexpr std::size_t kMaxTagIds = 64;

// Every tag the rules name, numbered from 1 in order of first use.
struct TagNames {
    std::array<std::string_view, kMaxTagIds> names{};
    std::size_t count = 1;

    constexpr TagId Find(std::string_view tag) const {
        for (std::size_t i = 1; i < count; ++i)
            if (names[i] == tag) return static_cast<TagId>(i);
        return kUnknownTag;
    }
};

constexpr TagNames CollectTagNames() {
    TagNames t;
    for (std::size_t r = 0; r < kGrammarRuleCount; ++r) {
        for (std::size_t j = 0; j < kMaxMembers && !PhraseGrammar[r].tags[j].empty(); ++j) {
            const std::string_view tag = PhraseGrammar[r].tags[j];
            if (t.Find(tag) == kUnknownTag) t.names[t.count++] = tag;
        }
    }
    return t;
}

constexpr TagNames kTagNames = CollectTagNames();

// The rules as rows of tag numbers, and their slots grouped by first tag.
struct RuleIndex {
    std::array<std::array<TagId, kMaxMembers>, kGrammarRuleCount> tags{};
    std::array<std::uint8_t, kGrammarRuleCount> length{};
    std::array<std::uint16_t, kGrammarRuleCount> byFirstTag{};  // rule slots, in rule order within a tag
    std::array<std::uint16_t, kMaxTagIds + 1> start{};        // tag t's rules: byFirstTag[start[t]..start[t+1])
};

constexpr RuleIndex BuildRuleIndex() {
    RuleIndex x;
    for (std::size_t r = 0; r < kGrammarRuleCount; ++r) {
        const GrammarRule& rule = PhraseGrammar[r];
        while (x.length[r] < kMaxMembers && !rule.tags[x.length[r]].empty()) {
            x.tags[r][x.length[r]] = kTagNames.Find(rule.tags[x.length[r]]);
            ++x.length[r];
        }
        ++x.start[x.tags[r][0] + 1u];
    }
    for (std::size_t t = 1; t <= kMaxTagIds; ++t) x.start[t] += x.start[t - 1];
    auto next = x.start;
    for (std::size_t r = 0; r < kGrammarRuleCount; ++r) x.byFirstTag[next[x.tags[r][0]]++] = static_cast<std::uint16_t>(r);
    return x;
}

constexpr RuleIndex kRuleIndex = BuildRuleIndex();

bool MatchesAt(std::size_t r, std::span<const TagId> tags, std::size_t from) {
    const std::size_t n = kRuleIndex.length[r];
    if (from + n > tags.size()) return false;
    for (std::size_t j = 0; j < n; ++j)
        if (tags[from + j] != kRuleIndex.tags[r][j]) return false;
    return true;
}

}  // namespace

TagId TagIdOf(std::string_view tag) { return kTagNames.Find(tag); }

const GrammarRule* FirstMatchingRule(std::span<const TagId> tags, std::size_t from) {
    if (from >= tags.size() || tags[from] == kUnknownTag) return nullptr;
    const TagId first = tags[from];
    for (std::size_t k = kRuleIndex.start[first]; k < kRuleIndex.start[first + 1u]; ++k) {
        const std::size_t r = kRuleIndex.byFirstTag[k];
        if (MatchesAt(r, tags, from)) return &PhraseGrammar[r];
    }
    return nullptr;
}

}  // namespace quelvo
