#include "commands/opening.h"

#include "commands/command_lines.h"
#include "commands/commands.h"

namespace workbench {

namespace {

Opening started_by(CommandLine line) {
    return {Opening::Way::command_line, std::move(line), {}, {}, {}};
}

Opening nothing_opens(std::wstring message) {
    return {Opening::Way::none, {}, {}, {}, std::move(message)};
}

} // namespace

Opening edit_opening(Shell& shell, const std::wstring& cl_path) {
    CommandLine wordpad = edit_command(cl_path);
    if (shell.program_file(wordpad.program)) return started_by(std::move(wordpad));
    if (const auto found = shell.program_file(std::wstring(notepad)))
        return started_by({*found, {{L"CL path", L"\"" + cl_path + L"\""}}, false});
    return nothing_opens(L"The file\n" + cl_path + L"\ncould not be opened for editing: neither " +
                         L"WordPad\n" + wordpad.program + L"\nnor Notepad (" +
                         std::wstring(notepad) + L") is on this computer.");
}

Opening users_guide_opening(Shell& shell) {
    CommandLine reader = users_guide_command();
    if (shell.program_file(reader.program)) return started_by(std::move(reader));
    const std::wstring guide = reader.arguments.front().text;
    const std::wstring tried = L"The reader\n" + reader.program + L"\nis not on this computer";
    if (!shell.is_file(guide))
        return nothing_opens(tried + L", and there is no user's guide\n" + guide +
                             L"\nto open otherwise.");
    const std::wstring type = guide.substr(guide.rfind(L'.'));
    const auto program = shell.program_for_type(type);
    if (!program)
        return nothing_opens(tried + L", and no program is set to open " + type +
                             L" files, so the user's guide\n" + guide + L"\ncannot be opened.");
    return {Opening::Way::by_type, {}, guide, *program, {}};
}

// The commands' own part of an opening: the start, or the message of why there is none.
std::optional<unsigned long> Commands::open(const Opening& opening) {
    switch (opening.way) {
    case Opening::Way::command_line:
        return start(opening.line);
    case Opening::Way::by_type: {
        const auto started = shell_.open_document(opening.document);
        if (!started.task_id)
            tell(L"The file\n" + opening.document + L"\ncould not be opened with\n" +
                 opening.program + L"\n" + started.failure);
        return started.task_id;
    }
    case Opening::Way::none:
        break;
    }
    tell(opening.message);
    return std::nullopt;
}

} // namespace workbench
