// The workbench window as its user sees it: start-up, the panes, the file types, the
// command buttons, Exit and the layout rule on resize.

#include "core/folder_path.h"
#include "tests/win/plexo_test_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <tuple>

namespace workbench::testing {
namespace {

using desktop::testing::click;

TEST_F(PlexoTest, StartUpShowsTheConfiguredFoldersAndCaptions) {
    start(config("VAR", cl_ + L"\\", "R&D"));
    EXPECT_EQ(log_, Log{});
    EXPECT_FALSE(IsWindowVisible(window_->window())) << "start-up runs before it shows";
    EXPECT_EQ(desktop::window_text(window_->window()), L"Plexo V1.9");
    EXPECT_EQ(state().cfg_mode, L"VAR");
    // The path from the root down, the open folder selected, then its subfolders sorted
    // without regard to case; hidden and system files left out.
    Items dir_items = folder_levels(cl_);
    const auto open = static_cast<LRESULT>(dir_items.size()) - 1;
    dir_items.insert(dir_items.end(), {L"Alpha", L"sub"});
    EXPECT_EQ(items(L"DirAPT"), dir_items);
    EXPECT_EQ(SendMessageW(control(L"DirAPT"), LB_GETCURSEL, 0, 0), open);
    EXPECT_EQ(items(L"FilAPT"), all_cl_files);
    EXPECT_EQ(window_->pp_folder(), pp_);
    EXPECT_EQ(items(L"FilPosts"), (Items{L"FANUC", L"MILL.PP.EXE"}));
    EXPECT_EQ(window_->cl_folder(), cl_) << "kept without its trailing backslash";
    // "&&" is how a button shows one "&" and takes no access key from it.
    EXPECT_EQ(texts({L"CmdUser1", L"CmdUser2", L"CmdUser3", L"CmbType"}),
              (Items{L"Backup", L"Print", L"R&&D", L"All files"}));
    EXPECT_EQ(desktop::window_text(control(L"DrivePP")).substr(0, 2), L"c:");
    // The window as designed: client area 12375 x 8115 twips, a sizable border with both
    // boxes and the system menu, System bold 9.75 points, a 32 x 32 icon of its own.
    const HWND form = window_->window();
    RECT client;
    GetClientRect(form, &client);
    EXPECT_EQ(std::pair(client.right, client.bottom),
              std::pair(LONG{MulDiv(12375, window_->dpi(), 1440)},
                        LONG{MulDiv(8115, window_->dpi(), 1440)}));
    const LONG_PTR border = WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU;
    EXPECT_EQ(GetWindowLongPtrW(form, GWL_STYLE) & border, border);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control(L"FilAPT"), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_EQ(
        std::tuple(std::wstring(font.lfFaceName), font.lfWeight, font.lfHeight),
        std::tuple(std::wstring(L"System"), FW_BOLD, -std::lround(9.75 * window_->dpi() / 72)));
    // The icon: the program's own, holding a 32 x 32 image of 256 colours among the sizes
    // other screens ask for (its group directory: 6 bytes, then 14 bytes an image).
    EXPECT_NE(GetClassLongPtrW(form, GCLP_HICON), 0);
    const HRSRC group = FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    const auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, group)));
    std::vector<std::tuple<int, int, int>> images; // width, height, bits a pixel
    for (int n = 0; n < directory[4]; ++n) {
        const BYTE* image = directory + 6 + 14 * n;
        images.emplace_back(image[0], image[1], image[6]);
    }
    EXPECT_NE(std::ranges::find(images, std::tuple(32, 32, 8)), images.end());
    // Classes, styles, IDs and tool tips by the table; the layout rule decides the places.
    desktop::testing::expect_controls_match_table(*window_, window_->design(),
                                                  desktop::testing::Places::not_checked);
}

TEST_F(PlexoTest, FileTypesFilterAndClicksChooseTheFiles) {
    start(config());
    choose(L"CmbType", 2);
    EXPECT_EQ(items(L"FilAPT"), (Items{L"part.ncd", L"PART1.NC"}));
    click_item(L"FilPosts", L"MILL.PP.EXE");
    EXPECT_EQ(state().pp_name, L"MILL");
    click_item(L"FilAPT", L"PART1.NC");
    EXPECT_EQ(state().cl_file, L"PART1.NC");
    choose(L"CmbType", 1);
    const Items part1 = {L"PART1.APT", L"PART1.NC"};
    EXPECT_EQ(items(L"FilAPT"), part1);
    desktop::testing::type_into(control(L"CmbType"), L"*.APT");
    notify(L"CmbType", CBN_EDITCHANGE);
    EXPECT_EQ(items(L"FilAPT"), part1) << "typing into the file-type field changes nothing";
    // The arrow keys choose a file as a click does.
    PostMessageW(control(L"FilAPT"), WM_KEYDOWN, VK_UP, 0);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        if (!IsDialogMessageW(window_->window(), &message)) DispatchMessageW(&message);
    EXPECT_EQ(state().cl_file, L"PART1.APT");

    // A single click only highlights a folder; a double-click opens it, keeping the names.
    write_file(cl_ + L"\\sub\\PART1.nc", "");
    click_item(L"DirAPT", L"sub");
    EXPECT_EQ(window_->cl_folder(), cl_);
    click_item(L"DirAPT", L"sub", LBN_DBLCLK);
    EXPECT_EQ(window_->cl_folder(), cl_ + L"\\sub");
    EXPECT_EQ(items(L"FilAPT"), (Items{L"PART1.nc"}));
    EXPECT_EQ(state().cl_file, L"PART1.APT");
}

TEST_F(PlexoTest, ADriveGoesToItsCurrentFolderOrLeavesThePaneAsItWas) {
    start(config());
    // Wine's Z: is the Unix root; the system keeps each drive's current folder in "=Z:".
    SetEnvironmentVariableW(L"=Z:", L"Z:\\tmp");
    choose(L"DriveAPT", static_cast<int>(SendMessageW(control(L"DriveAPT"), CB_FINDSTRING, -1,
                                                      reinterpret_cast<LPARAM>(L"z:"))));
    EXPECT_EQ(window_->cl_folder(), L"Z:\\tmp");
    choose(L"DriveAPT", 0); // c:, whose current folder is the test's
    click_item(L"DirAPT", L"cl", LBN_DBLCLK);
    ASSERT_EQ(window_->cl_folder(), cl_);

    // A drive letter the system does not have, as a drive without its medium would be.
    const auto gone =
        SendMessageW(control(L"DriveAPT"), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"q: [gone]"));
    choose(L"DriveAPT", static_cast<int>(gone));
    ASSERT_EQ(log_.size(), 1u);
    EXPECT_TRUE(log_[0].starts_with(L"box 0 Plexo: Drive q: cannot be read.")) << narrow(log_[0]);
    EXPECT_EQ(desktop::window_text(control(L"DriveAPT")).substr(0, 2), L"c:");
    EXPECT_EQ(window_->cl_folder(), cl_);
    EXPECT_EQ(items(L"FilAPT"), all_cl_files);
}

// Wine reaches \\server\share through its prefix's dosdevices\unc folder, which the test
// can make; on Windows the test is skipped.
TEST_F(PlexoTest, AFolderOnANetworkShareOpensWithTheShareAsItsDrive) {
    wchar_t prefix[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"WINEPREFIX", prefix, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) GTEST_SKIP() << "no Wine prefix";
    std::wstring unc_folder = L"Z:" + std::wstring(prefix) + L"/dosdevices/unc/localhost";
    std::ranges::replace(unc_folder, L'/', L'\\');
    const std::wstring share = L"plexo-" + std::to_wstring(GetCurrentProcessId());
    std::filesystem::create_directories(unc_folder + L"\\" + share + L"\\jobs");
    write_file(unc_folder + L"\\" + share + L"\\jobs\\P1.APT", "");
    const std::wstring jobs = L"\\\\localhost\\" + share + L"\\jobs";
    start(config("VAR", jobs + L"\\"));
    EXPECT_EQ(log_, Log{});
    EXPECT_EQ(window_->cl_folder(), jobs);
    EXPECT_EQ(items(L"FilAPT"), (Items{L"P1.APT"}));
    EXPECT_EQ(desktop::window_text(control(L"DriveAPT")), L"\\\\localhost\\" + share);
    window_.reset();
    std::filesystem::remove_all(unc_folder + L"\\" + share);
}

TEST_F(PlexoTest, EachFailingStepOfStartUpShowsOneMessage) {
    const std::wstring root = folder_.path().substr(0, 3), trelvo_bin = L"C:\\trelvo\\bin";
    const std::string two_lines = config().substr(0, config().find("\"Backup\""));
    const std::string pp_gone = config().replace(config().find("\"\r\n\"Backup"), 0, "\\gone");
    const struct {
        std::string file; // "" for none at all
        std::size_t messages;
        Items captions;
        std::wstring cl_folder, pp_folder;
        bool without_trelvo_bin = false;
    } cases[] = {
        // Opening it, the five reads, and the two empty folder values.
        {"", 8, {L"", L"", L""}, root, trelvo_bin},
        {two_lines, 3, {L"", L"", L""}, cl_, pp_},
        {two_lines + "\"Backup\"\r\n\"Print\"\r\n", 1, {L"Backup", L"Print", L"Print"}, cl_, pp_},
        {config("VAR", cl_ + L"\\gone"), 1, {L"Backup", L"Print", L"Zip"}, root, pp_},
        {pp_gone, 1, {L"Backup", L"Print", L"Zip"}, cl_, trelvo_bin},
        {config(), 1, {L"Backup", L"Print", L"Zip"}, cl_, pp_, true},
    };
    for (const auto& c : cases) {
        shell_.answers = {cancel_button, cancel_button};
        if (c.without_trelvo_bin) {
            ASSERT_TRUE(RemoveDirectoryW(trelvo_bin.c_str()));
        }
        start(c.file);
        CreateDirectoryW(trelvo_bin.c_str(), nullptr);
        EXPECT_EQ(log_, Log(c.messages, L"box 1 Plexo: APT source folder not found")) << c.file;
        EXPECT_EQ(state().answer, c.messages == 1 ? 2 : 1) << "the last box's button, then OK";
        EXPECT_EQ(texts({L"CmdUser1", L"CmdUser2", L"CmdUser3"}), c.captions);
        EXPECT_EQ(std::pair(window_->cl_folder(), window_->pp_folder()),
                  std::pair(c.cl_folder, c.pp_folder))
            << c.file;
        // Whatever failed, each pane's drive, folder and file lists show one folder.
        if (c.cl_folder == cl_) {
            EXPECT_EQ(items(L"FilAPT"), all_cl_files) << c.file;
        }
        if (c.pp_folder == pp_) {
            EXPECT_EQ(items(L"FilPosts").size(), 2u) << c.file;
        }
        for (const auto* drives : {L"DriveAPT", L"DrivePP"})
            EXPECT_EQ(desktop::window_text(control(drives)).substr(0, 2), L"c:") << c.file;
    }
}

// Files that other programs add or remove show up with nothing clicked, the pattern and the
// highlighted file kept; a folder that vanishes is reported once and left for its parent.
TEST_F(PlexoTest, TheListsFollowTheFoldersByThemselves) {
    start(config());
    const auto listed = [this](const wchar_t* name) {
        const Items files = items(L"FilAPT");
        return std::ranges::find(files, std::wstring(name)) != files.end();
    };
    click_item(L"FilAPT", L"PART1.APT");
    write_file(cl_ + L"\\NEW.APT", "");
    DeleteFileW((cl_ + L"\\b.apt").c_str());
    EXPECT_TRUE(eventually([&] { return listed(L"NEW.APT") && !listed(L"b.apt"); }));
    EXPECT_EQ(highlighted(L"FilAPT"), L"PART1.APT");

    // A post-processor still writing when "Result = ..." was answered.
    click(control(L"CmdPost"));
    write_file(cl_ + L"\\PART1.LIS", "");
    EXPECT_TRUE(eventually([&] { return listed(L"PART1.LIS"); }));
    EXPECT_EQ(items(L"FilAPT"), (Items{L"PART1.APT", L"PART1.LIS", L"PART1.NC"}));

    click_item(L"DirAPT", L"sub", LBN_DBLCLK);
    log_.clear();
    // Moved away: Wine keeps a removed folder until the watch lets go of it, Windows not.
    ASSERT_TRUE(MoveFileW((cl_ + L"\\sub").c_str(), (folder_.path() + L"\\moved").c_str()));
    EXPECT_TRUE(eventually([&] { return window_->cl_folder() == cl_; }));
    EXPECT_TRUE(eventually([&] { return !log_.empty(); }));
    EXPECT_EQ(log_, Log{L"box 0 Plexo: The folder " + cl_ +
                        L"\\sub can no longer be read; the "
                        L"list shows " +
                        cl_ + L" instead."});
    EXPECT_EQ(items(L"FilAPT"), (Items{L"PART1.APT", L"PART1.LIS", L"PART1.NC"}));
}

TEST_F(PlexoTest, ExitWritesTheFileInItsWrittenFormOnlyForVar) {
    const std::string written = config();
    const struct {
        std::string file;     // "" for none at all
        bool exit, read_only; // else the close box
        std::string after;
    } cases[] = {
        // Hand-written: unquoted, the mode word and the CL folder on two lines.
        {"VAR\r\n" + narrow(cl_) + "\r\n" + narrow(pp_) + "\r\nBackup\r\nPrint\r\nZip\r\n", true,
         false, config("VAR", cl_ + L"\\sub")},
        {config("var"), true, false, config("var")},
        {config("VAR", cl_, "R&D"), true, false, config("VAR", cl_ + L"\\sub", "R&D")},
        {written, false, false, written},
        {"", true, false, "<missing>"},
        // A file that cannot be written is kept and reported, and the program still ends.
        {written, true, true, written},
    };
    for (const auto& c : cases) {
        start(c.file);
        log_.clear();
        if (c.read_only) SetFileAttributesW(config_.c_str(), FILE_ATTRIBUTE_READONLY);
        if (!c.file.empty()) click_item(L"DirAPT", L"sub", LBN_DBLCLK);
        const HWND form = window_->window();
        if (c.exit)
            click(control(L"CmdExit"));
        else
            SendMessageW(form, WM_CLOSE, 0, 0);
        EXPECT_FALSE(IsWindow(form));
        EXPECT_EQ(read_file(config_), c.after) << c.file;
        ASSERT_EQ(log_.size(), c.read_only ? 1u : 0u);
        if (c.read_only) {
            EXPECT_NE(log_[0].find(L"could not be saved in " + config_), std::wstring::npos);
        }
        SetFileAttributesW(config_.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(PlexoTest, TheLayoutRuleFollowsEveryResize) {
    start(config());
    desktop::Form& form = *window_;
    // Grows the window by about 3000 x 1500 twips over its reference outer size of
    // 12495 x 8490 and gives the growth it really got: at 120 DPI a pixel is 12 twips.
    SetWindowPos(form.window(), nullptr, 0, 0, form.to_pixels(15495), form.to_pixels(9990),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT outer;
    GetWindowRect(form.window(), &outer);
    const auto dw = static_cast<int>(std::lround(form.to_twips(outer.right - outer.left) - 12495));
    const auto dh = static_cast<int>(std::lround(form.to_twips(outer.bottom - outer.top) - 8490));
    const auto placed = [&](std::wstring_view name) {
        return desktop::testing::placement_of(control(name));
    };
    EXPECT_NEAR(dw, 3000, 12);
    EXPECT_EQ(placed(L"FilAPT").right, form.to_pixels(120 + 8055 + dw));
    EXPECT_EQ(placed(L"FilAPT").bottom, form.to_pixels(1680 + 5370 + dh));
    EXPECT_EQ(placed(L"CmdPost").left, form.to_pixels(10680 + dw));
    EXPECT_EQ(form.line(L"Line3").x1, 12240 + dw);

    // At or below 7000 twips on either side, and minimised, nothing moves.
    const RECT before = placed(L"CmdPost");
    SetWindowPos(form.window(), nullptr, 0, 0, form.to_pixels(6000), form.to_pixels(9000),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(form.window(), SW_MINIMIZE);
    EXPECT_EQ(placed(L"CmdPost").left, before.left);
    ShowWindow(form.window(), SW_RESTORE);
}

// Each button reaches its own command, which sees the chosen files through the panes; the
// lists show what the commands did. What each command does is proven with fakes.
TEST_F(PlexoTest, TheCommandsActOnTheChosenFilesAndTheListsFollow) {
    start(config());
    window_->show();
    desktop::testing::pump_messages();
    click_item(L"FilAPT", L"PART1.APT");
    click_item(L"FilPosts", L"MILL.PP.EXE");
    click(control(L"CmdPost"));
    EXPECT_EQ(shell_.started.back().text(),
              pp_ + L"\\MILL " + cl_ + L"\\PART1.APT C " + cl_.substr(2) + L" PART1 APT");
    EXPECT_EQ(items(L"FilAPT"), (Items{L"PART1.APT", L"PART1.NC"}));
    EXPECT_EQ(desktop::window_text(control(L"CmbType")), L"All files");
    click_item(L"FilAPT", L"PART1.NC");
    click(control(L"CmdDelete"));
    EXPECT_EQ(items(L"FilAPT"), (Items{L"PART1.APT"}));
    write_file(pp_ + L"\\LATHE.EXE", ""); // what instpp.bat would write
    shell_.inputs = {L"lathe"};
    click(control(L"CmdInsPP"));
    EXPECT_EQ(items(L"FilPosts"), (Items{L"FANUC", L"LATHE.EXE", L"MILL.PP.EXE"}));

    // A double-click chooses and edits, once; the user buttons run their own batch files
    // whatever their captions say.
    const auto starts = shell_.started.size();
    shell_.inputs = {L"\u00e9t\u00e9"};
    click_item(L"FilAPT", L"PART1.APT", LBN_DBLCLK);
    ASSERT_EQ(shell_.started.size(), starts + 1);
    const std::wstring editor = L"c:\\Program Files\\windows NT\\accessories\\wordpad.exe";
    EXPECT_EQ(shell_.started.back().text(), editor + L" " + cl_ + L"\\PART1.APT");
    const std::pair<const wchar_t*, std::wstring> buttons[] = {
        {L"CmdEdit", editor},
        {L"CmdPrint", L"c:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRD32"},
        {L"CmdHelp", pp_ + L"\\MILL"},
        {L"CmdUser1", L"user1.bat"},
        {L"CmdUser2", L"user2.bat"},
        {L"CmdUser3", L"user3.bat"},
    };
    for (const auto& [button, program] : buttons) {
        click(control(button));
        EXPECT_EQ(shell_.started.back().program, program) << narrow(button);
    }
    // PP Help upper-cases the word by the system's rules, not only a to z.
    const std::wstring help = L"start " + pp_ + L"\\MILL ?\u00c9T\u00c9";
    EXPECT_NE(std::ranges::find(log_, help), log_.end());
}

} // namespace
} // namespace workbench::testing
