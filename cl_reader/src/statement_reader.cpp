#include "cl_reader/statement_reader.h"

#include "cl_reader/error.h"

#include <algorithm>
#include <cstring>

namespace cl {

namespace {

bool is_blank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

void blank_control_characters(std::string& line) {
    while (!line.empty() && line.back() == '\r')
        line.pop_back();
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
}

} // namespace

StatementReader::StatementReader(std::istream& text) : text_(text), buffer_(1 << 16) {}

// One line without its LF, cut one character beyond the longest statement (the caller
// refuses it then, and the rest of the line need not be kept).
bool StatementReader::read_line(std::string& line) {
    line.clear();
    bool any = false;
    for (;;) {
        if (position_ == filled_) {
            text_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
            filled_ = static_cast<std::size_t>(text_.gcount());
            position_ = 0;
            if (filled_ == 0) return any;
        }
        any = true;
        const char* start = buffer_.data() + position_;
        const std::size_t available = filled_ - position_;
        const char* end = static_cast<const char*>(std::memchr(start, '\n', available));
        const std::size_t length = end ? static_cast<std::size_t>(end - start) : available;
        const std::size_t room =
            max_statement_length + 1 - std::min(line.size(), max_statement_length + 1);
        line.append(start, std::min(length, room));
        position_ += length + (end ? 1 : 0);
        if (end) return true;
    }
}

bool StatementReader::next(Statement& statement) {
    statement.text.clear();
    bool continuing = false;
    while (read_line(line_)) {
        ++line_count_;
        blank_control_characters(line_);
        std::string_view line = line_;
        bool continues = false;
        if (const std::size_t mark = line.find('$'); mark != std::string_view::npos) {
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
    if (continuing)
        throw Error("the file ends inside a record continued with '$'", statement.line);
    return false;
}

} // namespace cl
