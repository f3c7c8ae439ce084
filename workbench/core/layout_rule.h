#pragma once
// How FrmPlexo's controls follow the window's size: the CL pane and the file-type list
// take up gained or lost width, the two file lists gained or lost height; the
// post-processor pane, the drive lists and the boxed button column follow the right edge,
// the bottom row follows the bottom edge.

#include <string_view>
#include <vector>

namespace workbench {

enum class Property { left, top, width, height, x1, x2 };

// One assignment of the rule: a control's (or a line's) property gets a value in twips.
struct LayoutStep {
    std::wstring_view control;
    Property property;
    int value;

    friend bool operator==(const LayoutStep&, const LayoutStep&) = default;
};

// The window's outer size (frame and title bar included) the layout was designed for.
inline constexpr int reference_outer_width = 12495;
inline constexpr int reference_outer_height = 8490;

// The rule's assignments, in order, for the outer size in twips; none when the window is
// 7000 twips or less wide or high (a minimised window among them), which leaves every
// control where the last larger size put it. Sums are 32-bit, so windows beyond 16-bit
// twip sizes keep the same formulas.
std::vector<LayoutStep> layout_steps(double outer_width, double outer_height);

} // namespace workbench
