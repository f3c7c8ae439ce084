#include "layout_rule.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace workbench {
namespace {

constexpr double minimum_outer_size = 7000;

// The growth over the reference size in whole twips, halves to the even neighbour (the
// default rounding mode), kept far enough inside int that every sum below stays in range.
int growth(double outer, int reference) {
    const double limit = INT_MAX / 2;
    return static_cast<int>(std::clamp(std::nearbyint(outer - reference), -limit, limit));
}

} // namespace

std::vector<LayoutStep> layout_steps(double outer_width, double outer_height) {
    if (!(outer_width > minimum_outer_size) || !(outer_height > minimum_outer_size)) return {};
    const int dw = growth(outer_width, reference_outer_width);
    const int dh = growth(outer_height, reference_outer_height);
    using enum Property;
    std::vector<LayoutStep> steps = {
        {L"FilAPT", width, dw + 8055},  {L"FilAPT", height, dh + 5370},
        {L"DirAPT", width, dw + 8055},  {L"DriveAPT", left, dw + 6120},
        {L"DriveAPT", top, dh + 7440},  {L"DrivePP", left, dw + 9600},
        {L"DrivePP", top, dh + 7440},   {L"DirPosts", left, dw + 8280},
        {L"FilPosts", left, dw + 8280}, {L"FilPosts", height, dh + 5370},
        {L"Label2", left, dw + 8280},   {L"Label4", left, dw + 9600},
        {L"Label4", top, dh + 7200},    {L"Label9", left, dw + 6120},
        {L"Label9", top, dh + 7200},    {L"Label3", top, dh + 7200},
        {L"CmbType", width, dw + 5775}, {L"CmbType", top, dh + 7440},
    };
    // The box round the button column: Line1 and Line3 are its sides, the others run
    // across it, 1680 twips long.
    struct BoxLine {
        std::wstring_view name;
        int x1;
        int length;
    };
    for (const BoxLine& line : {BoxLine{L"Line1", 10560, 0}, BoxLine{L"Line2", 10560, 1680},
                                BoxLine{L"Line3", 12240, 0}, BoxLine{L"Line4", 10560, 1680},
                                BoxLine{L"Line5", 10560, 1680}, BoxLine{L"Line6", 10560, 1680}}) {
        steps.push_back({line.name, x1, dw + line.x1});
        steps.push_back({line.name, x2, dw + line.x1 + line.length});
    }
    for (std::wstring_view button :
         {L"CmdPost", L"CmdEdit", L"CmdPrint", L"CmdDelete", L"CmdInsPP", L"CmdDelPP", L"CmdHelp",
          L"CmdUser1", L"CmdUser2", L"CmdUser3", L"CmdExit"})
        steps.push_back({button, left, dw + 10680});
    return steps;
}

} // namespace workbench
