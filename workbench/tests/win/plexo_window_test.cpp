// The workbench window's wiring as its user sees it: start-up, the panes, the file types,
// the command buttons, Exit and the layout rule on resize. The rules themselves are proven
// natively and with fakes; here each path is checked once.

#include "control_table_file.h"
#include "core/folder_path.h"
#include "tests/win/plexo_test_window.h"
#include "win/whole_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace workbench::testing {
namespace {

using desktop::testing::click;
using namespace std::string_literals;

TEST_F(PlexoTest, StartUpShowsTheConfiguredFoldersAndTheWindowAsDesigned) {
    start(config(L"VAR", cl_ + L"\\"));
    EXPECT_EQ(log_, Log{});
    EXPECT_FALSE(IsWindowVisible(window_->window())) << "start-up runs before it shows";
    EXPECT_EQ(window_->panes().cl_folder(), cl_) << "kept without the trailing backslash";
    // The path from the root down, the open folder selected, then its sorted subfolders.
    Items dir_items = folder_levels(cl_);
    EXPECT_EQ(desktop::selected_index(control(L"DirAPT")), std::ssize(dir_items) - 1);
    dir_items.insert(dir_items.end(), {L"Alpha", L"sub"});
    EXPECT_EQ(items(L"DirAPT"), dir_items);
    // The designed client area; an icon of its own that holds a 32 x 32 image of 256 colours
    // (group directory: 6 bytes, then 14 bytes an image).
    desktop::testing::expect_window(*window_, L"Plexo V1.9", 12375, 8115);
    EXPECT_NE(GetClassLongPtrW(window_->window(), GCLP_HICON), 0);
    const HRSRC group = FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    const auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, group)));
    std::vector<std::tuple<int, int, int>> images; // width, height, bits a pixel
    for (const BYTE* image = directory + 6; image < directory + 6 + 14 * directory[4]; image += 14)
        images.emplace_back(image[0], image[1], image[6]);
    EXPECT_NE(std::ranges::find(images, std::tuple(32, 32, 8)), images.end());
    window_->show(); // the tool tips are made once it is shown
    // Kinds, IDs, captions, tool tips and fonts as designed; the layout rule decides places.
    desktop::testing::expect_controls(*window_,
                                      desktop::testing::read_control_table("plexo_window.controls"),
                                      desktop::testing::Places::not_checked);
}

TEST_F(PlexoTest, FileTypesClicksArrowKeysAndDrivesChooseTheFiles) {
    start(config());
    choose(L"FilPosts", L"MILL.PP.EXE");
    choose(L"FilAPT", L"PART1.NC");
    choose(L"CmbType", L"Current files");
    EXPECT_EQ(items(L"FilAPT"), (Items{L"PART1.APT", L"PART1.NC"}));
    PostMessageW(control(L"FilAPT"), WM_KEYDOWN, VK_UP, 0);
    desktop::testing::pump_messages(true);
    EXPECT_EQ(std::pair(state().cl_file, state().pp_name), std::pair(L"PART1.APT"s, L"MILL"s));
    // A single click only highlights a folder; a double-click opens it, keeping the names.
    choose(L"DirAPT", L"sub");
    EXPECT_EQ(window_->panes().cl_folder(), cl_);
    choose(L"DirAPT", L"sub", LBN_DBLCLK);
    EXPECT_EQ(window_->panes().cl_folder(), cl_ + L"\\sub");
    EXPECT_EQ(state().cl_file, L"PART1.APT");

    // Wine's Z: is the Unix root; the system keeps each drive's current folder in "=Z:".
    SetEnvironmentVariableW(L"=Z:", L"Z:\\tmp");
    choose(L"DriveAPT", L"z:");
    EXPECT_EQ(window_->panes().cl_folder(), L"Z:\\tmp");
    // A drive letter the system does not have leaves the pane as it was.
    SendMessageW(control(L"DriveAPT"), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"q: [gone]"));
    choose(L"DriveAPT", L"q:");
    EXPECT_TRUE(log_.size() == 1 && log_[0].starts_with(L"box 0 Plexo: Drive q: cannot be read."))
        << ::testing::PrintToString(log_);
    EXPECT_EQ(std::pair(text(L"DriveAPT").substr(0, 2), window_->panes().cl_folder()),
              std::pair(L"z:"s, L"Z:\\tmp"s));
}

TEST_F(PlexoTest, EachFailingStepOfStartUpShowsOneMessage) {
    const std::wstring root = folder_.path.substr(0, 3), trelvo_bin = L"C:\\trelvo\\bin";
    const std::string two_lines = config().substr(0, config().find("\"Backup\""));
    const std::string pp_gone = config().replace(config().find("\"\r\n\"Backup"), 0, "\\gone");
    const struct {
        std::string file; // "" for none at all
        std::size_t messages;
        Items shown; // the captions of the user buttons, the CL and post-processor folders
        bool without_trelvo_bin = false;
    } cases[] = {
        // Opening it, the five reads, and the two empty folder values.
        {"", 8, {L"", L"", L"", root, trelvo_bin}},
        {two_lines, 3, {L"", L"", L"", cl_, pp_}},
        {two_lines + "\"Backup\"\r\n\"Print\"\r\n", 1, {L"Backup", L"Print", L"Print", cl_, pp_}},
        // "&&" is how a button shows one "&" and takes no access key from it.
        {config(L"VAR", cl_ + L"\\gone"), 1, {L"Backup", L"Print", L"R&&D", root, pp_}},
        {pp_gone, 1, {L"Backup", L"Print", L"R&&D", cl_, trelvo_bin}},
        {config(), 1, {L"Backup", L"Print", L"R&&D", cl_, pp_}, true},
    };
    for (const auto& c : cases) {
        shell_.cancels = 2;
        ASSERT_TRUE(!c.without_trelvo_bin || RemoveDirectoryW(trelvo_bin.c_str()));
        start(c.file);
        CreateDirectoryW(trelvo_bin.c_str(), nullptr);
        EXPECT_EQ(log_, Log(c.messages, L"box 1 Plexo: APT source folder not found")) << c.file;
        EXPECT_EQ(state().answer, c.messages == 1 ? 2 : 1) << "the last box's button, then OK";
        EXPECT_EQ((Items{text(L"CmdUser1"), text(L"CmdUser2"), text(L"CmdUser3"),
                         window_->panes().cl_folder(), window_->panes().pp_folder()}),
                  c.shown)
            << c.file;
        // Whatever failed, each pane's drive, folder and file lists show one folder.
        EXPECT_EQ(c.shown[3] == cl_ ? items(L"FilAPT") : all_cl_files, all_cl_files) << c.file;
        EXPECT_EQ(c.shown[4] == pp_ ? items(L"FilPosts").size() : 2u, 2u) << c.file;
        EXPECT_EQ(text(L"DriveAPT").substr(0, 2) + text(L"DrivePP").substr(0, 2), L"c:c:")
            << c.file;
    }
}

// Files that other programs add or remove show up with nothing clicked, the highlighted file
// kept; a folder that vanishes is reported once and left for its parent.
TEST_F(PlexoTest, TheListsFollowTheFoldersByThemselves) {
    start(config());
    choose(L"FilAPT", L"PART1.APT");
    write_file(cl_ + L"\\NEW.APT", "");
    DeleteFileW((cl_ + L"\\b.apt").c_str());
    const Items now = {L"NEW.APT", L"part.ncd", L"PART1.APT", L"PART1.NC"};
    EXPECT_TRUE(eventually([&] { return items(L"FilAPT") == now; }));
    EXPECT_EQ(desktop::selected_item_text(control(L"FilAPT")), L"PART1.APT");

    choose(L"DirAPT", L"sub", LBN_DBLCLK);
    // Moved away: Wine keeps a removed folder until the watch lets go of it, Windows not.
    ASSERT_TRUE(MoveFileW((cl_ + L"\\sub").c_str(), (folder_.path + L"\\moved").c_str()));
    EXPECT_TRUE(eventually([&] { return window_->panes().cl_folder() == cl_ && !log_.empty(); }));
    EXPECT_EQ(log_, Log{L"box 0 Plexo: The folder " + cl_ + L"\\sub can no longer be read; the " +
                        L"list shows " + cl_ + L" instead."});
    EXPECT_EQ(items(L"FilAPT"), now);
}

TEST_F(PlexoTest, ExitWritesTheFileInItsWrittenFormOnlyForVar) {
    const struct {
        std::string file;
        bool exit, read_only; // else the close box
        std::string after;
    } cases[] = {
        {config(), true, false, config(L"VAR", cl_ + L"\\sub")},
        {config(L"var"), true, false, config(L"var")},
        {config(), false, false, config()},
        // A file that cannot be written is kept and reported, and the program still ends.
        {config(), true, true, config()},
    };
    for (const auto& c : cases) {
        start(c.file);
        if (c.read_only) SetFileAttributesW(config_.c_str(), FILE_ATTRIBUTE_READONLY);
        choose(L"DirAPT", L"sub", LBN_DBLCLK);
        const HWND form = window_->window();
        c.exit ? click(control(L"CmdExit")) : void(SendMessageW(form, WM_CLOSE, 0, 0));
        EXPECT_FALSE(IsWindow(form));
        EXPECT_EQ(win::read_whole_file(config_), c.after) << c.file;
        EXPECT_EQ(log_.size() == 1 &&
                      log_[0].find(L"could not be saved in " + config_) != log_[0].npos,
                  c.read_only);
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
    const RECT outer = desktop::testing::placement_of(form.window());
    const auto dw = static_cast<int>(std::lround(form.to_twips(outer.right - outer.left) - 12495));
    EXPECT_NEAR(dw, 3000, 12);
    EXPECT_EQ(desktop::testing::placement_of(control(L"CmdPost")).left, form.to_pixels(10680 + dw));
    EXPECT_EQ(form.line(L"Line3").x1, 12240 + dw);
}

// Each button reaches its own command, which sees the chosen files through the panes; the
// lists show what the commands did. What each command does is proven with fakes.
TEST_F(PlexoTest, TheCommandsActOnTheChosenFilesAndTheListsFollow) {
    start(config());
    choose(L"FilPosts", L"MILL.PP.EXE");
    choose(L"FilAPT", L"PART1.APT", LBN_DBLCLK); // chooses and edits, once
    // The user buttons run their own batch files whatever their captions say; PP Help
    // upper-cases by the system's rules.
    shell_.typed = L"\u00e9t\u00e9";
    for (const wchar_t* button :
         {L"CmdEdit", L"CmdPost", L"CmdPrint", L"CmdUser1", L"CmdUser2", L"CmdUser3", L"CmdHelp"})
        click(control(button));
    const auto cl = cl_pieces(cl_, L"PART1.APT");
    const CommandLine expected[] = {
        edit_command(cl.cl_path),          edit_command(cl.cl_path),
        post_command(pp_, L"MILL", cl),    users_guide_command(),
        user_command(1, pp_, L"MILL", cl), user_command(2, pp_, L"MILL", cl),
        user_command(3, pp_, L"MILL", cl), syntax_help_command(pp_, L"MILL", L"\u00c9T\u00c9")};
    ASSERT_EQ(shell_.started.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(shell_.started[i].text(), expected[i].text()) << i;
    // Post narrowed FilAPT to PART1.*, where a post-processor still writing adds its output.
    write_file(cl_ + L"\\PART1.LIS", "");
    const Items outputs = {L"PART1.APT", L"PART1.LIS", L"PART1.NC"};
    EXPECT_TRUE(eventually([&] { return items(L"FilAPT") == outputs; }));
    choose(L"FilAPT", L"PART1.NC");
    click(control(L"CmdDelete"));
    EXPECT_EQ(items(L"FilAPT"), (Items{L"PART1.APT", L"PART1.LIS"}));
    write_file(pp_ + L"\\LATHE.EXE", ""); // what instpp.bat would write
    shell_.typed = L"lathe";
    click(control(L"CmdInsPP"));
    EXPECT_EQ(items(L"FilPosts"), (Items{L"FANUC", L"LATHE.EXE", L"MILL.PP.EXE"}));
}

// The end of a started program comes to the commands, which tell a post-processing run
// that failed.
TEST_F(PlexoTest, AFailedPostProcessingRunIsTold) {
    start(config());
    choose(L"FilPosts", L"MILL.PP.EXE");
    click(control(L"CmdPost"));
    log_.clear();
    PostMessageW(window_->window(), win::program_ended_message, 2468, 1);
    EXPECT_TRUE(eventually([&] { return !log_.empty(); }));
    EXPECT_TRUE(log_.size() == 1 &&
                log_[0].starts_with(L"box 0 Plexo: The post-processor\n" + pp_ + L"\\MILL\n"))
        << ::testing::PrintToString(log_);
}

// FilAPT's context menu: a right click chooses the file under the mouse, and "Plot", its
// first item, looks for Backplot.exe beside the program (here the test's, without one).
TEST_F(PlexoTest, TheFileListsMenuPlotsTheFileUnderTheMouse) {
    start(config());
    window_->show();
    RECT item{};
    const HWND files = control(L"FilAPT");
    SendMessageW(files, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&item)); // PART1.NC
    POINT at{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClientToScreen(files, &at);
    // The menu's own loop runs this timer, which picks its first item as the keyboard does.
    SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        const HWND menu = FindWindowW(L"#32768", nullptr);
        PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    });
    SendMessageW(files, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(files), MAKELPARAM(at.x, at.y));
    EXPECT_EQ(state().cl_file, L"PART1.NC");
    EXPECT_EQ(log_, Log{L"box 0 Plexo: The file cannot be plotted: Backplot was looked for as\n" +
                        desktop::program_folder() + L"\\Backplot.exe\nand is not there."});
}

} // namespace
} // namespace workbench::testing
