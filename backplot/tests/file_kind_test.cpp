// Telling an NC program from a CL file and from what is no text; the lines of a file and the
// notes of its head.

#include "file_kind.h"
#include "line_index.h"
#include "load.h"
#include "setup_notes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace backplot {
namespace {

TEST(FileKind, ByTheLinesThenByTheExtension) {
    const struct {
        std::string bytes;
        const char* extension;
        FileKind kind;
    } rows[] = {
        {"N10 G0 X1\n", "", FileKind::nc_program},
        {"%\nO1000\n(PART)\ng0x1 y2\nM30\n", "APT", FileKind::nc_program}, // lines decide
        {"GOTO/1,2,3\n", "NC", FileKind::cl_file},
        {"$$ HEAD\r\nfrom / 0,0,0\r\n", "", FileKind::cl_file},
        {"PARTNO TEST\nTOOL PATH/OP1,TOOL,EM10\nEND\nFINI\n", "", FileKind::cl_file},
        {"(NOTE)\nFINI\n", ".apt", FileKind::cl_file}, // one line each way: the extension
        {"(NOTE)\nFINI\n", "", FileKind::nc_program},
        {"", "", FileKind::empty},
        {"\n  \r\n\t\n", "", FileKind::empty},
        {"Dear reader,\nthis is a letter.\n", "", FileKind::unknown_text},
        {std::string("G0 X1\0\0", 7), "", FileKind::not_text},
        {"G0 X1\x01\x02\x03\x04\n", "", FileKind::not_text},
        {"G0 X1 (\x01)\n" + std::string(200, ' '), "", FileKind::nc_program}, // one slip
    };
    for (const auto& row : rows) {
        const FileKindFound found = file_kind(row.bytes, row.extension);
        EXPECT_EQ(found.kind, row.kind) << row.bytes;
        const bool readable = row.kind == FileKind::nc_program || row.kind == FileKind::cl_file;
        EXPECT_EQ(found.reason.empty(), readable) << row.bytes;
    }
}

TEST(FileKind, WhatIsNoProgramIsNotPlotted) {
    const Plot binary = load_plot(std::string("\x7f"
                                              "ELF\0\0\0",
                                              7));
    EXPECT_EQ(binary.kind(), FileKind::not_text);
    EXPECT_EQ(binary.message(), "it is not a text file: it holds NUL bytes");
    EXPECT_EQ(binary.line_count(), 0u);
    EXPECT_EQ(binary.move_count(), 0u);

    const Plot letter = load_plot("Dear reader,\n");
    EXPECT_EQ(letter.kind(), FileKind::unknown_text);
    EXPECT_EQ(letter.line_count(), 1u); // the text is shown
    EXPECT_EQ(letter.move_count(), 0u);
}

TEST(LineIndex, LinesWithoutTheirEnds) {
    const struct {
        std::string text;
        std::vector<std::string> lines;
    } rows[] = {
        {"", {}},
        {"\n", {""}},
        {"A\nB", {"A", "B"}},
        {"A\r\nB\r\n", {"A", "B"}},
        {"A\r\r\n\nC", {"A\r", "", "C"}}, // only the CR before LF ends a line
    };
    for (const auto& row : rows) {
        const LineIndex index(row.text);
        ASSERT_EQ(index.count(), row.lines.size()) << row.text;
        for (std::size_t n = 1; n <= row.lines.size(); ++n)
            EXPECT_EQ(index.line(n), row.lines[n - 1]) << row.text;
        EXPECT_EQ(index.line(0), "");
        EXPECT_EQ(index.line(row.lines.size() + 1), "");
    }
}

TEST(SetupNotes, TheMachineAndItsSettingsFile) {
    const SetupNotes notes = read_setup_notes("%\nO2000\n(MILL5X PART.APT)\n(MACHINE TABLE_AC)\n"
                                              "(SETTINGS TRUNNION.PPTABLE)\nG0 X0\n");
    EXPECT_EQ(notes.machine, "TABLE_AC");
    EXPECT_EQ(notes.settings_file, "TRUNNION.PPTABLE");

    const SetupNotes none = read_setup_notes("G0 X0\n(T1 LENGTH 75.)\n");
    EXPECT_FALSE(none.machine);
    EXPECT_FALSE(none.settings_file);
    // Only the head is read.
    EXPECT_FALSE(read_setup_notes("G0 X0\n(MACHINE HEAD_BC)\n", 1).machine);
}

} // namespace
} // namespace backplot
