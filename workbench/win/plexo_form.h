#pragma once
// The workbench window FrmPlexo as data: its controls in tab order and its six lines.

#include <desktop/form.h>

namespace workbench::win {

const desktop::FormDesign& plexo_form();

} // namespace workbench::win
