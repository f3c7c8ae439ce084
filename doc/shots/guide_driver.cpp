// guide_driver STEP...: drives a program's window for the user's guide's screenshots, as a
// user would, through the automation contract (control IDs 1000 + tab index, standard
// messages), and tells where the window is, so that tools/guide can cut it out of the
// virtual screen. The steps, in order:
//   wait CAPTION     waits for a shown window with this caption; the window of later steps
//   text ID TEXT     types TEXT into the control (WM_SETTEXT)
//   click ID         clicks the button (BM_CLICK)
//   choose ID TEXT   chooses the item TEXT of a list or combo box, with its notification
//   where            prints the window's place on the screen, "X Y WIDTH HEIGHT", once painted
//   close            closes the window
// Ends with 1, naming the step, when a step cannot be done.

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

HWND window = nullptr;

[[noreturn]] void fail(const wchar_t* step, const std::wstring& why) {
    std::fwprintf(stderr, L"guide_driver: %ls: %ls\n", step, why.c_str());
    std::exit(1);
}

// Waits until the window has handled everything sent and posted to it so far.
void settle() {
    DWORD_PTR ignored;
    for (int round = 0; round < 3; ++round) {
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &ignored);
        Sleep(150);
    }
}

HWND wait_for(const wchar_t* caption) {
    for (int tries = 0; tries < 300; ++tries) {
        const HWND found = FindWindowW(nullptr, caption);
        if (found && IsWindowVisible(found)) return found;
        Sleep(100);
    }
    fail(L"wait", std::wstring(L"no window \"") + caption + L"\" showed within 30 s");
}

HWND control(const wchar_t* id) {
    const HWND found = GetDlgItem(window, _wtoi(id));
    if (!found) fail(L"control", std::wstring(L"the window has no control ") + id);
    return found;
}

std::wstring class_of(HWND handle) {
    wchar_t name[64] = L"";
    GetClassNameW(handle, name, 64);
    return name;
}

// The item's index, read item by item: a list's texts cross from process to process.
int item_index(HWND list, bool combo, const std::wstring& text) {
    const LRESULT count = SendMessageW(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    for (int index = 0; index < count; ++index) {
        const LRESULT length =
            SendMessageW(list, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, index, 0);
        if (length < 0) continue;
        std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(list, combo ? CB_GETLBTEXT : LB_GETTEXT, index,
                     reinterpret_cast<LPARAM>(item.data()));
        item.resize(static_cast<std::size_t>(length));
        if (item == text) return index;
    }
    fail(L"choose", L"no item \"" + text + L"\"");
}

void choose(const wchar_t* id, const std::wstring& text) {
    const HWND list = control(id);
    const bool combo = class_of(list) == L"ComboBox";
    const int index = item_index(list, combo, text);
    SendMessageW(list, combo ? CB_SETCURSEL : LB_SETCURSEL, index, 0);
    const WORD notification = combo ? CBN_SELCHANGE : LBN_SELCHANGE;
    SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), notification),
                 reinterpret_cast<LPARAM>(list));
}

void where() {
    // Near the screen's top left corner, whole on the screen, and painted anew.
    SetWindowPos(window, HWND_TOP, 16, 16, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    settle();
    RECT r{};
    GetWindowRect(window, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    std::fflush(stdout);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    for (int n = 1; n < argc; ++n) {
        const std::wstring step = argv[n];
        const auto argument = [&]() -> const wchar_t* {
            if (n + 1 >= argc) fail(step.c_str(), L"an argument is missing");
            return argv[++n];
        };
        if (step == L"wait") {
            window = wait_for(argument());
            settle();
            continue;
        }
        if (!window) fail(step.c_str(), L"no window yet: wait for one first");
        if (step == L"text") {
            const HWND field = control(argument());
            SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argument()));
        } else if (step == L"click") {
            DWORD_PTR ignored;
            SendMessageTimeoutW(control(argument()), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 10000,
                                &ignored);
        } else if (step == L"choose") {
            const wchar_t* id = argument();
            choose(id, argument());
        } else if (step == L"where") {
            where();
        } else if (step == L"close") {
            PostMessageW(window, WM_CLOSE, 0, 0);
        } else {
            fail(step.c_str(), L"not a step");
        }
        settle();
    }
    return 0;
}
