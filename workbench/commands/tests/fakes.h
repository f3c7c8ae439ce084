#pragma once
// A scripted Shell and Panes that write everything asked of them into one log, in order.

#include "commands/panes.h"
#include "commands/shell.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace workbench::testing {

using Log = std::vector<std::wstring>;

struct FakeShell : Shell {
    explicit FakeShell(Log& log) : log(log) {}
    Log& log;
    int cancels = 0;                  // how many boxes the user cancels before saying OK again
    std::wstring typed;               // what the user types into every input box
    std::wstring start_failure;       // when set, every start fails with it
    std::set<std::wstring> files;     // the paths that name a file
    std::wstring refusal;             // when set, every deletion fails with it
    std::vector<CommandLine> started; // task ids count from 2468
    std::set<std::wstring> missing_programs;            // every other program is found as named
    std::map<std::wstring, std::wstring> type_programs; // by extension: ".pdf"
    // What happens while a box is open (the window handles messages meanwhile); its text.
    std::function<void(std::wstring_view)> while_box_open;

    int message_box(std::wstring_view text, int style, std::wstring_view title) override {
        log.push_back(L"box " + std::to_wstring(style) + L" " + std::wstring(title) + L": " +
                      std::wstring(text));
        if (while_box_open) while_box_open(text);
        return cancelled() ? cancel_button : ok_button;
    }
    std::wstring input_box(std::wstring_view prompt, std::wstring_view title) override {
        log.push_back(L"input " + std::wstring(title) + L": " + std::wstring(prompt));
        return cancelled() ? std::wstring() : typed;
    }
    StartResult start(const CommandLine& line) override {
        log.push_back(L"start " + line.text());
        started.push_back(line);
        if (!start_failure.empty()) return {std::nullopt, start_failure};
        return {static_cast<unsigned long>(2467 + started.size()), {}};
    }
    bool is_file(const std::wstring& path) override { return files.contains(path); }
    std::optional<std::wstring> delete_file(const std::wstring& path) override {
        log.push_back(L"delete " + path);
        if (!refusal.empty()) return refusal;
        files.erase(path);
        return std::nullopt;
    }
    std::optional<std::wstring> program_file(const std::wstring& program) override {
        if (missing_programs.contains(program)) return std::nullopt;
        return program;
    }
    std::optional<std::wstring> program_for_type(const std::wstring& extension) override {
        const auto found = type_programs.find(extension);
        if (found == type_programs.end()) return std::nullopt;
        return found->second;
    }
    StartResult open_document(const std::wstring& path) override {
        log.push_back(L"open " + path);
        return {2468ul, {}};
    }
    bool cancelled() { return cancels > 0 ? (--cancels, true) : false; }
};

struct FakePanes : Panes {
    explicit FakePanes(Log& log) : log(log) {}
    Log& log;
    std::wstring cl = L"D:\\JOBS\\P100";
    std::wstring cl_folder() const override { return cl; }
    std::wstring pp_folder() const override { return L"C:\\trelvo\\bin"; }
    void set_cl_pattern(const std::wstring& pattern) override {
        log.push_back(L"pattern " + pattern);
    }
    void reread_cl_files() override { log.push_back(L"reread FilAPT"); }
    void reread_pp_files() override { log.push_back(L"reread FilPosts"); }
};

} // namespace workbench::testing
