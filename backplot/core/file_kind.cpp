#include "file_kind.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace backplot {

namespace {

// The head that is looked at: enough lines to see past a program's comments and set-up.
constexpr std::size_t head_bytes = 64 * 1024;
constexpr std::size_t head_lines = 200;

// Control characters that text files hold: TAB, LF, VT, FF, CR, and the end-of-file mark SUB
// that old editors append.
bool is_text_control(unsigned char c) {
    return c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == 0x1a;
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
bool is_letter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool is_word_char(char c) {
    return is_letter(c) || (c >= '0' && c <= '9') || c == '_' || c == '-';
}
bool is_blank(char c) {
    return c == ' ' || c == '\t';
}
bool starts_number(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-';
}

// Major words that stand without a slash.
constexpr std::array<std::string_view, 16> lone_major_words{
    "FINI",   "END",    "RAPID",  "MULTAX", "PARTNO", "PPRINT", "INSERT", "STOP",
    "OPSTOP", "NOPOST", "REMARK", "CLRSRF", "TITLES", "PLABEL", "MACHIN", "ENDMDL"};

enum class LineKind { blank, nc, cl, neither };

LineKind line_kind(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && (is_blank(line[i]) || line[i] == '\r' || line[i] == '\f'))
        ++i;
    line.remove_prefix(i);
    while (!line.empty() && (is_blank(line.back()) || line.back() == '\r'))
        line.remove_suffix(1);
    if (line.empty()) return LineKind::blank;
    if (line.starts_with("$$")) return LineKind::cl;
    const char first = line.front();
    if (first == '%' || first == '(' || first == ';' || first == '/' || first == ':')
        return LineKind::nc;
    if (!is_letter(first)) return LineKind::neither;

    // A letter, blanks perhaps, then a number: an NC word.
    std::size_t after = 1;
    while (after < line.size() && is_blank(line[after]))
        ++after;
    if (after < line.size() && starts_number(line[after])) return LineKind::nc;

    // A word of two letters or more, then perhaps more words, then a slash: a CL record.
    std::size_t end = 0;
    while (end < line.size() && is_word_char(line[end]))
        ++end;
    if (end < 2) return LineKind::neither;
    std::string word;
    for (char c : line.substr(0, end))
        word += upper(c);
    std::size_t rest = end;
    while (rest < line.size() && (is_word_char(line[rest]) || is_blank(line[rest])))
        ++rest;
    if (rest < line.size() && line[rest] == '/') return LineKind::cl;
    if (std::find(lone_major_words.begin(), lone_major_words.end(), word) != lone_major_words.end())
        return LineKind::cl;
    return LineKind::neither;
}

std::string upper_extension(std::string_view extension) {
    if (extension.starts_with('.')) extension.remove_prefix(1);
    std::string text;
    for (char c : extension)
        text += upper(c);
    return text;
}

bool is_cl_extension(const std::string& extension) {
    for (std::string_view known : {"APT", "CL", "CLS", "CLF", "ACL", "CLT", "APTSOURCE"})
        if (extension == known) return true;
    return false;
}

} // namespace

FileKindFound file_kind(std::string_view bytes, std::string_view extension) {
    if (std::memchr(bytes.data(), '\0', bytes.size()))
        return {FileKind::not_text, "it is not a text file: it holds NUL bytes"};
    const std::string_view head = bytes.substr(0, head_bytes);
    const auto controls = std::count_if(head.begin(), head.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return (u < 0x20 || u == 0x7f) && !is_text_control(u);
    });
    // A stray control character is a typing slip; one in a hundred is no text.
    if (controls > 0 && static_cast<std::size_t>(controls) * 100 > head.size())
        return {FileKind::not_text, "it is not a text file: it holds control characters"};

    std::size_t nc = 0, cl = 0, lines = 0;
    std::string_view rest = head;
    while (!rest.empty() && lines < head_lines) {
        const std::size_t end = rest.find('\n');
        const LineKind kind = line_kind(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (kind == LineKind::blank) continue;
        ++lines;
        nc += kind == LineKind::nc;
        cl += kind == LineKind::cl;
    }
    if (lines == 0) return {FileKind::empty, "the file is empty"};
    if (nc == 0 && cl == 0)
        return {FileKind::unknown_text,
                "no line reads as an NC block (N10 G1 X5.) or a CL record (GOTO/1,2,3)"};
    if (nc != cl) return {nc > cl ? FileKind::nc_program : FileKind::cl_file, {}};
    return {is_cl_extension(upper_extension(extension)) ? FileKind::cl_file : FileKind::nc_program,
            {}};
}

} // namespace backplot
