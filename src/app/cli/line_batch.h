#pragma once
// Standard-input lines translated by a pool of workers, their output written
// in input order. Lines are taken in chunks, so memory stays bounded however
// long the input is.
#include <functional>
#include <istream>
#include <ostream>
#include <string>

namespace quelvo::cli {

// Handles one line, writing to `out` and `err`; false when it was refused.
using LineHandler = std::function<bool(const std::string& line, long lineNo, std::ostream& out, std::ostream& err)>;

// Runs `handle` on every line of `in` on `jobs` threads (0: one per core);
// false when any line was refused.
bool RunLines(std::istream& in, std::ostream& out, std::ostream& err, unsigned jobs, const LineHandler& handle);

}  // namespace quelvo::cli
