#include "grammar/clause_split.h"

#include <algorithm>
#include <vector>

#include "grammar/phrase_walk.h"

namespace quelvo {
namespace {

// Entry n is phrase n; entry 0 and numbers past the end read as no phrase.
class PhraseRow {
public:
    explicit PhraseRow(const TranslationState& s) {
        for (const PhraseNode* p = s.MergedPhraseList.Head; p != nullptr; p = p->Next) phrases_.push_back(p);
    }
    int Count() const { return static_cast<int>(phrases_.size()) - 1; }
    std::string_view Tag(int n) const { return TagOf(At(n)); }
    std::string_view Member(int n, int m) const {
        const PhraseNode* p = At(n);
        return p != nullptr ? p->Members[static_cast<std::size_t>(m)].view() : "";
    }

private:
    const PhraseNode* At(int n) const { return n >= 1 && n <= Count() ? phrases_[static_cast<std::size_t>(n)] : nullptr; }
    std::vector<const PhraseNode*> phrases_{nullptr};
};

bool IsVerbPhrase(const PhraseRow& row, int n) {
    return TagIn(row.Tag(n), {"VP", "Inf", "PVP", "VPres", "VPP", "VAdj"}) ||
           (n >= 2 && row.Tag(n) == "VPerf" && row.Tag(n - 1) == "KT");
}

bool IsLinker(std::string_view tag) { return TagIn(tag, {"Rkif", "YKon", "Konj", "Konx", "Qinf", "Rel", "Relx", "Infm"}); }

// An adjective between a verb (perhaps with an adverb) and an infinitive.
bool IsAdjectiveBeforeInfinitive(const PhraseRow& row, int n) {
    if (!TagIn(row.Tag(n), {"Adj", "MAdj"}) || row.Tag(n + 1) != "Inf") return false;
    return row.Tag(n - 1) == "VP" || (row.Tag(n - 1) == "Adv" && row.Tag(n - 2) == "VP");
}

bool IsChainedInfinitive(const PhraseRow& row, int n) {
    return row.Tag(n) == "Inf" && (row.Tag(n - 1) == "Inf" || row.Member(n - 1, 3) == "inf" || row.Tag(n - 1) == "VP");
}

// The search for where the clause of one verb phrase begins, scanning down
// from the later verb phrase to the earlier one.
class BoundSearch {
public:
    BoundSearch(const PhraseRow& row, std::vector<int>& bounds) : row_(row), bounds_(bounds) {}

    void Between(int earlier, int later) {
        found_ = false;
        LinkerPass(earlier, later);
        if (!stop_) AdjectivePass(earlier, later);
        if (!stop_) CommaPass(earlier, later);
        if (!stop_) InfinitivePass(earlier, later);
        if (!stop_) VerbPass(earlier, later);
    }

private:
    void Give(int bound) {
        bounds_.push_back(bound);
        found_ = true;
    }
    // Leaves the stop flag telling whether the phrase right after the
    // earlier verb phrase is a linker.
    void LinkerPass(int earlier, int later) {
        for (int n = later; n > earlier; --n) {
            stop_ = IsLinker(row_.Tag(n));
            if (stop_ && !found_) Give(n);
        }
    }
    void AdjectivePass(int earlier, int later) {
        for (int n = later; n >= earlier; --n)
            if (IsAdjectiveBeforeInfinitive(row_, n) && !found_) Give(n + 1);
    }
    void CommaPass(int earlier, int later) {
        for (int n = later; n >= earlier; --n) {
            if (row_.Tag(n) != "KT") continue;
            stop_ = true;
            if (!found_) Give(n);
        }
    }
    void InfinitivePass(int earlier, int later) {
        for (int n = later; n >= earlier; --n)
            if (IsChainedInfinitive(row_, n)) Give(n);
    }
    void VerbPass(int earlier, int later) {
        for (int n = later; n >= earlier; --n) {
            if (row_.Tag(n) != "VP") continue;
            stop_ = true;
            if (!found_) Give(n);
            return;
        }
    }

    const PhraseRow& row_;
    std::vector<int>& bounds_;
    bool stop_ = false;
    bool found_ = false;
};

int RecordVerbPhrases(TranslationState& s, const PhraseRow& row) {
    s.VerbPhrasePos.fill(0);
    int count = 0;
    for (int n = 1; n <= row.Count() && count < TranslationState::kVerbPhraseSlots; ++n)
        if (IsVerbPhrase(row, n)) s.VerbPhrasePos[static_cast<std::size_t>(++count)] = n;
    return count;
}

void StoreBounds(TranslationState& s, const std::vector<int>& ascending) {
    s.ClauseBounds.fill(0);
    const int stored = std::min(static_cast<int>(ascending.size()), TranslationState::kClauseBoundSlots);
    for (int i = 1; i <= stored; ++i) s.ClauseBounds[static_cast<std::size_t>(i)] = ascending[static_cast<std::size_t>(i - 1)];
}

}  // namespace

void SplitClauses(TranslationState& s) {
    const PhraseRow row(s);
    const int verbs = RecordVerbPhrases(s, row);
    // Eight bounds separate at most seven clauses.
    s.ClauseCount = std::clamp(verbs, 1, TranslationState::kMaxClauses);
    std::vector<int> bounds{row.Count()};
    if (verbs >= 2) {
        BoundSearch search(row, bounds);
        for (int k = verbs; k >= 2; --k)
            search.Between(s.VerbPhrasePos[static_cast<std::size_t>(k - 1)], s.VerbPhrasePos[static_cast<std::size_t>(k)]);
    }
    bounds.push_back(1);
    std::reverse(bounds.begin(), bounds.end());
    StoreBounds(s, bounds);
}

}  // namespace quelvo
