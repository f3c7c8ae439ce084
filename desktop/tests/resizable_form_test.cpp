// The form layer's resizable windows on a small made-up one: controls that follow the
// window's size, a picture that paints itself and is told the mouse and keys, a virtual text
// list, status bar parts, and menu commands run alike from the menu, a shortcut and the toolbar.

#include "window_testing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace desktop {
namespace {

using namespace desktop::testing;

// clang-format off
const Control controls[] = {
    // name      kind               caption tip  left  top  width height font frame selected follow
    {L"Bar",     Kind::toolbar,     L"",    L"", 0,    0,   6000, 420,   {},  {},   false,   {0, 0, 1, 0}},
    {L"Drawing", Kind::picture,     L"",    L"", 0,    420, 3600, 3000,  {},  {},   false,   {0, 0, 0.6, 1}},
    {L"Items",   Kind::text_list,   L"",    L"", 3660, 420, 2340, 3000,  {},  {},   false,   {0.6, 0, 1, 1}},
    {L"State",   Kind::status_bar,  L"",    L"", 0,    3420, 6000, 360,  {},  {},   false,   {0, 1, 1, 1}},
};
const MenuItem menu[] = {
    {L"&File", L"Open", L"&Open..."},
    {L"&View", L"Near", L"&Near", true, true},
    {L"&View", L"Far",  L"&Far",  true, true},
};
const Shortcut shortcuts[] = {{L"Open", 'O', FCONTROL}, {L"Near", '1'}, {L"Far", '2'}};
// clang-format on
enum Tab { Bar, Drawing, Items, State };

const FormDesign made_up{.window_class = L"NctResizableTest",
                         .caption = L"Resizable",
                         .client_width = 6000,
                         .client_height = 3780,
                         .font = {L"Tahoma", 9},
                         .controls = controls,
                         .menu = menu,
                         .shortcuts = shortcuts};

constexpr COLORREF red = RGB(200, 0, 0);

class TestWindow : public Form {
public:
    TestWindow() : Form(made_up) {
        on_paint(L"Drawing", [](HDC dc, SIZE size) {
            const Brush brush(CreateSolidBrush(red));
            const RECT all{0, 0, size.cx, size.cy};
            FillRect(dc, &all, brush.get());
        });
        on_mouse(L"Drawing", [this](const MouseEvent& event) {
            if (event.action == MouseEvent::Action::move)
                captured = GetCapture() == control(L"Drawing");
            log.push_back(std::to_wstring(static_cast<int>(event.action)) + L" " +
                          std::to_wstring(static_cast<int>(event.button)) + L" " +
                          std::to_wstring(event.at.x) + L"," + std::to_wstring(event.at.y));
        });
        on_key(L"Drawing", [this](UINT key) {
            log.push_back(L"key " + std::to_wstring(key));
            return true;
        });
        on_notify(L"Items", LVN_ITEMCHANGED, [this](const NMHDR& header) -> std::optional<LRESULT> {
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
            if (change.uNewState & LVIS_SELECTED)
                log.push_back(L"chosen " + std::to_wstring(change.iItem));
            return std::nullopt;
        });
        for (const wchar_t* command : {L"Open", L"Near", L"Far"})
            on_menu(command, [this, command] { log.push_back(command); });
    }
    std::vector<std::wstring> log;
    bool captured = false;
};

using ResizableFormTest = WindowTest<TestWindow>;

TEST_F(ResizableFormTest, ControlsFollowTheWindowsSize) {
    // 1500 twips wider and 750 taller: the picture keeps 60 % of the growth, the list the rest.
    RECT outer{0, 0, window.to_pixels(7500), window.to_pixels(4530)};
    AdjustWindowRectExForDpi(&outer, GetWindowLongW(window.window(), GWL_STYLE), TRUE, 0,
                             window.dpi());
    SetWindowPos(window.window(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    const struct {
        Tab tab;
        int left, top, width, height;
    } expected[] = {{Bar, 0, 0, 7500, 420},
                    {Drawing, 0, 420, 4500, 3750},
                    {Items, 4560, 420, 2940, 3750},
                    {State, 0, 4170, 7500, 360}};
    for (const auto& [tab, left, top, width, height] : expected) {
        SCOPED_TRACE(tab);
        const RECT placed = placement_of(at(tab));
        const auto px = [&](int twips) { return window.to_pixels(twips); };
        EXPECT_EQ((std::array{placed.left, placed.top, placed.right, placed.bottom}),
                  (std::array<LONG, 4>{px(left), px(top), px(left + width), px(top + height)}));
    }
}

TEST_F(ResizableFormTest, PicturePaintsItselfAndIsToldTheMouseAndKeys) {
    wchar_t class_name[64]{};
    GetClassNameW(at(Drawing), class_name, 64);
    EXPECT_STREQ(class_name, L"NctPicture");
    pump_messages();
    {
        const WindowDc dc(at(Drawing));
        EXPECT_EQ(GetPixel(dc, 20, 20), red);
    }
    SendMessageW(at(Drawing), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 20));
    EXPECT_EQ(GetFocus(), at(Drawing)) << "a press gives the picture the focus";
    SendMessageW(at(Drawing), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30, 40));
    SendMessageW(at(Drawing), WM_LBUTTONUP, 0, MAKELPARAM(30, 41));
    EXPECT_TRUE(window.captured) << "the mouse is the picture's while a button is held";
    EXPECT_NE(GetCapture(), at(Drawing));
    EXPECT_EQ(SendMessageW(at(Drawing), WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS, DLGC_WANTARROWS);
    press(VK_DOWN);
    // press, move, release (left), then the capture let go; the key.
    EXPECT_EQ(window.log, (std::vector<std::wstring>{L"0 1 10,20", L"2 0 30,40", L"1 1 30,41",
                                                     L"4 0 0,0", L"key 40"}));
}

TEST_F(ResizableFormTest, TextListHandsOutItsItemsAsTheyShow) {
    window.set_items(L"Items", 100000, [](std::size_t i) { return L"line " + std::to_wstring(i); });
    EXPECT_EQ(SendMessageW(at(Items), LVM_GETITEMCOUNT, 0, 0), 100000);
    wchar_t text[64]{};
    LVITEMW item{};
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(at(Items), LVM_GETITEMTEXTW, 54321, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, L"line 54321");
    window.select_item(L"Items", 7);
    SetFocus(at(Items));
    press(VK_DOWN);
    EXPECT_EQ(window.selected_item(L"Items"), 8u);
    SendMessageW(at(Items), WM_CHAR, L'x', 1);
    EXPECT_EQ(window.selected_item(L"Items"), 8u) << "a letter typed finds nothing";
    EXPECT_EQ(window.log, (std::vector<std::wstring>{L"chosen 7", L"chosen 8"}));
    window.set_items(L"Items", 20, [](std::size_t i) { return L"new " + std::to_wstring(i); });
    EXPECT_EQ(window.selected_item(L"Items"), std::nullopt) << "none of the new items is chosen";
}

TEST_F(ResizableFormTest, StatusBarPartsByTwipsOrByTheirText) {
    window.set_parts(L"State", {1500, 0, 0});
    const auto edges = [&] {
        std::array<int, 4> right{};
        EXPECT_EQ(SendMessageW(at(State), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(right.data())),
                  3);
        return right;
    };
    window.set_part_text(L"State", 1, L"short");
    const int short_edge = edges()[1];
    window.set_part_text(L"State", 1, L"a good deal longer than that");
    EXPECT_EQ(edges()[0], window.to_pixels(1500));
    EXPECT_GT(edges()[1], short_edge) << "a part as wide as its text follows it";
    EXPECT_EQ(edges()[2], -1) << "the last reaches to the end";
    wchar_t text[64]{};
    SendMessageW(at(State), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"a good deal longer than that");
}

TEST_F(ResizableFormTest, MenuShortcutAndToolbarRunOneCommand) {
    const HMENU bar = GetMenu(window.window());
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    wchar_t text[64]{};
    GetMenuStringW(GetSubMenu(bar, 0), 0, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"&Open...\tCtrl+O");
    SetFocus(at(Items));
    press('O', VK_CONTROL);
    press('2');
    // The toolbar's first button, clicked.
    RECT button{};
    SendMessageW(at(Bar), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&button));
    const LPARAM middle =
        MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    PostMessageW(at(Bar), WM_LBUTTONDOWN, MK_LBUTTON, middle);
    PostMessageW(at(Bar), WM_LBUTTONUP, 0, middle);
    pump_messages();
    EXPECT_EQ(window.log, (std::vector<std::wstring>{L"Open", L"Far", L"Near"}));
    window.set_checked(L"Far", true);
    EXPECT_TRUE(window.is_checked(L"Far"));
    EXPECT_TRUE(SendMessageW(at(Bar), TB_ISBUTTONCHECKED, menu_command_id + 2, 0));
    window.set_checked(L"Far", false);
    EXPECT_FALSE(SendMessageW(at(Bar), TB_ISBUTTONCHECKED, menu_command_id + 2, 0));
}

} // namespace
} // namespace desktop
