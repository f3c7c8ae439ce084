#include "win/rotate_window.h"

namespace rotate_calc {
namespace {

using desktop::Control;
using desktop::Font;
using desktop::Kind;

constexpr Font tahoma_12{L"Tahoma", 12};
constexpr Font tahoma_9{L"Tahoma", 9.75};
constexpr Font sans_serif_8{L"MS Sans Serif", 8.25};
constexpr Font title_font{L"Tahoma", 15.75, true, true};

// clang-format off
const Control controls[] = {
    // name       kind                      caption             tool tip                            left  top   width height font
    {L"NXA",      Kind::read_only_text_box, L"",                L"New transformed X-axis",          3360, 2760, 1455, 375, tahoma_12},
    {L"Frame1",   Kind::frame,              L"",                L"",                                240,  840,  1815, 1695, sans_serif_8},
    {L"AA",       Kind::option_button,      L"YZ-Rotate (A)",   L"A-axis rotates in YZ Plane",      360,  1080, 1575, 495, tahoma_9},
    {L"BA",       Kind::option_button,      L"ZX-Rotate (B)",   L"B-axis rotates in ZX Plane",      360,  1440, 1575, 495, tahoma_9, {}, true},
    {L"CA",       Kind::option_button,      L"XY-Rotate (C)",   L"C-axis rotates in XY Plane",      360,  1800, 1575, 495, tahoma_9},
    {L"RA",       Kind::text_box,           L"",                L"Enter rotary axis angle",         3360, 960,  1455, 375, tahoma_12},
    {L"XA",       Kind::text_box,           L"",                L"Enter x-axis value",              3360, 1800, 1455, 375, tahoma_12},
    {L"YA",       Kind::text_box,           L"",                L"Enter Y-axis value",              5760, 1800, 1455, 375, tahoma_12},
    {L"ZA",       Kind::text_box,           L"",                L"Enter Z-axis value",              8160, 1800, 1455, 375, tahoma_12},
    {L"Compute",  Kind::command_button,     L"COMPUTE",         L"Enter to compute transformation", 240,  2880, 1815, 615, tahoma_12},
    {L"Clear",    Kind::command_button,     L"CLEAR",           L"Enter to clear values",           8040, 960,  1575, 495, tahoma_12},
    {L"Label1",   Kind::label,              L"X-Axis",          L"",                                2520, 1800, 855,  495, tahoma_12},
    {L"Label2",   Kind::label,              L"Y-Axis",          L"",                                4920, 1800, 855,  495, tahoma_12},
    {L"Label3",   Kind::label,              L"Z-Axis",          L"",                                7320, 1800, 735,  495, tahoma_12},
    {L"Label4",   Kind::label,              L"Rotary Axis",     L"",                                2520, 840,  975,  615, tahoma_12},
    {L"NYA",      Kind::read_only_text_box, L"",                L"New transformed Y-axis",          5760, 2760, 1455, 375, tahoma_12},
    {L"NZA",      Kind::read_only_text_box, L"",                L"New transformed Z-axis",          8160, 2760, 1455, 375, tahoma_12},
    {L"Label5",   Kind::label,              L"New X-Axis",      L"",                                2520, 2760, 855,  735, tahoma_12},
    {L"Label6",   Kind::label,              L"New Y-Axis",      L"",                                4920, 2760, 855,  615, tahoma_12},
    {L"Label7",   Kind::label,              L"New Z-Axis",      L"",                                7440, 2760, 735,  615, tahoma_12},
    {L"Frame2",   Kind::frame,              L"Plus Direction",  L"Rotary plus direction",           5160, 840,  2535, 735, tahoma_9},
    {L"clw",      Kind::option_button,      L"CLW",             L"Plus is clockwise",               360,  240,  855,  435, tahoma_9, L"Frame2"},
    {L"cclw",     Kind::option_button,      L"CCLW",            L"Plus is counter clockwise",       1440, 240,  855,  435, tahoma_9, L"Frame2", true},
    {L"Label8",   Kind::label,              L"COMPUTE POSITION OF POINT AFTER ANGLE ROTATION", L"", 480, 240, 9135, 495, title_font},
};

const desktop::Line lines[] = {
    {L"Line1", 2280, 2520, 9840, 2520},
    {L"Line2", 2280, 3480, 9840, 3480},
    {L"Line3", 9840, 2520, 9840, 3480},
    {L"Line4", 2280, 2520, 2280, 3480},
};

const desktop::FormDesign form{
    .window_class = L"RotateRotationTransformations", .caption = title, .client_width = 10110,
    .client_height = 3690, .font = {L"Tahoma", 14.25, true}, .controls = controls, .lines = lines};
// clang-format on

const desktop::Command<Fields> commands[] = {
    {L"Compute", compute},
    {L"Clear", clear},
};

} // namespace

RotateWindow::RotateWindow() : Calculator(form, commands) {}

Fields RotateWindow::fields() const {
    // The options are asked in this order; exactly one of each group is selected.
    return {text(L"RA"),
            text(L"XA"),
            text(L"YA"),
            text(L"ZA"),
            chosen({{L"AA", Axis::a}, {L"BA", Axis::b}}, Axis::c),
            chosen({{L"cclw", PlusDirection::counter_clockwise}}, PlusDirection::clockwise)};
}

} // namespace rotate_calc
