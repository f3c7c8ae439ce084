// The wiring of the command buttons and of the double-click in FilAPT, driven through the
// automation contract on a form that carries just those controls.

#include "commands/win/connect_commands.h"

#include "../fakes.h"
#include "window_testing.h"

#include <gtest/gtest.h>

namespace workbench {
namespace {

using namespace desktop::testing;
using testing::FakePanes;
using testing::FakeShell;
using testing::Log;

constexpr desktop::Font font{L"MS Sans Serif", 8};
constexpr desktop::Control controls[] = {
    {L"CmdPost", desktop::Kind::command_button, L"PostProcess", {}, 0, 0, 1200, 400, font},
    {L"CmdEdit", desktop::Kind::command_button, L"Edit", {}, 0, 400, 1200, 400, font},
    {L"CmdPrint", desktop::Kind::command_button, L"Plexo Help", {}, 0, 800, 1200, 400, font},
    {L"CmdDelete", desktop::Kind::command_button, L"Delete", {}, 0, 1200, 1200, 400, font},
    {L"CmdInsPP", desktop::Kind::command_button, L"Install PP", {}, 0, 1600, 1200, 400, font},
    {L"CmdDelPP", desktop::Kind::command_button, L"Remove PP", {}, 0, 2000, 1200, 400, font},
    {L"CmdHelp", desktop::Kind::command_button, L"PP Help", {}, 0, 2400, 1200, 400, font},
    {L"CmdUser1", desktop::Kind::command_button, L"Mill", {}, 0, 2800, 1200, 400, font},
    {L"CmdUser2", desktop::Kind::command_button, L"Lathe", {}, 0, 3200, 1200, 400, font},
    {L"CmdUser3", desktop::Kind::command_button, L"User 3", {}, 0, 3600, 1200, 400, font},
    {L"FilAPT", desktop::Kind::file_list, {}, {}, 1400, 0, 2400, 4000, font},
};
enum Tab { Post, Edit, Print, Delete, InsPP, DelPP, Help, User1, User2, User3, FilAPT };

class ConnectCommandsTest : public ::testing::Test {
protected:
    ConnectCommandsTest() {
        state.pp_name = L"MILL5X";
        connect_commands(form, state, panes, shell);
        form.show();
        pump_messages();
        for (const wchar_t* name : {L"PART1.APT", L"PART2.APT"})
            SendMessageW(at(FilAPT), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    HWND at(int tab) const { return control_at(form, tab); }
    void double_click_file(int index) {
        SendMessageW(at(FilAPT), LB_SETCURSEL, index, 0);
        SendMessageW(form.window(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(at(FilAPT)), LBN_DBLCLK),
                     reinterpret_cast<LPARAM>(at(FilAPT)));
    }

    desktop::Form form{desktop::FormSpec{
        L"PlexoCommandsTest", L"Plexo V1.9", 4000, 4200, font, 1, 1, controls, {}}};
    Log log;
    FakeShell shell{log};
    FakePanes panes{log};
    WindowState state;
};

TEST_F(ConnectCommandsTest, EachButtonRunsItsCommand) {
    state.cl_file = L"PART1.APT";
    shell.files = {L"D:\\JOBS\\P100\\PART1.APT", L"C:\\trelvo\\bin\\MILL5X"};
    shell.inputs = {L"mill5x", L"goto"};
    struct Case {
        int button;
        const wchar_t* first_request;
    };
    const Case cases[] = {
        {Post, L"box 1 Plexo: Select File & PostProcessor"},
        {Edit, L"start c:\\Program Files\\windows NT\\accessories\\wordpad.exe "
               L"D:\\JOBS\\P100\\PART1.APT"},
        {Print, L"start c:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRD32 "
                L"c:\\trelvo\\doc\\Plexo_Users_Guide.pdf"},
        {Delete, L"box 1 Plexo: Selected file will be Deleted !!\nD:\\JOBS\\P100\\PART1.APT"},
        {InsPP, L"input Install PostProcessor: Enter PostProcessor name"},
        {DelPP, L"box 1 Plexo: Selected PostProcessor will be Deleted !!\n"
                L"C:\\trelvo\\bin\\MILL5X"},
        {Help, L"input Syntax HELP: Enter MAJOR or Major word:"},
    };
    for (const auto& c : cases) {
        log.clear();
        click(at(c.button));
        ASSERT_FALSE(log.empty()) << c.button;
        EXPECT_EQ(log.front(), c.first_request);
    }
    // The user buttons run their own batch file whatever their captions say.
    for (int button : {User1, User2, User3}) {
        shell.started.clear();
        click(at(button));
        ASSERT_EQ(shell.started.size(), 1u);
        EXPECT_EQ(shell.started[0].program,
                  L"user" + std::to_wstring(button - User1 + 1) + L".bat");
    }
}

TEST_F(ConnectCommandsTest, DoubleClickInTheFileListChoosesTheFileThenEditsIt) {
    double_click_file(1);
    EXPECT_EQ(state.cl_file, L"PART2.APT");
    EXPECT_EQ(log, (Log{L"start c:\\Program Files\\windows NT\\accessories\\wordpad.exe "
                        L"D:\\JOBS\\P100\\PART2.APT",
                        L"box 0 Plexo: Result = 2468"}));

    // With no item selected the remembered file stays the chosen one.
    log.clear();
    double_click_file(-1);
    EXPECT_EQ(state.cl_file, L"PART2.APT");
    ASSERT_EQ(shell.started.size(), 2u);
}

} // namespace
} // namespace workbench
