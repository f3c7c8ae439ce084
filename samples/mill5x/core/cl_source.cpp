#include "cl_source.h"

namespace mill5x {

namespace {

bool is_blank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace

ClSource read_cl_source(std::string_view text) {
    ClSource source;
    std::string pending;
    int pending_line = 0;
    bool continuing = false;

    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++source.line_count;

        bool continues = false;
        if (std::size_t mark = line.find('$'); mark != std::string_view::npos) {
            continues = mark + 1 >= line.size() || line[mark + 1] != '$';
            line = line.substr(0, mark);
        }
        if (!continuing) {
            pending.clear();
            pending_line = source.line_count;
        }
        pending += line;
        continuing = continues;
        if (!continuing && !is_blank(pending)) {
            source.statements.push_back({pending_line, std::move(pending)});
            pending = std::string();
        }
    }
    if (continuing) source.unfinished_continuation_line = pending_line;
    return source;
}

} // namespace mill5x
