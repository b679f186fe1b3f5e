#include "spanish_verb_rows.h"

#include <optional>

namespace quelvo::limp {
namespace {

// A compound is a prefix on a base verb of at least four letters ("re" +
// "hacer"); shorter bases ("ir", "ser") end too many verbs.
constexpr std::size_t kMinBase = 4;
constexpr std::string_view kVerbPrefixes[] = {
    "a",     "ab",   "abs",  "ad",    "ante",  "anti", "bien", "circun", "co",    "com",  "con",  "contra",
    "de",    "des",  "di",   "dis",   "e",     "em",   "en",   "entre",  "ex",    "im",   "in",   "inter",
    "mal",   "man",  "ob",   "per",   "pos",   "pre",  "pro",  "re",     "satis", "sobre", "sos", "su",
    "sub",   "super", "sus", "tras",  "trans",
};

// Endings whose spelling changes in some forms, with the hand-written verb
// whose rows show the change.
struct SpellingModel {
    std::string_view ending;
    std::string_view model;
};
constexpr SpellingModel kSpellingModels[] = {
    {"car", "buscar"}, {"gar", "pagar"},      {"zar", "cruzar"}, {"ger", "coger"},
    {"gir", "dirigir"}, {"guir", "distinguir"}, {"quir", "delinquir"}, {"uir", "construir"}, {"eer", "leer"},
};

// The special codes belong to the verbs that have constructions of their own;
// a compound takes the plain code.
struct CodeRename {
    std::string_view special;
    std::string_view plain;
};
constexpr CodeRename kPlainCodes[] = {
    {"special-present", "present"},         {"special-present-2", "present"},
    {"special-imperfect", "imperfect"},     {"special-preterite", "preterite"},
    {"special-future", "future"},           {"special-conditional", "conditional"},
    {"special-subjunctive", "imperfect-subjunctive"}, {"special-subjunctive-2", "imperfect-subjunctive"},
    {"special-participle", "participle"},
};

std::string PlainCode(const std::string& code) {
    for (const CodeRename& r : kPlainCodes)
        if (r.special == code) return std::string(r.plain);
    return code;
}

// The rows of `model` with its first `modelStem` bytes replaced by `stem`.
std::vector<VerbRow> RowsByAnalogy(const std::vector<VerbRow>& modelRows, std::size_t modelStem, const std::string& stem,
                                   const std::string& infinitive, std::set<std::string>& taken) {
    std::vector<VerbRow> rows;
    for (const VerbRow& m : modelRows) {
        VerbRow row{infinitive, PlainCode(m.form), {}};
        bool any = false;
        for (const std::string& f : m.forms) {
            std::string form = f.size() >= modelStem ? stem + f.substr(modelStem) : std::string();
            if (f.empty() || !taken.insert(form).second) form.clear();
            any = any || !form.empty();
            row.forms.push_back(form);
        }
        if (any) rows.push_back(std::move(row));
    }
    return rows;
}

// The longest hand-written verb that `infinitive` ends with, as a compound.
std::optional<std::string> BaseVerb(const std::string& infinitive, const HandWritten& h) {
    std::optional<std::string> base;
    for (const std::string_view prefix : kVerbPrefixes) {
        const std::string rest = infinitive.substr(std::min(prefix.size(), infinitive.size()));
        if (infinitive.starts_with(prefix) && rest.size() >= kMinBase && h.verbs.contains(rest) &&
            (!base || rest.size() > base->size()))
            base = rest;
    }
    return base;
}

}  // namespace

std::vector<VerbRow> DeriveVerbRows(const std::string& infinitive, const HandWritten& handWritten,
                                    std::set<std::string>& taken) {
    if (const std::optional<std::string> base = BaseVerb(infinitive, handWritten)) {
        const auto rows = handWritten.verbRows.find(*base);
        if (rows == handWritten.verbRows.end()) return {};
        return RowsByAnalogy(rows->second, 0, infinitive.substr(0, infinitive.size() - base->size()), infinitive, taken);
    }
    for (const SpellingModel& s : kSpellingModels) {
        if (!infinitive.ends_with(s.ending)) continue;
        const auto rows = handWritten.verbRows.find(std::string(s.model));
        if (rows == handWritten.verbRows.end()) return {};
        return RowsByAnalogy(rows->second, s.model.size() - s.ending.size(),
                             infinitive.substr(0, infinitive.size() - s.ending.size()), infinitive, taken);
    }
    return {};
}

}  // namespace quelvo::limp
