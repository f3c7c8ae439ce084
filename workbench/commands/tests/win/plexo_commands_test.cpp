// The commands in the real workbench window: buttons clicked and list items chosen through
// the automation contract, message boxes and started programs recorded by a fake Shell that
// touches real files, so that the lists' re-reads show what the commands did.

#include "commands/win/connect_commands.h"
#include "commands/win/win32_shell.h"

#include "../fakes.h"
#include "tests/win/plexo_test_window.h"

#include <gtest/gtest.h>

namespace workbench::testing {
namespace {

using desktop::testing::click;

// Scripted answers and recorded starts, but real files.
class FilesOnDisk : public FakeShell {
public:
    using FakeShell::FakeShell;
    bool is_file(const std::wstring& path) override { return real_.is_file(path); }
    std::optional<std::wstring> delete_file(const std::wstring& path) override {
        FakeShell::delete_file(path);
        return real_.delete_file(path);
    }

private:
    Win32Shell real_;
};

class PlexoCommandsTest : public PlexoTest {
protected:
    void SetUp() override {
        PlexoTest::SetUp();
        start(config().c_str());
        connect_commands(window_->form(), state(), *window_, shell_);
        window_->form().show();
        desktop::testing::pump_messages();
        ASSERT_TRUE(boxes_.shown.empty()) << narrow(boxes_.shown[0].text);
    }

    Log log_;
    FilesOnDisk shell_{log_};
};

TEST_F(PlexoCommandsTest, PostProcessingTheChosenFilesNarrowsTheListWithOkAndWithCancel) {
    click_item(L"FilAPT", L"PART1.APT");
    click_item(L"FilPosts", L"MILL.PP.EXE");
    click(control(L"CmdPost"));
    EXPECT_EQ(log_, (Log{L"box 1 Plexo: Select File & PostProcessor",
                         L"start " + pp_ + L"\\MILL " + cl_ + L"\\PART1.APT C " + cl_.substr(2) +
                             L" PART1 APT",
                         L"box 0 Plexo: Result = 2468"}));
    EXPECT_EQ(state().answer, 1);
    EXPECT_EQ(state().task_id, L"2468");
    EXPECT_EQ(items(L"FilAPT"), (Items{L"PART1.APT", L"PART1.NC", L"PART1.NC1"}));
    EXPECT_EQ(desktop::testing::text_of(control(L"CmbType")), L"All files");

    window_->set_cl_pattern(L"*.*");
    click_item(L"FilAPT", L"README");
    shell_.answers = {cancel_button};
    click(control(L"CmdPost"));
    EXPECT_EQ(state().answer, 2);
    EXPECT_EQ(state().task_id, L"2468");
    EXPECT_EQ(items(L"FilAPT"), visible({L".APT"})); // README has no base name: ".*"
}

TEST_F(PlexoCommandsTest, DeleteAndInstallRereadTheirLists) {
    click_item(L"FilAPT", L"PART1.NC1");
    click(control(L"CmdDelete"));
    EXPECT_EQ(items(L"FilAPT"), visible({L".APT", L"b.apt", L"MILL.PPTABLE", L"part.ncd",
                                         L"PART1.APT", L"PART1.NC", L"README"}));
    EXPECT_EQ(state().cl_file, L"PART1.NC1");

    write_file(pp_ + L"\\LATHE.EXE", ""); // what instpp.bat would write
    shell_.inputs = {L"lathe"};
    click(control(L"CmdInsPP"));
    EXPECT_EQ(shell_.started.back().text(), L"instpp.bat " + pp_ + L" lathe");
    EXPECT_EQ(items(L"FilPosts"), (Items{L"FANUC", L"LATHE.EXE", L"MILL.PP.EXE"}));
}

TEST_F(PlexoCommandsTest, DoubleClickEditsAndEachButtonStartsItsOwnProgram) {
    click_item(L"FilAPT", L"README", LBN_DBLCLK);
    EXPECT_EQ(state().cl_file, L"README");
    const std::wstring editor = L"c:\\Program Files\\windows NT\\accessories\\wordpad.exe";
    EXPECT_EQ(shell_.started.back().text(), editor + L" " + cl_ + L"\\README");

    // The user buttons run their own batch files whatever their captions say.
    const std::pair<const wchar_t*, std::wstring> buttons[] = {
        {L"CmdEdit", editor},
        {L"CmdPrint", L"c:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRD32"},
        {L"CmdUser1", L"user1.bat"},
        {L"CmdUser2", L"user2.bat"},
        {L"CmdUser3", L"user3.bat"},
    };
    for (const auto& [button, program] : buttons) {
        click(control(button));
        EXPECT_EQ(shell_.started.back().program, program) << narrow(button);
    }
    EXPECT_EQ(shell_.started.back().text(),
              L"user3.bat " + pp_ + L"  " + cl_ + L"\\README C " + cl_.substr(2) + L"  README");
}

} // namespace
} // namespace workbench::testing
