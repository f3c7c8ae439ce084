// The Backplot window against its automation contract: the picture (1001, a class of the
// program's own), the text list (1002, the file's lines), the status bar (1003, four parts),
// the caption; what the picture draws where the fit puts it; a click and the arrow keys
// choosing a line and its move; a file dropped and a file changed on disk. The rules behind
// them are proven natively.

#include "control_table_file.h"
#include "win/backplot_window.h"

#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace backplot::win {
namespace {

namespace fs = std::filesystem;
using namespace desktop::testing;

// The colours the picture draws with: the ground, a feed move, the chosen move.
constexpr COLORREF ground = RGB(24, 26, 32), feed = RGB(80, 200, 255),
                   highlight = RGB(255, 255, 255);

// A square of feed moves, side 100, around (0, 0) to (100, 100) at Z0: line 2 is its bottom
// side, 3 the right, 4 the top, 5 the left. 400 at F500 is 48 s; the rapid to the start has
// no known start and no length.
constexpr const char* square = "G0 X0 Y0 Z0\nG1 X100 F500\nY100\nX0\nY0\nM30\n";
const std::vector<std::wstring> square_lines = {L"G0 X0 Y0 Z0", L"G1 X100 F500", L"Y100",
                                                L"X0",          L"Y0",           L"M30"};

class BackplotTest : public ::testing::Test {
protected:
    BackplotTest() {
        fs::create_directories(folder);
        write(path, square);
        window.set_message_box([this](std::wstring_view text, int, std::wstring_view) {
            boxes.emplace_back(text);
            return IDOK;
        });
        window.show();
        pump_messages();
    }
    ~BackplotTest() override { fs::remove_all(folder); }

    static void write(const fs::path& file, const std::string& text) {
        std::ofstream(file, std::ios::binary) << text;
    }
    HWND at(int id) const { return GetDlgItem(window.window(), id); }
    std::vector<std::wstring> items() const {
        std::vector<std::wstring> texts;
        const auto count = SendMessageW(at(1002), LVM_GETITEMCOUNT, 0, 0);
        for (int i = 0; i < count; ++i) {
            wchar_t text[256]{};
            LVITEMW item{};
            item.pszText = text;
            item.cchTextMax = 256;
            SendMessageW(at(1002), LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
            texts.emplace_back(text);
        }
        return texts;
    }
    std::wstring part(int n) const {
        wchar_t text[512]{};
        SendMessageW(at(1003), SB_GETTEXTW, n, reinterpret_cast<LPARAM>(text));
        return text;
    }
    // Where a point of the square's plane shows: the top view's fit leaves 20 pixels at the
    // nearer edges and centres the square.
    POINT pixel_of(double x, double y) const {
        RECT client;
        GetClientRect(at(1001), &client);
        const double scale = std::min(client.right - 40, client.bottom - 40) / 100.0;
        return {std::lround(client.right / 2.0 + (x - 50) * scale),
                std::lround(client.bottom / 2.0 - (y - 50) * scale)};
    }
    // The colour at the point, or on a pixel next to it, as the picture shows it.
    bool shows(double x, double y, COLORREF colour) const {
        pump_messages();
        const POINT p = pixel_of(x, y);
        const desktop::WindowDc dc(at(1001));
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (GetPixel(dc, p.x + dx, p.y + dy) == colour) return true;
        return false;
    }

    const fs::path folder = fs::temp_directory_path() / L"backplot window test";
    const fs::path path = folder / L"SQUARE.NC";
    BackplotWindow window{path.wstring()};
    std::vector<std::wstring> boxes;
};

TEST_F(BackplotTest, TheContract) {
    EXPECT_EQ(text_of(window.window()), L"Backplot - SQUARE.NC");
    // The picture: a child of a class the program registered itself.
    wchar_t name[64]{};
    GetClassNameW(at(1001), name, 64);
    WNDCLASSEXW registered{sizeof registered};
    EXPECT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), name, &registered)) << name;
    EXPECT_TRUE(GetWindowLongW(at(1001), GWL_STYLE) & WS_CHILD);
    GetClassNameW(at(1002), name, 64);
    EXPECT_STREQ(name, L"SysListView32");
    EXPECT_EQ(items(), square_lines);
    GetClassNameW(at(1003), name, 64);
    EXPECT_STREQ(name, L"msctls_statusbar32");
    EXPECT_EQ(SendMessageW(at(1003), SB_GETPARTS, 0, 0), 4);
    EXPECT_EQ(part(0), L"X 0..100  Y 0..100  Z 0..0");
    EXPECT_EQ(part(1), L"Feed 400  Rapid 0  Time 0:00:48");
    EXPECT_EQ(part(2), L"No warnings");
    EXPECT_EQ(part(3), L"");
    EXPECT_EQ(boxes, std::vector<std::wstring>{});
    // The rest of the window as its table writes it.
    expect_controls(window, read_control_table("backplot_window.controls"));
}

TEST_F(BackplotTest, FeedMovesWhereTheFitPutsThemAndNothingInside) {
    for (const double t : {25.0, 50.0, 75.0}) {
        SCOPED_TRACE(t);
        EXPECT_TRUE(shows(t, 0, feed));
        EXPECT_TRUE(shows(100, t, feed));
        EXPECT_TRUE(shows(t, 100, feed));
        EXPECT_TRUE(shows(0, t, feed));
        for (const double inside : {25.0, 50.0, 75.0}) {
            EXPECT_TRUE(shows(t, inside, ground));
            EXPECT_FALSE(shows(t, inside, feed));
        }
    }
}

TEST_F(BackplotTest, AClickAndTheArrowKeysChooseALineAndItsMove) {
    const POINT right_side = pixel_of(100, 50);
    SendMessageW(at(1001), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(right_side.x + 2, right_side.y));
    SendMessageW(at(1001), WM_LBUTTONUP, 0, MAKELPARAM(right_side.x + 2, right_side.y));
    EXPECT_EQ(SendMessageW(at(1002), LVM_GETNEXTITEM, -1, LVNI_SELECTED), 2);
    EXPECT_EQ(part(3), L"Line 3: Y100");
    EXPECT_TRUE(shows(100, 50, highlight));
    EXPECT_FALSE(shows(50, 100, highlight));
    press(VK_DOWN); // on the picture, which the click gave the focus
    EXPECT_EQ(part(3), L"Line 4: X0");
    EXPECT_TRUE(shows(50, 100, highlight));
    EXPECT_TRUE(shows(100, 50, feed));
    SetFocus(at(1002));
    press(VK_UP);
    press(VK_UP);
    EXPECT_EQ(part(3), L"Line 2: G1 X100 F500");
    EXPECT_TRUE(shows(50, 0, highlight));
}

TEST_F(BackplotTest, AnotherFileShowsFromItsFirstLine) {
    const fs::path long_file = folder / L"LONG.NC";
    std::string lines = "G0 X0 Y0 Z0\n";
    for (int n = 1; n < 500; ++n)
        lines += "G1 X" + std::to_string(n) + " F100\n";
    write(long_file, lines);
    window.open(long_file.wstring());
    SetFocus(at(1002));
    press(VK_END);
    EXPECT_GT(SendMessageW(at(1002), LVM_GETTOPINDEX, 0, 0), 0);
    const fs::path other = folder / L"OTHER.NC";
    write(other, lines);
    window.open(other.wstring());
    EXPECT_EQ(SendMessageW(at(1002), LVM_GETTOPINDEX, 0, 0), 0);
}

TEST_F(BackplotTest, AFileNamedFromTheCurrentFolderIsKeptByItsFullPath) {
    const fs::path started_in = fs::current_path();
    fs::current_path(folder);
    window.open(L"SQUARE.NC");
    fs::current_path(started_in); // as an open dialog moves it
    EXPECT_EQ(window.path(), path.wstring());
}

TEST_F(BackplotTest, AFileDroppedOrChangedOnDiskIsRead) {
    // Changed: read again once it has settled, the view kept.
    write(path, std::string(square) + "(AGAIN)\n");
    for (int wait = 0; wait < 40 && items().size() == square_lines.size(); ++wait) {
        Sleep(100);
        pump_messages();
    }
    EXPECT_EQ(items().size(), square_lines.size() + 1);
    EXPECT_TRUE(shows(50, 0, feed));
    // Dropped: as the shell hands it over, a DROPFILES block and its wide paths.
    const fs::path other = folder / L"OTHER.NC";
    write(other, "G0 X0 Y0 Z0\nG1 X10 F100\n");
    const std::wstring paths = other.wstring() + L'\0';
    const HGLOBAL drop =
        GlobalAlloc(GHND, sizeof(DROPFILES) + (paths.size() + 1) * sizeof(wchar_t));
    auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    paths.copy(reinterpret_cast<wchar_t*>(files + 1), paths.size());
    GlobalUnlock(drop);
    SendMessageW(window.window(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_EQ(text_of(window.window()), L"Backplot - OTHER.NC");
    EXPECT_EQ(items(), (std::vector<std::wstring>{L"G0 X0 Y0 Z0", L"G1 X10 F100"}));
}

} // namespace
} // namespace backplot::win
