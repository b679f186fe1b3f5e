#include "grammar/grammar_dump.h"

#include "core/text_codec.h"

namespace quelvo {
namespace {

nlohmann::json MembersOf(const PhraseNode& p) {
    nlohmann::json members = nlohmann::json::array();
    for (int m = 1; m <= kMaxMembers; ++m) {
        const Str8& member = p.Members[static_cast<std::size_t>(m)];
        if (!member.empty()) members.push_back(ToUtf8(member));
    }
    return members;
}

template <std::size_t N>
nlohmann::json Entries(const std::array<int, N>& values) {
    nlohmann::json out = nlohmann::json::array();
    for (std::size_t i = 1; i < N; ++i) out.push_back(values[i]);
    return out;
}

}  // namespace

nlohmann::json DumpPhrases(const TranslationState& s) {
    nlohmann::json out = nlohmann::json::array();
    for (const PhraseNode& p : s.PhrasesAtDispatch) {
        out.push_back({{"Pos", p.Pos},
                       {"Tag", ToUtf8(p.Tag)},
                       {"RuleNo", p.RuleNo},
                       {"Members", MembersOf(p)},
                       {"MemberCount", p.MemberCount}});
    }
    return out;
}

nlohmann::json DumpClauses(const TranslationState& s) {
    nlohmann::json clauses = nlohmann::json::array();
    for (int c = 1; c <= s.ClauseCount && c <= TranslationState::kMaxClauses; ++c) {
        const auto& record = s.ClauseRecords[static_cast<std::size_t>(c)];
        clauses.push_back({{"Key", ToUtf8(record.Key)}, {"RoleRule", std::string(record.RoleRule)}});
    }
    return {{"ClauseCount", s.ClauseCount},
            {"ClauseBounds", Entries(s.ClauseBounds)},
            {"VerbPhrasePos", Entries(s.VerbPhrasePos)},
            {"Clauses", clauses}};
}

}  // namespace quelvo
