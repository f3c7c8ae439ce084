#include "cl_reader/statement_reader.h"

#include "cl_reader/error.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace cl {

namespace {

bool is_blank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

bool is_control(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
}

// Drops the CRs at the line's end and blanks its control characters; true when the line
// holds a '$'. Most lines hold neither: a test without a branch a character, which the
// compiler does many characters at a time, comes first.
bool clean(std::span<char>& line) {
    while (!line.empty() && line.back() == '\r')
        line = line.first(line.size() - 1);
    bool control = false, dollar = false;
    for (char c : line) {
        control |= is_control(c);
        dollar |= c == '$';
    }
    if (control)
        for (char& c : line)
            if (is_control(c)) c = ' ';
    return dollar;
}

} // namespace

StatementReader::StatementReader(std::istream& text) : text_(text), buffer_(1 << 20) {}

bool StatementReader::fill() {
    text_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    filled_ = static_cast<std::size_t>(text_.gcount());
    position_ = 0;
    return filled_ > 0;
}

// The next line without its LF, cut one character beyond the longest statement (the caller
// refuses it then, and the rest of the line need not be kept). It stays in the buffer where
// it lies whole, and is gathered in line_ where it does not.
std::optional<std::span<char>> StatementReader::read_line() {
    constexpr std::size_t longest = max_statement_length + 1;
    if (position_ == filled_ && !fill()) return std::nullopt;
    char* start = buffer_.data() + position_;
    const std::size_t available = filled_ - position_;
    if (char* end = static_cast<char*>(std::memchr(start, '\n', available))) {
        const auto length = static_cast<std::size_t>(end - start);
        position_ += length + 1;
        return std::span(start, std::min(length, longest));
    }
    line_.assign(start, std::min(available, longest));
    while (fill()) {
        start = buffer_.data();
        char* end = static_cast<char*>(std::memchr(start, '\n', filled_));
        const std::size_t length = end ? static_cast<std::size_t>(end - start) : filled_;
        line_.append(start, std::min(length, longest - std::min(line_.size(), longest)));
        position_ = end ? length + 1 : filled_;
        if (end) break;
    }
    return std::span(line_.data(), line_.size());
}

bool StatementReader::next(Statement& statement) {
    statement.text.clear();
    bool continuing = false;
    while (auto read = read_line()) {
        ++line_count_;
        const bool marked = clean(*read);
        std::string_view line(read->data(), read->size());
        bool continues = false;
        if (const std::size_t mark = marked ? line.find('$') : std::string_view::npos;
            mark != std::string_view::npos) {
            continues = mark + 1 >= line.size() || line[mark + 1] != '$';
            line = line.substr(0, mark);
        }
        if (!continuing) {
            statement.text.clear();
            statement.line = line_count_;
        }
        statement.text += line;
        if (statement.text.size() > max_statement_length)
            throw Error("the record is longer than " + std::to_string(max_statement_length) +
                            " characters",
                        statement.line);
        continuing = continues;
        if (!continuing && !is_blank(statement.text)) return true;
    }
    if (continuing) throw Error("the file ends inside a record continued with '$'", statement.line);
    return false;
}

} // namespace cl
