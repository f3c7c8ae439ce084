#pragma once
// The layout rule applied to the workbench window at its present outer size.

#include <desktop/form.h>

namespace workbench::win {

// Places every control and line the rule names; false when nothing moved, at or below the
// rule's smallest size.
bool apply_layout(desktop::Form& form);

} // namespace workbench::win
