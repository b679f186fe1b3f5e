#pragma once
// The verb-form rows an imported Spanish verb needs: the forms the ending
// analysis cannot find. They are taken by analogy from a hand-written verb:
// a compound takes its base verb's rows ("mantener" those of "tener"), a verb
// with a spelling change those of a model verb with the same ending
// ("abrazar" those of "cruzar": "abracé").
#include <set>
#include <string>
#include <vector>

#include "readable_tables.h"

namespace quelvo::limp {

// `taken` holds the forms already listed; the rows leave those out and add theirs.
std::vector<VerbRow> DeriveVerbRows(const std::string& infinitive, const HandWritten& handWritten,
                                    std::set<std::string>& taken);

}  // namespace quelvo::limp
