#pragma once
// The workbench window in a folder of the test's own on C:, which is also the current
// folder: a CL folder, a post-processor folder and the program's folder with Plexo.cfg;
// driven through the automation contract.

#include "tests/win/test_folder.h"
#include "win/plexo_window.h"
#include "window_testing.h"

#include <memory>
#include <vector>

namespace workbench::testing {

using Items = std::vector<std::wstring>;

inline std::string narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

class PlexoTest : public ::testing::Test {
protected:
    void SetUp() override {
        GetCurrentDirectoryW(MAX_PATH, previous_folder_);
        CreateDirectoryW(L"C:\\trelvo", nullptr);
        CreateDirectoryW(L"C:\\trelvo\\bin", nullptr);
        folder_.folder(L"cl\\sub");
        folder_.folder(L"cl\\Alpha");
        config_ = folder_.folder(L"prog") + L"\\Plexo.cfg";
        for (const wchar_t* name : {L"PART1.APT", L"PART1.NC", L"PART1.NC1", L"part.ncd",
                                    L"MILL.PPTABLE", L"README", L".APT", L"b.apt"})
            write_file(cl_ + L"\\" + name, "");
        write_file(cl_ + L"\\hidden.APT", "", FILE_ATTRIBUTE_HIDDEN);
        write_file(cl_ + L"\\system.APT", "", FILE_ATTRIBUTE_SYSTEM);
        write_file(pp_ + L"\\MILL.PP.EXE", "");
        write_file(pp_ + L"\\FANUC", "");
        SetCurrentDirectoryW(folder_.path().c_str());
    }
    void TearDown() override {
        window_.reset();
        SetCurrentDirectoryW(previous_folder_);
    }

    // Plexo.cfg as Exit writes it.
    std::string config(const char* mode = "VAR", const std::wstring& cl = {}) const {
        return std::string("\"") + mode + "\",\"" + narrow(cl.empty() ? cl_ : cl) + "\"\r\n\"" +
               narrow(pp_) + "\"\r\n\"Backup\"\r\n\"Print\"\r\n\"Zip\"\r\n";
    }
    // Writes Plexo.cfg (none for nullptr) and makes the window, which runs start-up.
    void start(const char* config_text) {
        window_.reset();
        if (config_text) write_file(config_, config_text);
        window_ = std::make_unique<win::PlexoWindow>(config_, boxes_.function());
    }

    HWND control(std::wstring_view name) { return window_->form().control(name); }
    WindowState& state() { return window_->state(); }

    Items items(std::wstring_view list) {
        const bool combo = list.starts_with(L"Drive") || list == L"CmbType";
        const auto count = SendMessageW(control(list), combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
        Items texts;
        for (int i = 0; i < count; ++i) {
            wchar_t text[MAX_PATH * 2]{};
            SendMessageW(control(list), combo ? CB_GETLBTEXT : LB_GETTEXT, i,
                         reinterpret_cast<LPARAM>(text));
            texts.push_back(text);
        }
        return texts;
    }
    void notify(std::wstring_view name, WORD notification) {
        SendMessageW(window_->form().window(), WM_COMMAND,
                     MAKEWPARAM(window_->form().control_id(name), notification),
                     reinterpret_cast<LPARAM>(control(name)));
    }
    void choose(std::wstring_view combo, int position) {
        SendMessageW(control(combo), CB_SETCURSEL, position, 0);
        notify(combo, CBN_SELCHANGE);
    }
    void click_item(std::wstring_view list, const std::wstring& text, WORD how = LBN_SELCHANGE) {
        const auto index = SendMessageW(control(list), LB_FINDSTRINGEXACT, -1,
                                        reinterpret_cast<LPARAM>(text.c_str()));
        ASSERT_NE(index, LB_ERR) << narrow(text);
        SendMessageW(control(list), LB_SETCURSEL, index, 0);
        notify(list, how);
    }

    // The files of the CL folder that the system does not hide: a Wine prefix may hide
    // names that begin with ".", as a Unix shell does.
    Items visible(const Items& names) const {
        Items shown;
        for (const auto& name : names)
            if (!(GetFileAttributesW((cl_ + L"\\" + name).c_str()) & FILE_ATTRIBUTE_HIDDEN))
                shown.push_back(name);
        return shown;
    }

    TestFolder folder_;
    const std::wstring cl_ = folder_.folder(L"cl"), pp_ = folder_.folder(L"pp");
    std::wstring config_;
    desktop::testing::RecordingMessageBox boxes_;
    std::unique_ptr<win::PlexoWindow> window_;
    wchar_t previous_folder_[MAX_PATH]{};
};

} // namespace workbench::testing
