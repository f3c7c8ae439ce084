#pragma once
// The window's two file-selection panes: the CL pane on the left, the post-processor pane
// in the middle.

namespace workbench::win {

enum class PaneSide { cl, pp };

inline constexpr PaneSide both_sides[] = {PaneSide::cl, PaneSide::pp};

} // namespace workbench::win
