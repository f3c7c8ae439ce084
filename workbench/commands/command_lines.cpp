#include "commands/command_lines.h"

#include <algorithm>

namespace workbench {

namespace {

constexpr std::wstring_view editor = L"c:\\Program Files\\windows NT\\accessories\\wordpad.exe";
constexpr std::wstring_view reader = L"c:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRD32";
constexpr std::wstring_view users_guide = L"c:\\trelvo\\doc\\Plexo_Users_Guide.pdf";
constexpr std::wstring_view installer = L"instpp.bat";

void add_cl_pieces(CommandLine& line, const ClPieces& cl) {
    line.arguments.push_back({L"CL path", cl.cl_path});
    line.arguments.push_back({L"drive letter", cl.drive_letter});
    line.arguments.push_back({L"folder part", cl.folder_part});
    line.arguments.push_back({L"base name", cl.base_name});
    line.arguments.push_back({L"extension", cl.extension});
}

std::wstring upper_case(std::wstring_view text, UpperCase upper) {
    std::wstring result(text);
    std::ranges::transform(result, result.begin(), upper);
    return result;
}

} // namespace

CommandLine post_command(std::wstring_view pp_folder, std::wstring_view pp_name,
                         const ClPieces& cl) {
    CommandLine line{joined_path(pp_folder, pp_name), {}, false};
    add_cl_pieces(line, cl);
    return line;
}

CommandLine user_command(int number, std::wstring_view pp_folder, std::wstring_view pp_name,
                         const ClPieces& cl) {
    CommandLine line{L"user" + std::to_wstring(number) + L".bat", {}, true};
    line.arguments.push_back({L"post-processor folder", std::wstring(pp_folder)});
    line.arguments.push_back({L"post-processor name", std::wstring(pp_name)});
    add_cl_pieces(line, cl);
    return line;
}

CommandLine edit_command(std::wstring_view cl_path) {
    return {std::wstring(editor), {{L"CL path", std::wstring(cl_path)}}, false};
}

CommandLine users_guide_command() {
    return {std::wstring(reader), {{L"document", std::wstring(users_guide)}}, false};
}

CommandLine install_command(std::wstring_view pp_folder, std::wstring_view typed_name) {
    return {std::wstring(installer),
            {{L"post-processor folder", std::wstring(pp_folder)},
             {L"post-processor name", std::wstring(typed_name)}},
            true};
}

CommandLine syntax_help_command(std::wstring_view pp_folder, std::wstring_view pp_name,
                                std::wstring_view typed_word, UpperCase upper) {
    return {joined_path(pp_folder, pp_name),
            {{L"major word", L"?" + upper_case(typed_word, upper)}},
            false};
}

} // namespace workbench
