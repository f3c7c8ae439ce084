#pragma once
// The workbench on real files: a folder of its own for each test on C: (where the workbench
// looks for \trelvo\bin), removed at the end; and the window in one, which is also the current
// folder, with a CL folder, a post-processor folder and the program's folder with Plexo.cfg,
// driven through the automation contract with a scripted Shell that touches real files.

#include "commands/command_lines.h"
#include "commands/tests/fakes.h"
#include "commands/win/win32_shell.h"
#include "win/plexo_window.h"
#include "window_testing.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string_view>

namespace workbench::testing {

using Items = std::vector<std::wstring>;

inline void write_file(const std::filesystem::path& path, std::string_view bytes,
                       DWORD attributes = 0) {
    std::ofstream(path, std::ios::binary) << bytes;
    if (attributes) SetFileAttributesW(path.c_str(), attributes);
}

struct TestFolder {
    TestFolder() { std::filesystem::create_directories(path); }
    ~TestFolder() {
        std::error_code ignored; // read-only files would refuse to go
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path, ignored))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::filesystem::remove_all(path, ignored);
    }
    std::wstring operator/(const std::wstring& name) const { return path + L"\\" + name; }
    std::wstring folder(const std::wstring& name) const {
        std::filesystem::create_directories(*this / name);
        return *this / name;
    }

    inline static int count = 0;
    const std::wstring path = L"C:\\plexo-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(++count);
};

// Scripted answers and recorded boxes and starts, but real files.
struct FilesOnDisk : FakeShell {
    using FakeShell::FakeShell;
    bool is_file(const std::wstring& path) override { return Win32Shell().is_file(path); }
    std::optional<std::wstring> delete_file(const std::wstring& path) override {
        FakeShell::delete_file(path);
        return Win32Shell().delete_file(path);
    }
};

class PlexoTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(L"C:\\trelvo\\bin");
        folder_.folder(L"cl\\sub");
        folder_.folder(L"cl\\Alpha");
        config_ = folder_.folder(L"prog") + L"\\Plexo.cfg";
        for (const auto& name : all_cl_files)
            write_file(cl_ + L"\\" + name, "");
        write_file(pp_ + L"\\MILL.PP.EXE", "");
        write_file(pp_ + L"\\FANUC", "");
        SetCurrentDirectoryW(folder_.path.c_str());
    }
    void TearDown() override { SetCurrentDirectoryW(L"C:\\"); } // so that the folder can go

    // Plexo.cfg as Exit writes it.
    std::string config(const std::wstring& mode = L"VAR", const std::wstring& cl = {}) const {
        const std::wstring text = L"\"" + mode + L"\",\"" + (cl.empty() ? cl_ : cl) + L"\"\r\n\"" +
                                  pp_ + L"\"\r\n\"Backup\"\r\n\"Print\"\r\n\"R&D\"\r\n";
        return {text.begin(), text.end()}; // the test's paths are ASCII
    }
    // Writes Plexo.cfg (none for "") and makes the window, which runs start-up.
    void start(const std::string& config_text) {
        window_.reset();
        log_.clear();
        DeleteFileW(config_.c_str());
        if (!config_text.empty()) write_file(config_, config_text);
        window_ = std::make_unique<win::PlexoWindow>(config_, shell_);
    }

    HWND control(std::wstring_view name) { return window_->control(name); }
    WindowState& state() { return window_->state(); }
    std::wstring text(std::wstring_view name) { return desktop::window_text(control(name)); }
    Items items(std::wstring_view list) {
        Items texts(SendMessageW(control(list), LB_GETCOUNT, 0, 0));
        for (std::size_t i = 0; i < texts.size(); ++i)
            texts[i] = desktop::list_item_text(control(list), static_cast<int>(i));
        return texts;
    }
    // Chooses the item `text` of a list, or the first that begins with it in a drop-down list,
    // the way a click does (LBN_SELCHANGE and CBN_SELCHANGE are one code), or double-clicks it.
    void choose(std::wstring_view name, const std::wstring& text, WORD how = LBN_SELCHANGE) {
        wchar_t window_class[16]{};
        GetClassNameW(control(name), window_class, 16);
        const bool combo = std::wstring_view(window_class) == L"ComboBox";
        const auto index = SendMessageW(control(name), combo ? CB_FINDSTRING : LB_FINDSTRINGEXACT,
                                        -1, reinterpret_cast<LPARAM>(text.c_str()));
        ASSERT_NE(index, LB_ERR) << ::testing::PrintToString(text);
        SendMessageW(control(name), combo ? CB_SETCURSEL : LB_SETCURSEL, index, 0);
        SendMessageW(window_->window(), WM_COMMAND, MAKEWPARAM(window_->control_id(name), how),
                     reinterpret_cast<LPARAM>(control(name)));
    }
    // Handles messages until `condition` holds, for two seconds at most: time enough for
    // the folder watch and its coalescing under Wine.
    template <class Condition> bool eventually(Condition condition) {
        for (int waited = 0; waited < 2000 && !condition(); waited += 20) {
            Sleep(20);
            desktop::testing::pump_messages();
        }
        return condition();
    }

    const Items all_cl_files = {L"b.apt", L"part.ncd", L"PART1.APT", L"PART1.NC"};
    TestFolder folder_;
    const std::wstring cl_ = folder_.folder(L"cl"), pp_ = folder_.folder(L"pp");
    std::wstring config_;
    Log log_;
    FilesOnDisk shell_{log_};
    std::unique_ptr<win::PlexoWindow> window_;
};

} // namespace workbench::testing
