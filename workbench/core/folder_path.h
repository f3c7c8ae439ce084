#pragma once
// What the folder and drive lists show, as text: a folder list shows the path from the
// drive root down to the open folder, one item per level, then the open folder's
// subfolders; a drive list shows each drive as "c: [label]".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace workbench {

// A full folder path as the panes keep it: without a trailing "\" (however many were
// written), but a root keeps its own: "C:\", "\\server\share\".
std::wstring normalized_folder(std::wstring_view path);

// The levels of a full path: its root ("C:\", or "\\server\share\" for a network path),
// then each folder's own name. A trailing "\" is ignored.
std::vector<std::wstring> folder_levels(std::wstring_view path);

// The full path of the first `count` levels; a root keeps its "\" (C:\).
std::wstring folder_path(const std::vector<std::wstring>& levels, std::size_t count);

// The folder a folder list opens when item `index` is opened: a level of the path shown,
// or one of the open folder's subfolders, which follow the levels.
std::wstring folder_of_item(const std::vector<std::wstring>& levels, std::size_t index,
                            std::wstring_view item_text);

// The drive list's item for a drive: the lower-case letter and colon, then a blank and the
// label in brackets when the drive has one.
std::wstring drive_item_text(wchar_t letter, std::wstring_view label);

// The drive list's item for the network share a path lies on ("\\server\share"); nothing
// for a path on a drive.
std::optional<std::wstring> share_item_text(std::wstring_view path);

// The upper-case drive letter at the start of a drive item or a full path; nothing for a
// network path.
std::optional<wchar_t> drive_letter_of(std::wstring_view text);

} // namespace workbench
