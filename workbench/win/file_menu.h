#pragma once
// The CL file list's context menu, whose first item is "Plot". A right click opens it on the
// file under the mouse, which it chooses first as a click does; the context-menu key and
// Shift+F10 open it on the chosen file.

#include <windows.h>

namespace workbench::win {

enum class FileMenuCommand { none, plot };

// Highlights the file a WM_CONTEXTMENU at `where` (screen coordinates, or -1, -1 from the
// keyboard) is about; false when it is about none (below the last file, or none chosen).
bool choose_menu_file(HWND list, LPARAM where);

// Shows the menu at the mouse, or beneath the chosen file for the keyboard, and returns what
// was chosen from it.
FileMenuCommand show_file_menu(HWND owner, HWND list, LPARAM where);

} // namespace workbench::win
