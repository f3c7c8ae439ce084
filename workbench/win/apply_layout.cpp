#include "win/apply_layout.h"

#include "core/layout_rule.h"

#include <map>

namespace workbench::win {
namespace {

void apply_step(RECT& r, const LayoutStep& step) {
    switch (step.property) {
    case Property::left:
        OffsetRect(&r, step.value - r.left, 0);
        break;
    case Property::top:
        OffsetRect(&r, 0, step.value - r.top);
        break;
    case Property::width:
        r.right = r.left + step.value;
        break;
    case Property::height:
        r.bottom = r.top + step.value;
        break;
    default:
        break;
    }
}

} // namespace

bool apply_layout(desktop::Form& form) {
    RECT outer;
    if (!GetWindowRect(form.window(), &outer)) return false;
    // Fractions of a twip count: the rule rounds halves to the even neighbour.
    const double twips_per_pixel = 1440.0 / form.dpi();
    const auto steps = layout_steps((outer.right - outer.left) * twips_per_pixel,
                                    (outer.bottom - outer.top) * twips_per_pixel);
    if (steps.empty()) return false;

    // The steps set one property at a time; each control is then placed once.
    std::map<std::wstring_view, RECT> boxes;
    std::map<std::wstring_view, desktop::Line> lines;
    for (const LayoutStep& step : steps) {
        if (step.property == Property::x1 || step.property == Property::x2) {
            auto [line, added] = lines.try_emplace(step.control, form.line(step.control));
            (step.property == Property::x1 ? line->second.x1 : line->second.x2) = step.value;
        } else {
            auto [box, added] = boxes.try_emplace(step.control, form.bounds(step.control));
            apply_step(box->second, step);
        }
    }
    for (const auto& [name, r] : boxes)
        form.set_bounds(name, r.left, r.top, r.right - r.left, r.bottom - r.top);
    for (const auto& [name, line] : lines)
        form.set_line(name, line.x1, line.y1, line.x2, line.y2);
    return true;
}

} // namespace workbench::win
