#pragma once
// A scripted Shell and Panes that write everything asked of them into one log, in order.

#include "commands/panes.h"
#include "commands/shell.h"

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace workbench::testing {

using Log = std::vector<std::wstring>;

template <class T> T next_of(std::deque<T>& queue, T when_empty) {
    if (queue.empty()) return when_empty;
    T front = queue.front();
    queue.pop_front();
    return front;
}

struct FakeShell : Shell {
    explicit FakeShell(Log& log) : log(log) {}
    Log& log;
    std::deque<int> answers;                       // button codes; OK when none is left
    std::deque<std::wstring> inputs;               // input box results; "" when none is left
    std::wstring start_failure;                    // when set, every start fails with it
    std::set<std::wstring> files;                  // the paths that name a file
    std::map<std::wstring, std::wstring> refusals; // path -> reason its deletion fails
    std::vector<CommandLine> started;              // task ids count from 2468

    int message_box(std::wstring_view text, int style, std::wstring_view title) override {
        log.push_back(L"box " + std::to_wstring(style) + L" " + std::wstring(title) + L": " +
                      std::wstring(text));
        return next_of(answers, ok_button);
    }
    std::wstring input_box(std::wstring_view prompt, std::wstring_view title) override {
        log.push_back(L"input " + std::wstring(title) + L": " + std::wstring(prompt));
        return next_of(inputs, std::wstring());
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
        if (refusals.contains(path)) return refusals[path];
        files.erase(path);
        return std::nullopt;
    }
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
