#pragma once
// The workbench window FrmPlexo as data: its controls in tab order and its six lines.

#include <desktop/form.h>

#include <string_view>

namespace workbench::win {

inline constexpr std::wstring_view plexo_title = L"Plexo";

const desktop::FormDesign& plexo_form();

} // namespace workbench::win
