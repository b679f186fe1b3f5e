#pragma once
// Corpus scores of translations against references: exact lines and chrF.
#include <string>
#include <string_view>
#include <vector>

namespace quelvo::scoring {

// Trailing blanks and one final ".", "?" or "!" removed, then trailing blanks again.
std::string Normalised(std::string_view line);

// Character n-gram statistics of one hypothesis against one reference,
// n = 1..6, blanks removed, counted over Unicode code points.
struct NgramStats {
    static constexpr int kMaxOrder = 6;
    double matches[kMaxOrder] = {};
    double hypothesis[kMaxOrder] = {};
    double reference[kMaxOrder] = {};
    void Add(const NgramStats& other);
};

NgramStats CompareCharacters(std::string_view hypothesis, std::string_view reference);

// chrF with beta 2 from statistics summed over a corpus: precision and
// recall averaged over the orders, then their F-score, times 100.
double ChrF(const NgramStats& stats, double beta = 2.0);

// Words shown as unknown ("< word >") among the words of a translation.
struct UnknownCount {
    int unknown = 0;
    int words = 0;
};
UnknownCount CountUnknownWords(std::string_view translation);

}  // namespace quelvo::scoring
