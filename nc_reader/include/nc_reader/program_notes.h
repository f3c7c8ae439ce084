#pragma once
// What MILL5X writes into the comments of its NC programs, so that a reader can work back
// from the machine's axes to the tool tip:
//   (MACHINE HEAD_BC)            the machine's kind, at the head of the program
//   (SETTINGS MILL5X.PPTABLE)    the settings file it was made for
//   (T2 LENGTH 90. H2)           after each tool change: the tool, its length from the tip
//                                to the spindle face, and its length offset register
// The texts are those of Block::comments: without the brackets.

#include <optional>
#include <string>
#include <string_view>

namespace nc {

std::string machine_note(std::string_view kind);
std::string settings_note(std::string_view file_name);
// length_text: the length as the program writes numbers ("90.").
std::string tool_length_note(int tool, std::string_view length_text, std::optional<int> adjust);

std::optional<std::string_view> read_machine_note(std::string_view comment);
std::optional<std::string_view> read_settings_note(std::string_view comment);

struct ToolLength {
    int tool = 0;
    double length = 0;
};
std::optional<ToolLength> read_tool_length_note(std::string_view comment);

} // namespace nc
