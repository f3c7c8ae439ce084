#include "win/file_dialogs.h"

#include "app/paths.h"

#include <commdlg.h>

#include <string_view>

namespace backplot::win {

namespace {

// Filters are pairs of texts, each ending in a NUL, the whole in a second NUL.
constexpr std::wstring_view program_filter =
    L"NC programs and CL files\0*.NC*;*.TAP;*.NGC;*.MPF;*.APT;*.CL;*.CLS\0"
    L"NC programs (*.NC*;*.TAP;*.NGC;*.MPF)\0*.NC*;*.TAP;*.NGC;*.MPF\0"
    L"CL files (*.APT;*.CL;*.CLS)\0*.APT;*.CL;*.CLS\0"
    L"All files (*.*)\0*.*\0";
constexpr std::wstring_view settings_filter =
    L"Machine settings (*.pptable)\0*.pptable\0All files (*.*)\0*.*\0";

std::optional<std::wstring> choose(HWND owner, const std::wstring& current,
                                   std::wstring_view filter, const wchar_t* title) {
    std::wstring chosen(32768, L'\0');
    const std::wstring folder = folder_of(current);
    const std::wstring filters(filter); // with its NULs and a last one of its own
    OPENFILENAMEW dialog{sizeof dialog};
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filters.c_str();
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = static_cast<DWORD>(chosen.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = title;
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    chosen.resize(chosen.find(L'\0'));
    return chosen;
}

} // namespace

std::optional<std::wstring> choose_program(HWND owner, const std::wstring& current) {
    return choose(owner, current, program_filter, L"Open NC Program or CL File");
}

std::optional<std::wstring> choose_settings(HWND owner, const std::wstring& current) {
    return choose(owner, current, settings_filter, L"Machine Settings");
}

} // namespace backplot::win
