#include "nc_reader/program_notes.h"

#include <charconv>
#include <cmath>

namespace nc {

namespace {

constexpr std::string_view machine_tag = "MACHINE ", settings_tag = "SETTINGS ",
                           length_tag = " LENGTH ";

std::optional<std::string_view> after(std::string_view comment, std::string_view tag) {
    if (!comment.starts_with(tag) || comment.size() == tag.size()) return std::nullopt;
    return comment.substr(tag.size());
}

} // namespace

std::string machine_note(std::string_view kind) {
    return std::string(machine_tag) + std::string(kind);
}

std::string settings_note(std::string_view file_name) {
    return std::string(settings_tag) + std::string(file_name);
}

std::string tool_length_note(int tool, std::string_view length_text, std::optional<int> adjust) {
    std::string note = "T" + std::to_string(tool);
    note += length_tag;
    note += length_text;
    if (adjust) note += " H" + std::to_string(*adjust);
    return note;
}

std::optional<std::string_view> read_machine_note(std::string_view comment) {
    return after(comment, machine_tag);
}

std::optional<std::string_view> read_settings_note(std::string_view comment) {
    return after(comment, settings_tag);
}

std::optional<ToolLength> read_tool_length_note(std::string_view comment) {
    const auto tag = comment.find(length_tag);
    if (comment.size() < 2 || comment[0] != 'T' || tag == std::string_view::npos) return {};
    ToolLength note;
    const char* tool_end = comment.data() + tag;
    const auto tool = std::from_chars(comment.data() + 1, tool_end, note.tool);
    if (tool.ec != std::errc() || tool.ptr != tool_end) return {};
    const std::string_view rest = comment.substr(tag + length_tag.size());
    const auto length = std::from_chars(rest.data(), rest.data() + rest.size(), note.length);
    const bool ends = length.ptr == rest.data() + rest.size() || *length.ptr == ' ' ||
                      (*length.ptr == '.' &&
                       (length.ptr + 1 == rest.data() + rest.size() || length.ptr[1] == ' '));
    if (length.ec != std::errc() || !ends || !std::isfinite(note.length)) return {};
    return note;
}

} // namespace nc
