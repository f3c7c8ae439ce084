#include "win/plexo_window.h"

#include "core/folder_path.h"
#include "core/layout_rule.h"
#include "tests/win/test_folder.h"
#include "window_testing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <tuple>

namespace workbench::win {
namespace {

using desktop::testing::RecordingMessageBox;
using desktop::testing::text_of;
using workbench::testing::exists;
using workbench::testing::read_file;
using workbench::testing::TestFolder;
using workbench::testing::write_file;
using Items = std::vector<std::wstring>;

constexpr const char* no_file = nullptr;

std::string narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

// A CL folder, a post-processor folder and the program's folder with its Plexo.cfg, all
// in a folder of the test's own on C:, which is also the current folder.
class PlexoWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        GetCurrentDirectoryW(MAX_PATH, previous_folder_);
        CreateDirectoryW(L"C:\\trelvo", nullptr);
        CreateDirectoryW(L"C:\\trelvo\\bin", nullptr);
        cl_ = folder_.folder(L"cl");
        pp_ = folder_.folder(L"pp");
        config_ = folder_.folder(L"prog") + L"\\Plexo.cfg";
        folder_.folder(L"cl\\sub");
        folder_.folder(L"cl\\Alpha");
        for (const wchar_t* name : {L"PART1.APT", L"PART1.NC", L"PART1.NC1", L"part.ncd",
                                    L"MILL.PPTABLE", L"README", L".APT", L"b.apt"})
            write_file(cl_ + L"\\" + name, "");
        write_file(cl_ + L"\\hidden.APT", "", FILE_ATTRIBUTE_HIDDEN);
        write_file(cl_ + L"\\system.APT", "", FILE_ATTRIBUTE_SYSTEM);
        write_file(pp_ + L"\\MILL.PP.EXE", "");
        write_file(pp_ + L"\\FANUC", "");
        SetCurrentDirectoryW(folder_.path().c_str());
    }
    void TearDown() override {
        window_.reset();
        SetCurrentDirectoryW(previous_folder_);
    }

    std::string written_config(const char* mode = "VAR") const {
        return std::string("\"") + mode + "\",\"" + narrow(cl_) + "\"\r\n\"" + narrow(pp_) +
               "\"\r\n\"Backup\"\r\n\"Print\"\r\n\"Zip\"\r\n";
    }

    // Writes Plexo.cfg (none for no_file) and makes the window, which runs start-up.
    void start(const char* config) {
        if (config) write_file(config_, config);
        window_ = std::make_unique<PlexoWindow>(config_, boxes_.function());
    }

    HWND control(std::wstring_view name) { return window_->form().control(name); }

    Items items(std::wstring_view list) {
        const HWND handle = control(list);
        const bool combo = list.starts_with(L"Drive") || list == L"CmbType";
        const auto count = SendMessageW(handle, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
        Items texts;
        for (int i = 0; i < count; ++i) {
            wchar_t text[MAX_PATH * 2]{};
            SendMessageW(handle, combo ? CB_GETLBTEXT : LB_GETTEXT, i,
                         reinterpret_cast<LPARAM>(text));
            texts.push_back(text);
        }
        return texts;
    }

    int selected(std::wstring_view list) {
        return static_cast<int>(SendMessageW(control(list), LB_GETCURSEL, 0, 0));
    }

    void notify(std::wstring_view name, WORD notification) {
        SendMessageW(window_->form().window(), WM_COMMAND,
                     MAKEWPARAM(window_->form().control_id(name), notification),
                     reinterpret_cast<LPARAM>(control(name)));
    }

    void choose(std::wstring_view combo, int position) {
        SendMessageW(control(combo), CB_SETCURSEL, position, 0);
        notify(combo, CBN_SELCHANGE);
    }

    void click_item(std::wstring_view list, const std::wstring& text, WORD how = LBN_SELCHANGE) {
        const auto index = SendMessageW(control(list), LB_FINDSTRINGEXACT, -1,
                                        reinterpret_cast<LPARAM>(text.c_str()));
        ASSERT_NE(index, LB_ERR) << narrow(text);
        SendMessageW(control(list), LB_SETCURSEL, index, 0);
        notify(list, how);
    }

    int message_count() const { return static_cast<int>(boxes_.shown.size()); }

    void expect_only_start_up_failures(int count) {
        EXPECT_EQ(message_count(), count);
        for (const auto& box : boxes_.shown) {
            EXPECT_EQ(box.text, L"APT source folder not found");
            EXPECT_EQ(box.style, 1);
            EXPECT_EQ(box.title, L"Plexo");
        }
    }

    // The files of the CL folder that the system does not hide: Wine, like a Unix shell,
    // hides names that begin with "." unless told otherwise.
    Items visible(const Items& names) const {
        Items shown;
        for (const auto& name : names)
            if (!(GetFileAttributesW((cl_ + L"\\" + name).c_str()) & FILE_ATTRIBUTE_HIDDEN))
                shown.push_back(name);
        return shown;
    }

    std::wstring root_of_current_drive() const { return folder_.path().substr(0, 3); }

    TestFolder folder_;
    std::wstring cl_, pp_, config_;
    RecordingMessageBox boxes_;
    std::unique_ptr<PlexoWindow> window_;
    wchar_t previous_folder_[MAX_PATH]{};
};

const Items all_cl_files = {L".APT",      L"b.apt",    L"MILL.PPTABLE", L"part.ncd",
                            L"PART1.APT", L"PART1.NC", L"PART1.NC1",    L"README"};

TEST_F(PlexoWindowTest, StartUpShowsTheConfiguredFoldersAndCaptions) {
    start(written_config().c_str());
    EXPECT_EQ(message_count(), 0);
    EXPECT_FALSE(IsWindowVisible(window_->form().window())) << "start-up runs before it shows";
    EXPECT_EQ(text_of(window_->form().window()), L"Plexo V1.9");
    EXPECT_EQ(window_->state().cfg_mode, L"VAR");
    EXPECT_EQ(window_->cl_folder(), cl_);
    EXPECT_EQ(window_->pp_folder(), pp_);

    // The folder list: the path from the root down, the open folder selected, then its
    // subfolders sorted without regard to case.
    const auto levels = folder_levels(cl_);
    Items dir_items(levels.begin(), levels.end());
    dir_items.insert(dir_items.end(), {L"Alpha", L"sub"});
    EXPECT_EQ(items(L"DirAPT"), dir_items);
    EXPECT_EQ(selected(L"DirAPT"), static_cast<int>(levels.size()) - 1);
    EXPECT_EQ(items(L"FilAPT"), visible(all_cl_files));
    EXPECT_EQ(items(L"FilPosts"), (Items{L"FANUC", L"MILL.PP.EXE"}));

    EXPECT_EQ(text_of(control(L"CmdUser1")), L"Backup");
    EXPECT_EQ(text_of(control(L"CmdUser2")), L"Print");
    EXPECT_EQ(text_of(control(L"CmdUser3")), L"Zip");
    EXPECT_EQ(text_of(control(L"CmbType")), L"All files");
    EXPECT_EQ(items(L"CmbType"),
              (Items{L"All files", L"Current files", L"Output files", L"APTsource", L"Qvorin",
                     L"NCList", L"NCStatus", L"PPTables", L"cfg", L"NCI files"}));
    for (const wchar_t* drives : {L"DriveAPT", L"DrivePP"}) {
        EXPECT_EQ(text_of(control(drives)).substr(0, 2), L"c:");
        for (const auto& item : items(drives))
            EXPECT_EQ(item[1], L':') << narrow(item);
    }
    // The automation contract: ID 1000 + tab index, standard classes.
    EXPECT_EQ(GetDlgCtrlID(control(L"CmdPost")), 1000);
    EXPECT_EQ(GetDlgCtrlID(control(L"FilAPT")), 1010);
    EXPECT_EQ(GetDlgCtrlID(control(L"CmdUser3")), 1022);
    EXPECT_EQ(desktop::testing::class_of(control(L"DirAPT")), L"ListBox");
}

TEST_F(PlexoWindowTest, FileTypesFilterTheClFiles) {
    start(written_config().c_str());
    struct Case {
        int position;
        Items shown;
    };
    const Case cases[] = {
        {2, {L"part.ncd", L"PART1.NC", L"PART1.NC1"}},
        {3, {L".APT", L"b.apt", L"PART1.APT"}},
        {4, {L"part.ncd"}},
        {7, {L"MILL.PPTABLE"}},
        {9, {}},
        {1, {L".APT"}}, // no CL file chosen yet: the pattern ".*"
        {0, all_cl_files},
    };
    for (const auto& c : cases) {
        choose(L"CmbType", c.position);
        EXPECT_EQ(items(L"FilAPT"), visible(c.shown)) << "entry " << c.position;
    }

    // "Current files" takes the base of the file last clicked, when it is chosen.
    click_item(L"FilAPT", L"PART1.APT");
    choose(L"CmbType", 1);
    EXPECT_EQ(items(L"FilAPT"), (Items{L"PART1.APT", L"PART1.NC", L"PART1.NC1"}));
    window_->state().cl_file = L"b.apt";
    EXPECT_EQ(items(L"FilAPT"), (Items{L"PART1.APT", L"PART1.NC", L"PART1.NC1"}));

    // Typing into the file-type field changes nothing.
    desktop::testing::type_into(control(L"CmbType"), L"*.APT");
    notify(L"CmbType", CBN_EDITCHANGE);
    EXPECT_EQ(items(L"FilAPT"), (Items{L"PART1.APT", L"PART1.NC", L"PART1.NC1"}));

    // The commands' way in: a pattern set without touching CmbType.
    window_->set_cl_pattern(L"*.NCD");
    EXPECT_EQ(items(L"FilAPT"), (Items{L"part.ncd"}));
    EXPECT_EQ(SendMessageW(control(L"CmbType"), CB_GETCURSEL, 0, 0), 1);
}

TEST_F(PlexoWindowTest, ClicksChooseTheClFileAndThePostProcessor) {
    start(written_config().c_str());
    click_item(L"FilAPT", L"PART1.NC1");
    EXPECT_EQ(window_->state().cl_file, L"PART1.NC1");
    click_item(L"FilAPT", L"b.apt", LBN_DBLCLK);
    EXPECT_EQ(window_->state().cl_file, L"b.apt");
    click_item(L"FilPosts", L"MILL.PP.EXE");
    EXPECT_EQ(window_->state().pp_name, L"MILL");
    click_item(L"FilPosts", L"FANUC");
    EXPECT_EQ(window_->state().pp_name, L"FANUC");

    // Another folder keeps the names; "Current files" then looks for the old base there.
    write_file(cl_ + L"\\sub\\b.nc", "");
    click_item(L"DirAPT", L"sub", LBN_DBLCLK);
    EXPECT_EQ(window_->cl_folder(), cl_ + L"\\sub");
    EXPECT_EQ(window_->state().cl_file, L"b.apt");
    choose(L"CmbType", 1);
    EXPECT_EQ(items(L"FilAPT"), (Items{L"b.nc"}));
}

TEST_F(PlexoWindowTest, FolderListsOpenFoldersByDoubleClickOnly) {
    start(written_config().c_str());
    click_item(L"DirAPT", L"Alpha");
    EXPECT_EQ(window_->cl_folder(), cl_) << "a single click only highlights";
    click_item(L"DirAPT", L"Alpha", LBN_DBLCLK);
    EXPECT_EQ(window_->cl_folder(), cl_ + L"\\Alpha");
    EXPECT_EQ(items(L"FilAPT"), Items{});
    const auto root = root_of_current_drive();
    click_item(L"DirAPT", root, LBN_DBLCLK);
    EXPECT_EQ(window_->cl_folder(), root);
    EXPECT_EQ(items(L"DirAPT").front(), root);
    EXPECT_EQ(selected(L"DirAPT"), 0);
    EXPECT_EQ(message_count(), 0);
}

TEST_F(PlexoWindowTest, ADriveThatCannotBeReadLeavesThePaneAsItWas) {
    start(written_config().c_str());
    // A drive letter the system does not have, as a drive without its medium would be.
    SendMessageW(control(L"DriveAPT"), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"q: [gone]"));
    const auto gone =
        SendMessageW(control(L"DriveAPT"), CB_FINDSTRING, -1, reinterpret_cast<LPARAM>(L"q:"));
    choose(L"DriveAPT", static_cast<int>(gone));
    ASSERT_EQ(message_count(), 1);
    EXPECT_EQ(boxes_.shown[0].title, L"Plexo");
    EXPECT_NE(boxes_.shown[0].text.find(L"q:"), std::wstring::npos) << narrow(boxes_.shown[0].text);
    EXPECT_EQ(text_of(control(L"DriveAPT")).substr(0, 2), L"c:");
    EXPECT_EQ(window_->cl_folder(), cl_);
    EXPECT_EQ(items(L"FilAPT"), visible(all_cl_files));
}

TEST_F(PlexoWindowTest, AMissingFileFailsEveryReadAndIsNeverWritten) {
    boxes_.answers = {1, 2};
    start(no_file);
    // Opening it, the five reads, and the two empty folder values.
    expect_only_start_up_failures(8);
    EXPECT_EQ(window_->state().answer, 1) << "the last box's button, OK once the queue is empty";
    EXPECT_EQ(window_->state().cfg_mode, L"");
    for (const wchar_t* button : {L"CmdUser1", L"CmdUser2", L"CmdUser3"})
        EXPECT_EQ(text_of(control(button)), L"");
    EXPECT_EQ(window_->cl_folder(), root_of_current_drive());
    EXPECT_EQ(window_->pp_folder(), L"C:\\trelvo\\bin");
    EXPECT_EQ(text_of(control(L"DrivePP")).substr(0, 2), L"c:");

    const HWND form = window_->form().window();
    desktop::testing::click(control(L"CmdExit"));
    EXPECT_FALSE(IsWindow(form));
    EXPECT_FALSE(exists(config_));
}

TEST_F(PlexoWindowTest, AShortFileLeavesTheCaptionHolderAsItWas) {
    struct Case {
        std::string file;
        int messages;
        Items captions;
    };
    const std::string two_lines = "\"VAR\",\"" + narrow(cl_) + "\"\r\n\"" + narrow(pp_) + "\"\r\n";
    const Case cases[] = {
        {two_lines, 3, {L"", L"", L""}},
        {two_lines + "\"Backup\"\r\n\"Print\"\r\n", 1, {L"Backup", L"Print", L"Print"}},
    };
    for (const auto& c : cases) {
        boxes_.shown.clear();
        start(c.file.c_str());
        expect_only_start_up_failures(c.messages);
        EXPECT_EQ((Items{text_of(control(L"CmdUser1")), text_of(control(L"CmdUser2")),
                         text_of(control(L"CmdUser3"))}),
                  c.captions);
        EXPECT_EQ(window_->cl_folder(), cl_);
        EXPECT_EQ(window_->pp_folder(), pp_);
    }
}

TEST_F(PlexoWindowTest, AClFolderThatIsGoneLeavesTheRootAndIsWrittenSo) {
    boxes_.answers = {2};
    const std::string gone = "\"VAR\",\"" + narrow(cl_) + "\\gone\"\r\n\"" + narrow(pp_) +
                             "\"\r\n\"Backup\"\r\n\"Print\"\r\n\"Zip\"\r\n";
    start(gone.c_str());
    expect_only_start_up_failures(1);
    EXPECT_EQ(window_->state().answer, 2);
    EXPECT_EQ(window_->cl_folder(), root_of_current_drive());
    desktop::testing::click(control(L"CmdExit"));
    EXPECT_EQ(read_file(config_), "\"VAR\",\"" + narrow(root_of_current_drive()) + "\"\r\n\"" +
                                      narrow(pp_) + "\"\r\n\"Backup\"\r\n\"Print\"\r\n\"Zip\"\r\n");
}

TEST_F(PlexoWindowTest, APostProcessorFolderThatIsGoneKeepsTrelvoBin) {
    const std::string gone = "\"VAR\",\"" + narrow(cl_) + "\"\r\n\"" + narrow(pp_) +
                             "\\gone\"\r\n\"Backup\"\r\n\"Print\"\r\n\"Zip\"\r\n";
    start(gone.c_str());
    expect_only_start_up_failures(1);
    EXPECT_EQ(window_->pp_folder(), L"C:\\trelvo\\bin");
    // The failure rule points FilAPT at the current drive's root, while DirAPT keeps the
    // configured CL folder.
    EXPECT_EQ(window_->cl_folder(), cl_);
    const Items shown = items(L"FilAPT");
    EXPECT_EQ(std::find(shown.begin(), shown.end(), L"PART1.APT"), shown.end());
}

TEST_F(PlexoWindowTest, ExitWritesTheFileInItsWrittenFormOnlyForVar) {
    // Hand-written: unquoted, the mode word and the CL folder on two lines.
    const std::string hand_written =
        "VAR\r\n" + narrow(cl_) + "\r\n" + narrow(pp_) + "\r\nBackup\r\nPrint\r\nZip\r\n";
    start(hand_written.c_str());
    EXPECT_EQ(message_count(), 0);
    click_item(L"DirAPT", L"sub", LBN_DBLCLK);
    desktop::testing::click(control(L"CmdExit"));
    std::string expected = written_config();
    expected.replace(expected.find(narrow(cl_)), cl_.size(), narrow(cl_ + L"\\sub"));
    EXPECT_EQ(read_file(config_), expected);

    // Any other mode word: read, never written.
    for (const char* mode : {"var", "Var", "READ"}) {
        start(written_config(mode).c_str());
        click_item(L"DirAPT", L"sub", LBN_DBLCLK);
        desktop::testing::click(control(L"CmdExit"));
        EXPECT_EQ(read_file(config_), written_config(mode)) << mode;
    }
}

TEST_F(PlexoWindowTest, TheCloseBoxEndsWithoutWriting) {
    start(written_config().c_str());
    click_item(L"DirAPT", L"sub", LBN_DBLCLK);
    const HWND form = window_->form().window();
    SendMessageW(form, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(form));
    EXPECT_EQ(read_file(config_), written_config());
}

TEST_F(PlexoWindowTest, AFileThatCannotBeWrittenIsKeptAndReported) {
    start(written_config().c_str());
    SetFileAttributesW(config_.c_str(), FILE_ATTRIBUTE_READONLY);
    click_item(L"DirAPT", L"sub", LBN_DBLCLK);
    const HWND form = window_->form().window();
    desktop::testing::click(control(L"CmdExit"));
    ASSERT_EQ(message_count(), 1);
    EXPECT_EQ(boxes_.shown[0].title, L"Plexo");
    EXPECT_EQ(boxes_.shown[0].style, 0);
    EXPECT_NE(boxes_.shown[0].text.find(config_), std::wstring::npos);
    EXPECT_FALSE(IsWindow(form)) << "the program still ends";
    EXPECT_EQ(read_file(config_), written_config());
}

TEST_F(PlexoWindowTest, TheLayoutRuleFollowsEveryResize) {
    start(written_config().c_str());
    desktop::Form& form = window_->form();
    const HWND window = form.window();
    // Resizes to about the given outer size and gives the growth over the reference size
    // that the window really got: at 120 DPI a pixel is 12 twips, not 15.
    const auto resize = [&](int width_twips, int height_twips) {
        SetWindowPos(window, nullptr, 0, 0, form.to_pixels(width_twips),
                     form.to_pixels(height_twips), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT outer;
        GetWindowRect(window, &outer);
        const double twips = 1440.0 / form.dpi();
        return std::pair{static_cast<int>(std::lround((outer.right - outer.left) * twips -
                                                      reference_outer_width)),
                         static_cast<int>(std::lround((outer.bottom - outer.top) * twips -
                                                      reference_outer_height))};
    };
    const auto placed = [&](std::wstring_view name) {
        return desktop::testing::placement_of(control(name));
    };
    const auto px = [&](int twips) { return form.to_pixels(twips); };

    auto [dw, dh] = resize(reference_outer_width, reference_outer_height);
    EXPECT_EQ(placed(L"FilAPT").right, px(120 + 8055 + dw));
    EXPECT_EQ(placed(L"Label3").top, px(7200 + dh));
    EXPECT_EQ(placed(L"CmdExit").left, px(10680 + dw));

    // Wider and taller: the CL pane widens, the rest follows the right and bottom edges.
    std::tie(dw, dh) = resize(reference_outer_width + 3000, reference_outer_height + 1500);
    EXPECT_NEAR(dw, 3000, 12);
    const RECT r = placed(L"FilAPT");
    EXPECT_EQ(r.right, px(120 + 8055 + dw));
    EXPECT_EQ(r.bottom, px(1680 + 5370 + dh));
    EXPECT_EQ(placed(L"DirAPT").right, px(120 + 8055 + dw));
    EXPECT_EQ(placed(L"DirAPT").bottom, px(360 + 1170));
    EXPECT_EQ(placed(L"CmdPost").left, px(10680 + dw));
    EXPECT_EQ(placed(L"CmdPost").top, px(240));
    EXPECT_EQ(placed(L"FilPosts").left, px(8280 + dw));
    EXPECT_EQ(placed(L"Label9").top, px(7200 + dh));
    EXPECT_EQ(placed(L"Label1").left, px(120));
    EXPECT_EQ(form.line(L"Line3").x1, 12240 + dw);
    EXPECT_EQ(form.line(L"Line2").x2, 12240 + dw);
    EXPECT_EQ(form.line(L"Line2").y1, 7080);

    // At or below 7000 twips on either side nothing moves.
    const RECT before = placed(L"CmdPost");
    resize(6000, 9000);
    EXPECT_EQ(placed(L"CmdPost").left, before.left);
    resize(20000, 6000);
    EXPECT_EQ(placed(L"CmdPost").left, before.left);
    ShowWindow(window, SW_MINIMIZE);
    EXPECT_EQ(placed(L"CmdPost").left, before.left);
    ShowWindow(window, SW_RESTORE);
}

} // namespace
} // namespace workbench::win
