// The menu bar, its shortcuts and the toolbar, all made from the design's menu table: a
// command has one ID, whichever of the three runs it.

#include "form_parts.h"

#include <commctrl.h>

#include <stdexcept>
#include <vector>

namespace desktop {

using namespace detail;

namespace {

int command_id(std::size_t row) {
    return menu_command_id + static_cast<int>(row);
}

// The name of a key as menus show it: "Ctrl+O", "Home", "F5".
std::wstring key_text(const Shortcut& shortcut) {
    std::wstring text;
    if (shortcut.modifiers & FCONTROL) text += L"Ctrl+";
    if (shortcut.modifiers & FSHIFT) text += L"Shift+";
    if (shortcut.modifiers & FALT) text += L"Alt+";
    const WORD key = shortcut.key;
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return text + wchar_t(key);
    if (key >= VK_F1 && key <= VK_F24) return text + L"F" + std::to_wstring(key - VK_F1 + 1);
    wchar_t name[64]{};
    LONG scan = static_cast<LONG>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    // Keys of the navigation block share scan codes with the number pad's: the extended bit
    // names them as on their own keys.
    if (key >= VK_PRIOR && key <= VK_DOWN) scan |= 1 << 24;
    GetKeyNameTextW(scan, name, 64);
    return text + name;
}

// The text of a toolbar button: the menu text without its access key mark or its "...".
std::wstring button_text(std::wstring_view text) {
    std::wstring plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size() && text[i + 1] != L'&') continue;
        plain += text[i];
        if (text[i] == L'&') ++i; // "&&" is one "&"
    }
    while (plain.ends_with(L'.'))
        plain.pop_back();
    return plain;
}

std::optional<std::size_t> menu_row(std::span<const MenuItem> menu, std::wstring_view command) {
    for (std::size_t row = 0; row < menu.size(); ++row)
        if (!menu[row].name.empty() && menu[row].name == command) return row;
    return std::nullopt;
}

} // namespace

void Form::create_menu() {
    if (design_.menu.empty()) return;
    menu_ = CreateMenu();
    HMENU popup = nullptr;
    std::wstring_view popup_title;
    const auto close_popup = [&] {
        if (!popup) return;
        AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                    std::wstring(popup_title).c_str());
        popup = nullptr;
    };
    for (std::size_t row = 0; row < design_.menu.size(); ++row) {
        const MenuItem& item = design_.menu[row];
        if (!popup || item.menu != popup_title) {
            close_popup();
            popup = CreatePopupMenu();
            popup_title = item.menu;
        }
        if (item.name.empty()) {
            AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::wstring text(item.text);
        for (const Shortcut& shortcut : design_.shortcuts)
            if (shortcut.command == item.name) {
                text += L"\t" + key_text(shortcut);
                break;
            }
        MENUITEMINFOW info{sizeof info};
        info.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE;
        info.fType = MFT_STRING | (item.choice ? MFT_RADIOCHECK : 0);
        info.wID = static_cast<UINT>(command_id(row));
        info.dwTypeData = text.data();
        InsertMenuItemW(popup, GetMenuItemCount(popup), TRUE, &info);
    }
    close_popup();

    std::vector<ACCEL> keys;
    for (const Shortcut& shortcut : design_.shortcuts) {
        const auto row = menu_row(design_.menu, shortcut.command);
        if (!row) throw std::logic_error("a shortcut of a command that the menu lacks");
        keys.push_back({static_cast<BYTE>(FVIRTKEY | shortcut.modifiers), shortcut.key,
                        static_cast<WORD>(command_id(*row))});
    }
    if (!keys.empty())
        shortcuts_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

void Form::fill_toolbar(HWND toolbar) {
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
    std::vector<std::wstring> texts;
    std::vector<std::size_t> rows;
    for (std::size_t row = 0; row < design_.menu.size(); ++row)
        if (design_.menu[row].on_toolbar) {
            rows.push_back(row);
            texts.push_back(button_text(design_.menu[row].text));
        }
    std::vector<TBBUTTON> buttons;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const MenuItem& item = design_.menu[rows[k]];
        TBBUTTON button{};
        button.iBitmap = I_IMAGENONE;
        button.idCommand = command_id(rows[k]);
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = BTNS_AUTOSIZE | BTNS_SHOWTEXT | (item.choice ? BTNS_CHECKGROUP : 0);
        button.iString = reinterpret_cast<INT_PTR>(texts[k].c_str());
        buttons.push_back(button);
    }
    SendMessageW(toolbar, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
}

void Form::on_menu(std::wstring_view command, std::function<void()> handler) {
    const auto row = menu_row(design_.menu, command);
    if (!row) throw std::logic_error("no menu command of that name");
    // A menu item tells 0, a shortcut 1, a toolbar button BN_CLICKED (0).
    commands_[{command_id(*row), 1}] = handler;
    commands_[{command_id(*row), 0}] = std::move(handler);
}

void Form::set_checked(std::wstring_view command, bool checked) {
    const auto row = menu_row(design_.menu, command);
    if (!row) throw std::logic_error("no menu command of that name");
    const int id = command_id(*row);
    if (menu_) CheckMenuItem(menu_, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    for (const Placed& placed : controls_)
        if (placed.row->kind == Kind::toolbar && placed.handle)
            SendMessageW(placed.handle, TB_CHECKBUTTON, id, MAKELPARAM(checked, 0));
}

bool Form::is_checked(std::wstring_view command) const {
    const auto row = menu_row(design_.menu, command);
    if (!row || !menu_) return false;
    return (GetMenuState(menu_, command_id(*row), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

bool Form::translate_shortcut(MSG& message) const {
    if (!shortcuts_ || !window_ || !message.hwnd) return false;
    if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
    return TranslateAcceleratorW(window_, shortcuts_, &message) != 0;
}

} // namespace desktop
