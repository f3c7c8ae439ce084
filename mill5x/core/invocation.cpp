#include "invocation.h"

namespace mill5x {

namespace {

std::wstring_view trimmed(std::wstring_view text) {
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos) return {};
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

struct Pieces {
    std::wstring_view base, extension;
};

// The base name and extension of a file name, split at its last period as the workbench
// does: no period gives an empty base and the whole name as extension.
Pieces split_name(std::wstring_view name) {
    const auto period = name.rfind(L'.');
    if (period == std::wstring_view::npos) return {{}, name};
    return {name.substr(0, period), name.substr(period + 1)};
}

// The arguments the workbench puts after this CL path, or nothing for a path it can't make.
bool followed_by_its_pieces(std::wstring_view cl_path, std::wstring_view rest) {
    const auto slash = cl_path.rfind(L'\\');
    if (cl_path.size() < 3 || cl_path[1] != L':' || slash == std::wstring_view::npos) return false;
    const std::wstring_view folder_part = cl_path.substr(2, slash - 2);
    const Pieces name = split_name(cl_path.substr(slash + 1));
    std::wstring expected;
    for (std::wstring_view piece : {cl_path.substr(0, 1), folder_part, name.base, name.extension}) {
        expected += L' ';
        expected += piece;
    }
    return rest == expected;
}

} // namespace

Invocation parse_invocation(std::wstring_view command_line) {
    Invocation invocation;
    // No path may hold a '?', so the first " ?" is the help marker.
    if (const auto help = command_line.find(L" ?"); help != std::wstring_view::npos) {
        invocation.kind = Invocation::Kind::help;
        invocation.word = std::wstring(trimmed(command_line.substr(help + 2)));
        return invocation;
    }
    // The pieces after a CL path of n characters take n + 2 characters, or n + 1 when its
    // name has a period; so each start of a path leaves two ends to try, and the search
    // stays quadratic in the length of the command line, not cubic.
    for (std::size_t start = 0; start + 1 < command_line.size(); ++start) {
        if ((start > 0 && command_line[start - 1] != L' ') || command_line[start + 1] != L':')
            continue;
        const std::size_t after_start = command_line.size() - start;
        for (std::size_t period : {0, 1}) {
            if (after_start + period < 2 || (after_start + period - 2) % 2 != 0) continue;
            const std::size_t end = start + (after_start + period - 2) / 2;
            if (end >= command_line.size() || command_line[end] != L' ') continue;
            const std::wstring_view cl_path = command_line.substr(start, end - start);
            if (followed_by_its_pieces(cl_path, command_line.substr(end))) {
                invocation.kind = Invocation::Kind::post_process;
                invocation.cl_path = std::wstring(cl_path);
                invocation.base_name =
                    std::wstring(split_name(cl_path.substr(cl_path.rfind(L'\\') + 1)).base);
                return invocation;
            }
        }
    }

    // Started by hand: the program, then the CL path, quoted when it holds blanks.
    std::wstring_view rest = trimmed(command_line);
    const auto skip_token = [](std::wstring_view text) {
        if (!text.empty() && text.front() == L'"') {
            const auto close = text.find(L'"', 1);
            return std::pair(
                text.substr(1, close == std::wstring_view::npos ? text.npos : close - 1),
                close == std::wstring_view::npos ? std::wstring_view() : text.substr(close + 1));
        }
        const auto blank = text.find_first_of(L" \t");
        return std::pair(text.substr(0, blank), blank == std::wstring_view::npos
                                                    ? std::wstring_view()
                                                    : text.substr(blank));
    };
    rest = trimmed(skip_token(rest).second);
    const std::wstring_view cl_path = skip_token(rest).first;
    if (cl_path.empty()) return invocation;
    invocation.kind = Invocation::Kind::post_process;
    invocation.cl_path = std::wstring(cl_path);
    const auto slash = cl_path.find_last_of(L"\\/");
    invocation.base_name = std::wstring(
        split_name(slash == std::wstring_view::npos ? cl_path : cl_path.substr(slash + 1)).base);
    return invocation;
}

std::string ascii(std::wstring_view text) {
    std::string result;
    result.reserve(text.size());
    for (wchar_t c : text)
        result += c > 0 && c < 128 ? static_cast<char>(c) : '?';
    return result;
}

std::wstring widen(std::string_view ascii_text) {
    return std::wstring(ascii_text.begin(), ascii_text.end());
}

} // namespace mill5x
