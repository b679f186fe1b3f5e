#pragma once
// Words whose translation the imported entries must leave as it was: the
// inflected forms of the hand-written words and the names the dictionaries
// know. An imported verb can otherwise take over a form through the ending
// analysis ("alta", which must stay the feminine of "alto").
#include <set>
#include <string>
#include <vector>

#include "readable_tables.h"

namespace quelvo::limp {

std::vector<std::string> ProbeWords(const HandWritten& handWritten, const std::set<std::string>& names);

}  // namespace quelvo::limp
