#pragma once
// A window's expected controls as a text file beside its test, which the build copies next
// to the test program. UTF-8, tab-separated, a header line, then one control a line:
//   tab  kind  caption  tool tip  left  top  width  height  font  [frame]
// The kind as a control table writes it ("read-only text box"); places in twips; the font
// as "Tahoma 15.75 bold underlined" (empty: not checked); the frame as its tab index. A
// caption of "*" is set at run time and not checked.

#include "desktop/win32.h"
#include "window_testing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

namespace desktop::testing {

// The rows of `text`; a malformed row fails the test, named by `file` and its line.
inline std::vector<ExpectedControl> parse_control_table(std::istream& text,
                                                        const std::string& file) {
    static const std::wregex row(
        LR"((\d{1,9})\t([^\t]+)\t([^\t]*)\t([^\t]*)\t(\d{1,9})\t(\d{1,9})\t(\d{1,9})\t(\d{1,9})\t)"
        LR"((?:([^\t]+) (\d+(?:\.\d+)?)( bold)?( underlined)?)?(?:\t(\d{1,9}))?)");
    std::vector<ExpectedControl> rows;
    std::string line;
    std::getline(text, line); // the header
    for (int number = 2; std::getline(text, line); ++number) {
        if (line.ends_with('\r')) line.pop_back(); // a checkout with Windows line ends
        std::wstring wide(line.size(), L'\0');
        wide.resize(std::size_t(MultiByteToWideChar(CP_UTF8, 0, line.data(), int(line.size()),
                                                    wide.data(), int(wide.size()))));
        std::wsmatch cells;
        if (!std::regex_match(wide, cells, row) || !control_kinds.contains(cells[2])) {
            ADD_FAILURE() << file << ":" << number << ": not a control row: " << line;
            continue;
        }
        const auto cell = [&](int n) { return cells[n].matched ? std::stoi(cells[n]) : -1; };
        ExpectedControl& control = rows.emplace_back(cell(1), cells[2], cells[3].str(), cells[4],
                                                     cell(5), cell(6), cell(7), cell(8), cells[9]);
        if (cells[3] == L"*") control.caption.reset(); // set at run time
        if (cells[10].matched) control.points = std::stod(cells[10]);
        control.bold = cells[11].matched, control.underline = cells[12].matched;
        control.frame = cell(13);
    }
    return rows;
}

// The rows of `file_name` in the test program's folder.
inline std::vector<ExpectedControl> read_control_table(const std::string& file_name) {
    std::ifstream file(std::filesystem::path(program_folder()) / file_name);
    if (!file) ADD_FAILURE() << "cannot read " << file_name << " beside the test program";
    return parse_control_table(file, file_name);
}

} // namespace desktop::testing
