#include "desktop/win32.h"

namespace desktop {
namespace {

// The one shape of every "length, then text" pair of messages.
std::wstring item_text(HWND control, UINT length_message, UINT text_message, int index) {
    const LRESULT length = SendMessageW(control, length_message, index, 0);
    if (length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(control, text_message, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
    return text;
}

} // namespace

std::wstring window_text(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring list_item_text(HWND list, int index) {
    return item_text(list, LB_GETTEXTLEN, LB_GETTEXT, index);
}

std::wstring combo_item_text(HWND combo, int index) {
    return item_text(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

std::optional<int> selected_index(HWND list) {
    const LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return std::nullopt;
    return static_cast<int>(index);
}

std::optional<std::wstring> selected_item_text(HWND list) {
    if (const auto index = selected_index(list)) return list_item_text(list, *index);
    return std::nullopt;
}

std::wstring from_ansi(std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), size);
    wide.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return wide;
}

std::wstring system_message(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length ? std::wstring(buffer, length) : std::wstring();
    LocalFree(buffer);
    text.erase(text.find_last_not_of(L"\r\n ") + 1); // all of it when that is all: npos + 1 is 0
    if (text.empty()) text = L"System error " + std::to_wstring(error) + L".";
    return text;
}

std::wstring program_folder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const auto slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

} // namespace desktop
