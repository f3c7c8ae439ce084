#include "commands/command_line.h"

namespace workbench {

namespace {

std::wstring joined_arguments(const CommandLine& line) {
    std::wstring text;
    for (const auto& argument : line.arguments) {
        text += L' ';
        text += argument.text;
    }
    return text;
}

} // namespace

std::wstring CommandLine::text() const {
    return program + joined_arguments(*this);
}

std::wstring quoted_program(std::wstring_view program) {
    if (program.find(L' ') == std::wstring_view::npos) return std::wstring(program);
    return L"\"" + std::wstring(program) + L"\"";
}

std::wstring program_line(const CommandLine& line) {
    return quoted_program(line.program) + joined_arguments(line);
}

std::wstring interpreter_line(const CommandLine& line, std::wstring_view batch_path) {
    // Always quoted: besides a blank, "," ";" and "=" also split an unquoted path.
    return L"cmd.exe /d /v:off /s /c \"\"" + std::wstring(batch_path) + L"\"" +
           joined_arguments(line) + L"\"";
}

std::optional<std::wstring> interpreter_hazard(const CommandLine& line) {
    if (!line.batch) return std::nullopt;
    for (const auto& argument : line.arguments) {
        const auto at = argument.text.find_first_of(interpreter_syntax);
        if (at == std::wstring::npos) continue;
        return line.program + L" was not started: the " + std::wstring(argument.role) + L"\n" +
               argument.text + L"\nholds the character " + argument.text[at] +
               L", which the command interpreter would take as part of a command.";
    }
    return std::nullopt;
}

} // namespace workbench
