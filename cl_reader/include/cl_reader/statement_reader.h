#pragma once
// Reading an APT cutter-location text statement by statement, as a stream: "$$" starts a
// comment that runs to the end of the line, a single "$" continues the statement on the next
// line (the rest of that line is a remark), blank lines are skipped, and LF ends a line.
// Carriage returns at the end of a line are dropped however many there are (CR CR LF is
// seen in files that went through two conversions); other control characters count as
// blanks, so none reaches a message or the NC program. Memory stays that of one statement.

#include <cstdint>
#include <istream>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace cl {

struct Statement {
    std::int64_t line = 0; // the line the statement begins on, counted from 1
    std::string text;      // the statement's pieces joined, comments and marks removed
};

class StatementReader {
public:
    // Longer statements are refused: one line must not take all memory.
    static constexpr std::size_t max_statement_length = 100000;

    explicit StatementReader(std::istream& text);

    // The next statement; false at the end of the text. Throws Error (with its line) for
    // a statement longer than max_statement_length or a text that ends inside a statement
    // continued with '$'.
    bool next(Statement& statement);

    std::int64_t line_count() const { return line_count_; }

private:
    bool fill();
    std::optional<std::span<char>> read_line();

    std::istream& text_;
    std::vector<char> buffer_;
    std::size_t position_ = 0, filled_ = 0;
    std::int64_t line_count_ = 0;
    std::string line_;
};

} // namespace cl
