#include "commands/win/connect_commands.h"

#include "commands/commands.h"

#include <memory>
#include <string_view>

namespace workbench {

namespace {

// The text of a list box's selected item; nothing when no item is selected.
std::optional<std::wstring> selected_item(HWND list) {
    const auto index = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return std::nullopt;
    std::wstring text(SendMessageW(list, LB_GETTEXTLEN, index, 0) + 1, L'\0');
    text.resize(SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data())));
    return text;
}

} // namespace

void connect_commands(desktop::Form& form, WindowState& state, Panes& panes, Shell& shell) {
    const auto commands = std::make_shared<Commands>(state, panes, shell);
    const struct {
        std::wstring_view button;
        void (Commands::*command)();
    } buttons[] = {
        {L"CmdPost", &Commands::post},
        {L"CmdEdit", &Commands::edit},
        {L"CmdPrint", &Commands::open_users_guide},
        {L"CmdDelete", &Commands::delete_cl_file},
        {L"CmdInsPP", &Commands::install_pp},
        {L"CmdDelPP", &Commands::remove_pp},
        {L"CmdHelp", &Commands::pp_help},
    };
    for (const auto& [button, command] : buttons)
        form.on_click(button, [commands, command] { (commands.get()->*command)(); });

    const std::wstring_view user_buttons[] = {L"CmdUser1", L"CmdUser2", L"CmdUser3"};
    for (int number = 1; number <= 3; ++number)
        form.on_click(user_buttons[number - 1], [commands, number] { commands->user(number); });

    // A double-click chooses the file as a click does, then edits it.
    const HWND cl_files = form.control(L"FilAPT");
    form.on_command(L"FilAPT", LBN_DBLCLK, [commands, cl_files, &state] {
        if (const auto name = selected_item(cl_files)) state.cl_file = *name;
        commands->edit();
    });
}

} // namespace workbench
