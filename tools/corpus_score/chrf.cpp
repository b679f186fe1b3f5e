#include "chrf.h"

#include <map>
#include <sstream>

namespace quelvo::scoring {
namespace {

// Code points of a UTF-8 text without its blanks, each kept as its bytes.
std::vector<std::string> CharactersWithoutBlanks(std::string_view text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = 1;
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead >= 0xF0) n = 4;
        else if (lead >= 0xE0) n = 3;
        else if (lead >= 0xC0) n = 2;
        n = std::min(n, text.size() - i);
        if (!(n == 1 && (text[i] == ' ' || text[i] == '\t'))) out.emplace_back(text.substr(i, n));
        i += n;
    }
    return out;
}

std::map<std::string, int> Ngrams(const std::vector<std::string>& chars, int order) {
    std::map<std::string, int> counts;
    for (std::size_t i = 0; i + static_cast<std::size_t>(order) <= chars.size(); ++i) {
        std::string gram;
        for (int k = 0; k < order; ++k) gram += chars[i + static_cast<std::size_t>(k)];
        ++counts[gram];
    }
    return counts;
}

}  // namespace

std::string Normalised(std::string_view line) {
    auto trim = [&line] {
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) line.remove_suffix(1);
    };
    trim();
    if (!line.empty() && (line.back() == '.' || line.back() == '?' || line.back() == '!')) line.remove_suffix(1);
    trim();
    return std::string(line);
}

void NgramStats::Add(const NgramStats& other) {
    for (int n = 0; n < kMaxOrder; ++n) {
        matches[n] += other.matches[n];
        hypothesis[n] += other.hypothesis[n];
        reference[n] += other.reference[n];
    }
}

NgramStats CompareCharacters(std::string_view hypothesis, std::string_view reference) {
    NgramStats stats;
    const auto hyp = CharactersWithoutBlanks(hypothesis);
    const auto ref = CharactersWithoutBlanks(reference);
    for (int order = 1; order <= NgramStats::kMaxOrder; ++order) {
        const auto h = Ngrams(hyp, order);
        const auto r = Ngrams(ref, order);
        double matched = 0;
        double hypTotal = 0;
        for (const auto& [gram, count] : h) {
            hypTotal += count;
            if (auto it = r.find(gram); it != r.end()) matched += std::min(count, it->second);
        }
        double refTotal = 0;
        for (const auto& entry : r) refTotal += entry.second;
        stats.matches[order - 1] = matched;
        stats.hypothesis[order - 1] = hypTotal;
        stats.reference[order - 1] = refTotal;
    }
    return stats;
}

double ChrF(const NgramStats& stats, double beta) {
    double precision = 0;
    double recall = 0;
    for (int n = 0; n < NgramStats::kMaxOrder; ++n) {
        precision += stats.hypothesis[n] > 0 ? stats.matches[n] / stats.hypothesis[n] : 0;
        recall += stats.reference[n] > 0 ? stats.matches[n] / stats.reference[n] : 0;
    }
    precision /= NgramStats::kMaxOrder;
    recall /= NgramStats::kMaxOrder;
    const double b2 = beta * beta;
    if (precision + recall == 0) return 0;
    return 100.0 * (1 + b2) * precision * recall / (b2 * precision + recall);
}

UnknownCount CountUnknownWords(std::string_view translation) {
    UnknownCount count;
    std::istringstream words{std::string(translation)};
    std::string word;
    bool inside = false;
    while (words >> word) {
        if (word == "<") {
            inside = true;
        } else if (word == ">") {
            inside = false;
        } else {
            ++count.words;
            if (inside) ++count.unknown;
        }
    }
    return count;
}

}  // namespace quelvo::scoring
