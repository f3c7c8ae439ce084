// The workbench window's wiring as its user sees it: start-up, the panes, the file types,
// the command buttons, Exit and the layout rule on resize. The rules themselves are proven
// natively and with fakes; here each path is checked once.

#include "control_table_file.h"
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
using namespace std::string_literals;

TEST_F(PlexoTest, StartUpShowsTheConfiguredFoldersAndCaptions) {
    start(config("VAR", cl_ + L"\\", "R&D"));
    EXPECT_EQ(log_, Log{});
    EXPECT_FALSE(IsWindowVisible(window_->window())) << "start-up runs before it shows";
    // The path from the root down, the open folder selected, then its sorted subfolders.
    Items dir_items = folder_levels(cl_);
    EXPECT_EQ(SendMessageW(control(L"DirAPT"), LB_GETCURSEL, 0, 0),
              static_cast<LRESULT>(dir_items.size()) - 1);
    dir_items.insert(dir_items.end(), {L"Alpha", L"sub"});
    EXPECT_EQ(items(L"DirAPT"), dir_items);
    EXPECT_EQ(items(L"FilAPT"), all_cl_files);
    EXPECT_EQ(items(L"FilPosts"), (Items{L"FANUC", L"MILL.PP.EXE"}));
    EXPECT_EQ(std::pair(window_->cl_folder(), window_->pp_folder()), std::pair(cl_, pp_))
        << "kept without the trailing backslash";
    // "&&" is how a button shows one "&" and takes no access key from it.
    EXPECT_EQ(texts({L"CmdUser1", L"CmdUser2", L"CmdUser3", L"CmbType"}),
              (Items{L"Backup", L"Print", L"R&&D", L"All files"}));
    EXPECT_EQ(drive(L"DrivePP"), L"c:");
    // The window as designed: client area 12375 x 8115 twips, a sizable border with both
    // boxes and the system menu, System bold 9.75 points, an icon of its own that holds a
    // 32 x 32 image of 256 colours (group directory: 6 bytes, then 14 bytes an image).
    desktop::testing::expect_window(*window_, L"Plexo V1.9", 12375, 8115);
    const LONG_PTR border = WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU;
    EXPECT_EQ(GetWindowLongPtrW(window_->window(), GWL_STYLE) & border, border);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control(L"FilAPT"), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_EQ(
        std::tuple(std::wstring(font.lfFaceName), font.lfWeight, font.lfHeight),
        std::tuple(std::wstring(L"System"), FW_BOLD, -std::lround(9.75 * window_->dpi() / 72)));
    EXPECT_NE(GetClassLongPtrW(window_->window(), GCLP_HICON), 0);
    const HRSRC group = FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    const auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, group)));
    std::vector<std::tuple<int, int, int>> images; // width, height, bits a pixel
    for (const BYTE* image = directory + 6; image < directory + 6 + 14 * directory[4]; image += 14)
        images.emplace_back(image[0], image[1], image[6]);
    EXPECT_NE(std::ranges::find(images, std::tuple(32, 32, 8)), images.end());
    // Kinds, IDs, captions, tool tips and fonts as designed; the layout rule decides places.
    desktop::testing::expect_controls(*window_,
                                      desktop::testing::read_control_table("plexo_window.controls"),
                                      desktop::testing::Places::not_checked);
}

TEST_F(PlexoTest, FileTypesClicksArrowKeysAndDrivesChooseTheFiles) {
    start(config());
    choose(L"CmbType", 2);
    EXPECT_EQ(items(L"FilAPT"), (Items{L"part.ncd", L"PART1.NC"}));
    click_item(L"FilPosts", L"MILL.PP.EXE");
    click_item(L"FilAPT", L"PART1.NC");
    choose(L"CmbType", 1);
    EXPECT_EQ(items(L"FilAPT"), (Items{L"PART1.APT", L"PART1.NC"}));
    PostMessageW(control(L"FilAPT"), WM_KEYDOWN, VK_UP, 0);
    desktop::testing::pump_messages(true);
    EXPECT_EQ(std::pair(state().cl_file, state().pp_name), std::pair(L"PART1.APT"s, L"MILL"s));
    // A single click only highlights a folder; a double-click opens it, keeping the names.
    click_item(L"DirAPT", L"sub");
    EXPECT_EQ(window_->cl_folder(), cl_);
    click_item(L"DirAPT", L"sub", LBN_DBLCLK);
    EXPECT_EQ(window_->cl_folder(), cl_ + L"\\sub");
    EXPECT_EQ(state().cl_file, L"PART1.APT");

    // Wine's Z: is the Unix root; the system keeps each drive's current folder in "=Z:".
    SetEnvironmentVariableW(L"=Z:", L"Z:\\tmp");
    choose(L"DriveAPT", static_cast<int>(SendMessageW(control(L"DriveAPT"), CB_FINDSTRING, -1,
                                                      reinterpret_cast<LPARAM>(L"z:"))));
    EXPECT_EQ(window_->cl_folder(), L"Z:\\tmp");
    // A drive letter the system does not have leaves the pane as it was.
    choose(L"DriveAPT", static_cast<int>(SendMessageW(control(L"DriveAPT"), CB_ADDSTRING, 0,
                                                      reinterpret_cast<LPARAM>(L"q: [gone]"))));
    ASSERT_EQ(log_.size(), 1u);
    EXPECT_TRUE(log_[0].starts_with(L"box 0 Plexo: Drive q: cannot be read.")) << narrow(log_[0]);
    EXPECT_EQ(std::pair(drive(L"DriveAPT"), window_->cl_folder()), std::pair(L"z:"s, L"Z:\\tmp"s));
}

// Wine reaches \\server\share through its prefix's dosdevices\unc folder, which the test
// can make; on Windows the test is skipped.
TEST_F(PlexoTest, AFolderOnANetworkShareOpensWithTheShareAsItsDrive) {
    wchar_t prefix[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"WINEPREFIX", prefix, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) GTEST_SKIP() << "no Wine prefix";
    std::wstring share = L"Z:" + std::wstring(prefix) + L"/dosdevices/unc/localhost/plexo-" +
                         std::to_wstring(GetCurrentProcessId());
    std::ranges::replace(share, L'/', L'\\');
    std::filesystem::create_directories(share + L"\\jobs");
    write_file(share + L"\\jobs\\P1.APT", "");
    const std::wstring unc = L"\\\\localhost" + share.substr(share.rfind(L'\\'));
    start(config("VAR", unc + L"\\jobs\\"));
    EXPECT_EQ(log_, Log{});
    EXPECT_EQ(window_->cl_folder(), unc + L"\\jobs");
    EXPECT_EQ(items(L"FilAPT"), (Items{L"P1.APT"}));
    EXPECT_EQ(texts({L"DriveAPT"}), Items{unc});
    window_.reset();
    std::filesystem::remove_all(share);
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
        ASSERT_TRUE(!c.without_trelvo_bin || RemoveDirectoryW(trelvo_bin.c_str()));
        start(c.file);
        CreateDirectoryW(trelvo_bin.c_str(), nullptr);
        EXPECT_EQ(log_, Log(c.messages, L"box 1 Plexo: APT source folder not found")) << c.file;
        EXPECT_EQ(state().answer, c.messages == 1 ? 2 : 1) << "the last box's button, then OK";
        EXPECT_EQ(texts({L"CmdUser1", L"CmdUser2", L"CmdUser3"}), c.captions);
        EXPECT_EQ(std::pair(window_->cl_folder(), window_->pp_folder()),
                  std::pair(c.cl_folder, c.pp_folder))
            << c.file;
        // Whatever failed, each pane's drive, folder and file lists show one folder.
        EXPECT_EQ(c.cl_folder == cl_ ? items(L"FilAPT") : all_cl_files, all_cl_files) << c.file;
        EXPECT_EQ(c.pp_folder == pp_ ? items(L"FilPosts").size() : 2u, 2u) << c.file;
        EXPECT_EQ(drive(L"DriveAPT") + drive(L"DrivePP"), L"c:c:") << c.file;
    }
}

// Files that other programs add or remove show up with nothing clicked, the pattern and the
// highlighted file kept; a folder that vanishes is reported once and left for its parent.
TEST_F(PlexoTest, TheListsFollowTheFoldersByThemselves) {
    start(config());
    click_item(L"FilAPT", L"PART1.APT");
    write_file(cl_ + L"\\NEW.APT", "");
    DeleteFileW((cl_ + L"\\b.apt").c_str());
    const Items now = {L"MILL.PPTABLE", L"NEW.APT",  L"part.ncd",
                       L"PART1.APT",    L"PART1.NC", L"README"};
    EXPECT_TRUE(eventually([&] { return items(L"FilAPT") == now; }));
    EXPECT_EQ(desktop::selected_item_text(control(L"FilAPT")), L"PART1.APT");

    // A post-processor still writing when "Result = ..." was answered.
    click(control(L"CmdPost"));
    write_file(cl_ + L"\\PART1.LIS", "");
    const Items outputs = {L"PART1.APT", L"PART1.LIS", L"PART1.NC"};
    EXPECT_TRUE(eventually([&] { return items(L"FilAPT") == outputs; }));

    click_item(L"DirAPT", L"sub", LBN_DBLCLK);
    log_.clear();
    // Moved away: Wine keeps a removed folder until the watch lets go of it, Windows not.
    ASSERT_TRUE(MoveFileW((cl_ + L"\\sub").c_str(), (folder_.path() + L"\\moved").c_str()));
    EXPECT_TRUE(eventually([&] { return window_->cl_folder() == cl_ && !log_.empty(); }));
    EXPECT_EQ(log_, Log{L"box 0 Plexo: The folder " + cl_ + L"\\sub can no longer be read; the " +
                        L"list shows " + cl_ + L" instead."});
    EXPECT_EQ(items(L"FilAPT"), outputs);
}

TEST_F(PlexoTest, ExitWritesTheFileInItsWrittenFormOnlyForVar) {
    const struct {
        std::string file;     // "" for none at all
        bool exit, read_only; // else the close box
        std::string after;
    } cases[] = {
        {config(), true, false, config("VAR", cl_ + L"\\sub")},
        {config("var"), true, false, config("var")},
        {config(), false, false, config()},
        {"", true, false, "<missing>"},
        // A file that cannot be written is kept and reported, and the program still ends.
        {config(), true, true, config()},
    };
    for (const auto& c : cases) {
        start(c.file);
        log_.clear();
        if (c.read_only) SetFileAttributesW(config_.c_str(), FILE_ATTRIBUTE_READONLY);
        if (!c.file.empty()) click_item(L"DirAPT", L"sub", LBN_DBLCLK);
        const HWND form = window_->window();
        c.exit ? click(control(L"CmdExit")) : void(SendMessageW(form, WM_CLOSE, 0, 0));
        EXPECT_FALSE(IsWindow(form));
        EXPECT_EQ(read_file(config_), c.after) << c.file;
        ASSERT_EQ(log_.size(), c.read_only ? 1u : 0u);
        if (c.read_only) {
            EXPECT_NE(log_[0].find(L"could not be saved in " + config_), log_[0].npos);
        }
        SetFileAttributesW(config_.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(PlexoTest, TheLayoutRuleFollowsEveryResize) {
    start(config());
    desktop::Form& form = *window_;
    // Grows the window by about 3000 twips over its reference outer width of 12495 and
    // gives the growth it really got: at 120 DPI a pixel is 12 twips.
    SetWindowPos(form.window(), nullptr, 0, 0, form.to_pixels(15495), form.to_pixels(8490),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT outer;
    GetWindowRect(form.window(), &outer);
    const auto dw = static_cast<int>(std::lround(form.to_twips(outer.right - outer.left) - 12495));
    EXPECT_NEAR(dw, 3000, 12);
    EXPECT_EQ(desktop::testing::placement_of(control(L"CmdPost")).left, form.to_pixels(10680 + dw));
    EXPECT_EQ(form.line(L"Line3").x1, 12240 + dw);
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
    EXPECT_EQ(texts({L"CmbType"}), Items{L"All files"});
    click_item(L"FilAPT", L"PART1.NC");
    click(control(L"CmdDelete"));
    EXPECT_EQ(items(L"FilAPT"), (Items{L"PART1.APT"}));
    write_file(pp_ + L"\\LATHE.EXE", ""); // what instpp.bat would write
    shell_.inputs = {L"lathe"};
    click(control(L"CmdInsPP"));
    EXPECT_EQ(items(L"FilPosts"), (Items{L"FANUC", L"LATHE.EXE", L"MILL.PP.EXE"}));

    // A double-click chooses and edits, once; the user buttons run their own batch files
    // whatever their captions say. PP Help upper-cases by the system's rules.
    const auto starts = shell_.started.size();
    click_item(L"FilAPT", L"PART1.APT", LBN_DBLCLK);
    ASSERT_EQ(shell_.started.size(), starts + 1);
    const std::wstring editor = L"c:\\Program Files\\windows NT\\accessories\\wordpad.exe";
    EXPECT_EQ(shell_.started.back().text(), editor + L" " + cl_ + L"\\PART1.APT");
    shell_.inputs = {L"\u00e9t\u00e9"};
    const std::pair<const wchar_t*, std::wstring> buttons[] = {
        {L"CmdEdit", editor},
        {L"CmdPrint", L"c:\\Program Files\\Adobe\\Reader 8.0\\Reader\\AcroRD32"},
        {L"CmdUser1", L"user1.bat"},
        {L"CmdUser2", L"user2.bat"},
        {L"CmdUser3", L"user3.bat"},
        {L"CmdHelp", pp_ + L"\\MILL"},
    };
    for (const auto& [button, program] : buttons) {
        click(control(button));
        EXPECT_EQ(shell_.started.back().program, program) << narrow(button);
    }
    EXPECT_EQ(shell_.started.back().text(), pp_ + L"\\MILL ?\u00c9T\u00c9");
}

} // namespace
} // namespace workbench::testing
