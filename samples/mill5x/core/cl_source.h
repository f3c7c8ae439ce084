#pragma once
// Splitting an APT cutter-location text into statements: "$$" starts a comment that runs to
// the end of the line, a single "$" continues the statement on the next line (the rest of
// that line is a remark), blank lines are skipped, and both LF and CR LF end a line.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mill5x {

struct ClStatement {
    int line = 0;     // the line the statement begins on, counted from 1
    std::string text; // the statement's pieces joined, comments and marks removed
};

struct ClSource {
    std::vector<ClStatement> statements;
    int line_count = 0;
    // Set when the text ends inside a statement: its last line asked for a continuation.
    std::optional<int> unfinished_continuation_line;
};

ClSource read_cl_source(std::string_view text);

} // namespace mill5x
