#pragma once
// The file-type list CmbType: its entries and the pattern each one gives FilAPT.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace workbench {

struct FileType {
    std::wstring_view entry;
    std::wstring_view pattern; // empty for "Current files", whose pattern is made per choice
};

inline constexpr std::array<FileType, 10> file_types{{
    {L"All files", L"*.*"},
    {L"Current files", L""},
    {L"Output files", L"*.NC?"},
    {L"APTsource", L"*.APT*"},
    {L"Qvorin", L"*.NCD"},
    {L"NCList", L"*.NCL"},
    {L"NCStatus", L"*.NCS"},
    {L"PPTables", L"*.pptable"},
    {L"cfg", L"*.CFG"},
    {L"NCI files", L"*.NCI"},
}};

inline constexpr int current_files_position = 1;

// The pattern of FilAPT for the entry at `position`, given the selected CL file; nothing
// for a position outside the list (no entry selected), which leaves the pattern alone.
std::optional<std::wstring> file_type_pattern(int position, std::wstring_view cl_file);

} // namespace workbench
