#include "line_batch.h"

#include <algorithm>
#include <atomic>
#include <sstream>
#include <thread>
#include <vector>

namespace quelvo::cli {
namespace {

// Lines per worker in one chunk: enough to keep every worker busy between the
// chunk's reading and writing, few enough to keep memory small.
constexpr std::size_t kLinesPerWorker = 256;

struct LineWork {
    std::string line;
    std::ostringstream out;
    std::ostringstream err;
    bool translated = true;
};

// Fills `chunk` from `in`, stopping early when no more input waits, so that
// a person typing lines gets each answer at once; returns the lines read.
std::size_t ReadChunk(std::istream& in, std::vector<LineWork>& chunk) {
    std::size_t n = 0;
    while (n < chunk.size() && std::getline(in, chunk[n].line)) {
        chunk[n].out.str("");
        chunk[n].err.str("");
        ++n;
        if (in.rdbuf()->in_avail() <= 0) break;
    }
    return n;
}

void RunChunk(std::vector<LineWork>& chunk, std::size_t count, long firstLineNo, unsigned jobs,
              const LineHandler& handle) {
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i; (i = next.fetch_add(1)) < count;) {
            LineWork& w = chunk[i];
            w.translated = handle(w.line, firstLineNo + static_cast<long>(i), w.out, w.err);
        }
    };
    std::vector<std::jthread> workers;
    for (unsigned k = 1; k < jobs; ++k) workers.emplace_back(work);
    work();
}

}  // namespace

bool RunLines(std::istream& in, std::ostream& out, std::ostream& err, unsigned jobs, const LineHandler& handle) {
    if (jobs == 0) jobs = std::max(1u, std::thread::hardware_concurrency());
    std::vector<LineWork> chunk(jobs * kLinesPerWorker);
    bool allTranslated = true;
    long lineNo = 1;
    for (std::size_t count; (count = ReadChunk(in, chunk)) > 0; lineNo += static_cast<long>(count)) {
        RunChunk(chunk, count, lineNo, jobs, handle);
        for (std::size_t i = 0; i < count; ++i) {
            out << chunk[i].out.view();
            err << chunk[i].err.view();
            allTranslated = allTranslated && chunk[i].translated;
        }
        out.flush();
    }
    return allTranslated;
}

}  // namespace quelvo::cli
