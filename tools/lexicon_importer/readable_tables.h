#pragma once
// The readable lexicon sources as the importer needs them: the hand-written
// ones (whose words it must not import again) and the review file of our
// decisions about imported entries.
#include <map>
#include <set>
#include <string>
#include <vector>

namespace quelvo::limp {

// A tab-separated file with a header: each row as column name -> field.
using TableRow = std::map<std::string, std::string>;
std::vector<TableRow> ReadTable(std::string_view text);

struct VerbRow {
    std::string infinitive;
    std::string form;                // the form code name: "present" ...
    std::vector<std::string> forms;  // 1sg .. 3pl; an empty form keeps its place
};

struct HandWritten {
    std::set<std::string> spanishForms;          // spanish.tsv, form_entries.tsv and every verb form
    std::set<std::string> verbs;                 // the infinitives of spanish.tsv
    std::map<std::string, std::vector<VerbRow>> verbRows;  // spanish_verbs.tsv by infinitive
    std::set<std::string> entryKeys;             // swedish.tsv
    std::map<std::string, std::string> entryByWordAndClass;  // "word\tclass" -> key
    std::set<std::string> irregularNouns, irregularVerbs;
};

// Reads the hand-written sources of `dir`; a missing file counts as empty.
HandWritten ReadHandWritten(const std::string& dir, std::string& error);

struct ReviewDecision {
    std::string swedish;  // empty: the Spanish word is not imported
    std::string note;
};
// Spanish form -> decision; `error` names the file when it cannot be read.
std::map<std::string, ReviewDecision> ReadReview(const std::string& path, std::string& error);

}  // namespace quelvo::limp
