#pragma once
// What the commands may ask of the two file-selection panes. The window implements it on
// its real lists; tests use a fake.

#include <string>

namespace workbench {

class Panes {
public:
    virtual ~Panes() = default;
    // The folder open in DirAPT / DirPosts, which its drive and file lists also show: a full
    // path without a trailing "\", but a root keeps its own ("C:\", "\\server\share\").
    virtual std::wstring cl_folder() const = 0;
    virtual std::wstring pp_folder() const = 0;
    // Sets the file pattern of FilAPT (leaving CmbType's entry alone) and re-reads it from
    // the CL folder.
    virtual void set_cl_pattern(const std::wstring& pattern) = 0;
    // Re-read FilAPT with its pattern unchanged / re-read FilPosts.
    virtual void reread_cl_files() = 0;
    virtual void reread_pp_files() = 0;
};

} // namespace workbench
