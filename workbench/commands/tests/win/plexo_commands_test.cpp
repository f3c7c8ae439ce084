// The commands in the real workbench window: buttons clicked and list items chosen through
// the automation contract, message boxes and started programs recorded by a fake Shell that
// touches real files, so that the lists' re-reads show what the commands did.

#include "commands/win/connect_commands.h"
#include "commands/win/win32_shell.h"
#include "win/plexo_window.h"

#include "../fakes.h"
#include "tests/win/test_folder.h"
#include "window_testing.h"

#include <gtest/gtest.h>

#include <memory>

namespace workbench {
namespace {

using desktop::testing::click;
using desktop::testing::RecordingMessageBox;
using desktop::testing::text_of;
using testing::FakePanes;
using testing::FakeShell;
using testing::Log;
using testing::TestFolder;
using testing::write_file;
using Items = std::vector<std::wstring>;

std::string narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

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

class PlexoCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Start-up opens the panes on the current drive and its \trelvo\bin before it
        // reads Plexo.cfg.
        GetCurrentDirectoryW(MAX_PATH, previous_folder_);
        SetCurrentDirectoryW(folder_.path().c_str());
        CreateDirectoryW(L"C:\\trelvo", nullptr);
        CreateDirectoryW(L"C:\\trelvo\\bin", nullptr);
        cl_ = folder_.folder(L"cl");
        pp_ = folder_.folder(L"pp");
        for (const wchar_t* name : {L"PART1.APT", L"PART1.NC", L"PART2.APT", L"README"})
            write_file(cl_ + L"\\" + name, "");
        write_file(pp_ + L"\\MILL5X.EXE", "");
        const auto config = folder_.folder(L"prog") + L"\\Plexo.cfg";
        write_file(config, "\"VAR\",\"" + narrow(cl_) + "\"\r\n\"" + narrow(pp_) +
                               "\"\r\n\"Mill\"\r\n\"Lathe\"\r\n\"Zip\"\r\n");
        window_ = std::make_unique<win::PlexoWindow>(config, start_up_boxes_.function());
        connect_commands(window_->form(), window_->state(), *window_, shell_);
        window_->form().show();
        desktop::testing::pump_messages();
        ASSERT_TRUE(start_up_boxes_.shown.empty()) << narrow(start_up_boxes_.shown[0].text);
    }

    void TearDown() override {
        window_.reset();
        SetCurrentDirectoryW(previous_folder_);
    }

    HWND control(std::wstring_view name) { return window_->form().control(name); }
    void click_item(std::wstring_view list, const std::wstring& text, WORD how = LBN_SELCHANGE) {
        const auto index = SendMessageW(control(list), LB_FINDSTRINGEXACT, -1,
                                        reinterpret_cast<LPARAM>(text.c_str()));
        ASSERT_NE(index, LB_ERR) << narrow(text);
        SendMessageW(control(list), LB_SETCURSEL, index, 0);
        SendMessageW(window_->form().window(), WM_COMMAND,
                     MAKEWPARAM(window_->form().control_id(list), how),
                     reinterpret_cast<LPARAM>(control(list)));
    }
    Items items(std::wstring_view list) {
        Items texts;
        const auto count = SendMessageW(control(list), LB_GETCOUNT, 0, 0);
        for (int i = 0; i < count; ++i) {
            wchar_t text[MAX_PATH]{};
            SendMessageW(control(list), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            texts.push_back(text);
        }
        return texts;
    }
    WindowState& state() { return window_->state(); }

    TestFolder folder_;
    std::wstring cl_, pp_;
    RecordingMessageBox start_up_boxes_;
    Log log_;
    FilesOnDisk shell_{log_};
    std::unique_ptr<win::PlexoWindow> window_;
    wchar_t previous_folder_[MAX_PATH]{};
};

TEST_F(PlexoCommandsTest, PostProcessingTheChosenFilesNarrowsTheListWithOkAndWithCancel) {
    click_item(L"FilAPT", L"PART1.APT");
    click_item(L"FilPosts", L"MILL5X.EXE");
    click(control(L"CmdPost"));
    const auto folder_part = cl_.substr(2);
    EXPECT_EQ(log_, (Log{L"box 1 Plexo: Select File & PostProcessor",
                         L"start " + pp_ + L"\\MILL5X " + cl_ + L"\\PART1.APT C " + folder_part +
                             L" PART1 APT",
                         L"box 0 Plexo: Result = 2468"}));
    EXPECT_EQ(state().answer, 1);
    EXPECT_EQ(state().task_id, L"2468");
    EXPECT_EQ(items(L"FilAPT"), (Items{L"PART1.APT", L"PART1.NC"}));
    EXPECT_EQ(text_of(control(L"CmbType")), L"All files");

    window_->set_cl_pattern(L"*.*");
    click_item(L"FilAPT", L"README");
    shell_.answers = {cancel_button};
    click(control(L"CmdPost"));
    EXPECT_EQ(state().answer, 2);
    EXPECT_EQ(state().task_id, L"2468");
    EXPECT_EQ(items(L"FilAPT"), Items{}); // README has no base name: the pattern ".*"
}

TEST_F(PlexoCommandsTest, DeleteRemovesTheFileFromDiskAndList) {
    click_item(L"FilAPT", L"PART2.APT");
    click(control(L"CmdDelete"));
    EXPECT_EQ(items(L"FilAPT"), (Items{L"PART1.APT", L"PART1.NC", L"README"}));
    EXPECT_EQ(state().cl_file, L"PART2.APT");
}

TEST_F(PlexoCommandsTest, PostProcessorMaintenanceRereadsThePostProcessorList) {
    click_item(L"FilPosts", L"MILL5X.EXE");
    write_file(pp_ + L"\\LATHE.EXE", ""); // what instpp.bat would write
    shell_.inputs = {L"lathe"};
    log_.clear();
    click(control(L"CmdInsPP"));
    EXPECT_EQ(log_, (Log{L"input Install PostProcessor: Enter PostProcessor name",
                         L"start instpp.bat " + pp_ + L" lathe",
                         L"box 0 Plexo: PostProcessor installed."}));
    EXPECT_EQ(items(L"FilPosts"), (Items{L"LATHE.EXE", L"MILL5X.EXE"}));

    shell_.inputs = {L"gotO"};
    click(control(L"CmdHelp"));
    EXPECT_EQ(shell_.started.back().text(), pp_ + L"\\MILL5X ?GOTO");

    click(control(L"CmdDelPP")); // MILL5X without its extension names no file
    EXPECT_EQ(log_.back(),
              L"box 0 Plexo: There is no file\n" + pp_ + L"\\MILL5X\nNothing was deleted.");
}

TEST_F(PlexoCommandsTest, DoubleClickEditsAndEachButtonStartsItsOwnProgram) {
    click_item(L"FilAPT", L"README", LBN_DBLCLK);
    EXPECT_EQ(state().cl_file, L"README");
    const std::wstring editor = L"c:\\Program Files\\windows NT\\accessories\\wordpad.exe";
    EXPECT_EQ(shell_.started.back().text(), editor + L" " + cl_ + L"\\README");

    // The user buttons run their own batch files whatever their captions say.
    EXPECT_EQ(text_of(control(L"CmdUser2")), L"Lathe");
    const struct {
        const wchar_t* button;
        std::wstring program;
    } buttons[] = {
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
} // namespace workbench
