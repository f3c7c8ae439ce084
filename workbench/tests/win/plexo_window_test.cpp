#include "core/folder_path.h"
#include "core/layout_rule.h"
#include "tests/win/plexo_test_window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace workbench::testing {
namespace {

using desktop::testing::text_of;

const Items all_cl_files = {L".APT",      L"b.apt",    L"MILL.PPTABLE", L"part.ncd",
                            L"PART1.APT", L"PART1.NC", L"PART1.NC1",    L"README"};

TEST_F(PlexoTest, StartUpShowsTheConfiguredFoldersAndCaptions) {
    start(config().c_str());
    EXPECT_TRUE(boxes_.shown.empty());
    EXPECT_FALSE(IsWindowVisible(window_->form().window())) << "start-up runs before it shows";
    EXPECT_EQ(text_of(window_->form().window()), L"Plexo V1.9");
    EXPECT_EQ(state().cfg_mode, L"VAR");
    EXPECT_EQ(window_->pp_folder(), pp_);

    // The path from the root down, the open folder selected, then its subfolders sorted
    // without regard to case.
    Items dir_items = folder_levels(cl_);
    const auto open = static_cast<LRESULT>(dir_items.size()) - 1;
    dir_items.insert(dir_items.end(), {L"Alpha", L"sub"});
    EXPECT_EQ(items(L"DirAPT"), dir_items);
    EXPECT_EQ(SendMessageW(control(L"DirAPT"), LB_GETCURSEL, 0, 0), open);
    EXPECT_EQ(items(L"FilAPT"), visible(all_cl_files));
    EXPECT_EQ(items(L"FilPosts"), (Items{L"FANUC", L"MILL.PP.EXE"}));

    EXPECT_EQ((Items{text_of(control(L"CmdUser1")), text_of(control(L"CmdUser2")),
                     text_of(control(L"CmdUser3")), text_of(control(L"CmbType"))}),
              (Items{L"Backup", L"Print", L"Zip", L"All files"}));
    EXPECT_EQ(items(L"CmbType"),
              (Items{L"All files", L"Current files", L"Output files", L"APTsource", L"Qvorin",
                     L"NCList", L"NCStatus", L"PPTables", L"cfg", L"NCI files"}));
    for (const wchar_t* drives : {L"DriveAPT", L"DrivePP"}) {
        EXPECT_EQ(text_of(control(drives)).substr(0, 2), L"c:");
        for (const auto& item : items(drives))
            EXPECT_EQ(item[1], L':') << narrow(item);
    }
    // Classes, styles, IDs and tool tips by the table; the layout rule decides the places.
    desktop::testing::expect_controls_match_table(window_->form(), window_->form().design(),
                                                  desktop::testing::Places::not_checked);
}

TEST_F(PlexoTest, FileTypesFilterAndClicksChooseTheFiles) {
    start(config().c_str());
    const std::pair<int, Items> shown_by_entry[] = {
        {2, {L"part.ncd", L"PART1.NC", L"PART1.NC1"}},
        {4, {L"part.ncd"}},
        {7, {L"MILL.PPTABLE"}},
        {1, {L".APT"}}, // no CL file chosen yet: the pattern ".*"
        {0, all_cl_files},
    };
    for (const auto& [entry, shown] : shown_by_entry) {
        choose(L"CmbType", entry);
        EXPECT_EQ(items(L"FilAPT"), visible(shown)) << "entry " << entry;
    }

    click_item(L"FilPosts", L"MILL.PP.EXE");
    EXPECT_EQ(state().pp_name, L"MILL");
    click_item(L"FilAPT", L"PART1.APT");
    EXPECT_EQ(state().cl_file, L"PART1.APT");
    choose(L"CmbType", 1);
    const Items part1 = {L"PART1.APT", L"PART1.NC", L"PART1.NC1"};
    EXPECT_EQ(items(L"FilAPT"), part1);
    desktop::testing::type_into(control(L"CmbType"), L"*.APT");
    notify(L"CmbType", CBN_EDITCHANGE);
    EXPECT_EQ(items(L"FilAPT"), part1) << "typing into the file-type field changes nothing";

    // A single click only highlights a folder; a double-click opens it, keeping the names.
    write_file(cl_ + L"\\sub\\PART1.nc", "");
    click_item(L"DirAPT", L"sub");
    EXPECT_EQ(window_->cl_folder(), cl_);
    click_item(L"DirAPT", L"sub", LBN_DBLCLK);
    EXPECT_EQ(window_->cl_folder(), cl_ + L"\\sub");
    EXPECT_EQ(items(L"FilAPT"), (Items{L"PART1.nc"}));
    EXPECT_EQ(state().cl_file, L"PART1.APT");
}

TEST_F(PlexoTest, ADriveThatCannotBeReadLeavesThePaneAsItWas) {
    start(config().c_str());
    // A drive letter the system does not have, as a drive without its medium would be.
    const auto gone =
        SendMessageW(control(L"DriveAPT"), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"q: [gone]"));
    choose(L"DriveAPT", static_cast<int>(gone));
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].title, L"Plexo");
    EXPECT_NE(boxes_.shown[0].text.find(L"q:"), std::wstring::npos) << narrow(boxes_.shown[0].text);
    EXPECT_EQ(text_of(control(L"DriveAPT")).substr(0, 2), L"c:");
    EXPECT_EQ(window_->cl_folder(), cl_);
    EXPECT_EQ(items(L"FilAPT"), visible(all_cl_files));
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
    } cases[] = {
        // Opening it, the five reads, and the two empty folder values.
        {"", 8, {L"", L"", L""}, root, trelvo_bin},
        {two_lines, 3, {L"", L"", L""}, cl_, pp_},
        {two_lines + "\"Backup\"\r\n\"Print\"\r\n", 1, {L"Backup", L"Print", L"Print"}, cl_, pp_},
        {config("VAR", cl_ + L"\\gone"), 1, {L"Backup", L"Print", L"Zip"}, root, pp_},
        {pp_gone, 1, {L"Backup", L"Print", L"Zip"}, cl_, trelvo_bin},
    };
    for (const auto& c : cases) {
        boxes_.shown.clear();
        boxes_.answers = {2, 2};
        DeleteFileW(config_.c_str());
        start(c.file.empty() ? nullptr : c.file.c_str());
        ASSERT_EQ(boxes_.shown.size(), c.messages) << c.file;
        for (const auto& box : boxes_.shown)
            EXPECT_EQ(std::tuple(box.text, box.style, box.title),
                      std::tuple(L"APT source folder not found", 1, L"Plexo"));
        EXPECT_EQ(state().answer, c.messages == 1 ? 2 : 1) << "the last box's button, then OK";
        EXPECT_EQ((Items{text_of(control(L"CmdUser1")), text_of(control(L"CmdUser2")),
                         text_of(control(L"CmdUser3"))}),
                  c.captions);
        EXPECT_EQ(window_->cl_folder(), c.cl_folder) << c.file;
        EXPECT_EQ(window_->pp_folder(), c.pp_folder) << c.file;
    }
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
        {written, false, false, written},
        {"", true, false, "<missing>"},
        // A file that cannot be written is kept and reported, and the program still ends.
        {written, true, true, written},
    };
    for (const auto& c : cases) {
        DeleteFileW(config_.c_str());
        start(c.file.empty() ? nullptr : c.file.c_str());
        boxes_.shown.clear();
        if (c.read_only) SetFileAttributesW(config_.c_str(), FILE_ATTRIBUTE_READONLY);
        if (!c.file.empty()) click_item(L"DirAPT", L"sub", LBN_DBLCLK);
        const HWND form = window_->form().window();
        if (c.exit)
            desktop::testing::click(control(L"CmdExit"));
        else
            SendMessageW(form, WM_CLOSE, 0, 0);
        EXPECT_FALSE(IsWindow(form));
        EXPECT_EQ(read_file(config_), c.after) << c.file;
        ASSERT_EQ(boxes_.shown.size(), c.read_only ? 1u : 0u);
        if (c.read_only) {
            EXPECT_EQ(boxes_.shown[0].title, L"Plexo");
            EXPECT_NE(boxes_.shown[0].text.find(config_), std::wstring::npos);
        }
        SetFileAttributesW(config_.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(PlexoTest, TheLayoutRuleFollowsEveryResize) {
    start(config().c_str());
    desktop::Form& form = window_->form();
    const HWND window = form.window();
    // Resizes to about the given outer size and gives the growth over the reference size
    // that the window really got: at 120 DPI a pixel is 12 twips, not 15.
    const auto resize = [&](int width, int height) {
        SetWindowPos(window, nullptr, 0, 0, form.to_pixels(width), form.to_pixels(height),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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

    for (const auto& [grow_width, grow_height] : {std::pair{0, 0}, std::pair{3000, 1500}}) {
        const auto [dw, dh] =
            resize(reference_outer_width + grow_width, reference_outer_height + grow_height);
        EXPECT_NEAR(dw, grow_width, 12);
        EXPECT_EQ(placed(L"FilAPT").right, px(120 + 8055 + dw));
        EXPECT_EQ(placed(L"FilAPT").bottom, px(1680 + 5370 + dh));
        EXPECT_EQ(placed(L"DirAPT").bottom, px(360 + 1170));
        EXPECT_EQ(placed(L"CmdPost").left, px(10680 + dw));
        EXPECT_EQ(placed(L"Label3").top, px(7200 + dh));
        EXPECT_EQ(placed(L"Label1").left, px(120));
        EXPECT_EQ(form.line(L"Line3").x1, 12240 + dw);
        EXPECT_EQ(form.line(L"Line2").y1, 7080);
    }

    // At or below 7000 twips on either side nothing moves.
    const RECT before = placed(L"CmdPost");
    for (const auto& [width, height] : {std::pair{6000, 9000}, std::pair{20000, 6000}}) {
        resize(width, height);
        EXPECT_EQ(placed(L"CmdPost").left, before.left) << width << " x " << height;
    }
    ShowWindow(window, SW_MINIMIZE);
    EXPECT_EQ(placed(L"CmdPost").left, before.left);
    ShowWindow(window, SW_RESTORE);
}

} // namespace
} // namespace workbench::testing
