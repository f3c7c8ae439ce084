#include "win/ivt_window.h"

namespace ivt_calc {
namespace {

using desktop::Control;
using desktop::Font;
using desktop::Kind;

constexpr Font tahoma{L"Tahoma", 12};
constexpr Font tahoma_bold{L"Tahoma", 12, true};
constexpr Font title_font{L"Tahoma", 15.75, true, true};

// clang-format off
const Control controls[] = {
    // name       kind                      caption                  tool tip                                            left  top   width height font
    {L"LX",       Kind::text_box,           L"0",                    L"Previous X-axis position",                        1680, 2160, 1695, 375, tahoma},
    {L"LY",       Kind::text_box,           L"0",                    L"Previous Y-axis position",                        3600, 2160, 1695, 375, tahoma},
    {L"LZ",       Kind::text_box,           L"0",                    L"Previous Z-axis position",                        5520, 2160, 1695, 375, tahoma},
    {L"CX",       Kind::text_box,           L"1",                    L"Current X-axis position",                         1680, 2880, 1695, 375, tahoma},
    {L"CY",       Kind::text_box,           L"1",                    L"Current Y-axis position",                         3600, 2880, 1695, 375, tahoma},
    {L"CZ",       Kind::text_box,           L"1",                    L"Current Z-axis position",                         5520, 2880, 1695, 375, tahoma},
    {L"FR",       Kind::text_box,           L"12",                   L"Input/Output feed rate",                          1800, 6480, 1695, 375, tahoma},
    {L"Dist",     Kind::read_only_text_box, L"",                     L"Cut distance in units",                           5880, 4800, 1935, 375, tahoma},
    {L"Time",     Kind::read_only_text_box, L"",                     L"Time for cut",                                    5880, 5400, 1935, 375, tahoma},
    {L"IVT",      Kind::text_box,           L"",                     L"Input/Output feed rate number",                   5280, 6480, 1935, 375, tahoma},
    {L"Label1",   Kind::label,              L"Previous Position",    L"Previous (last) cutter position",                 480,  2040, 1215, 615, tahoma_bold},
    {L"Label2",   Kind::label,              L"Current Position",     L"Current cutter position (to apply feed)",         480,  2760, 1215, 615, tahoma_bold},
    {L"Label3",   Kind::label,              L"Delta \"",             L"Delta = Current - Previous",                      600,  3720, 1095, 495, tahoma_bold},
    {L"Label4",   Kind::label,              L"UPM Feed",             L"Rate = Distance X FRN",                           480,  6480, 1335, 495, tahoma_bold},
    {L"Label5",   Kind::label,              L"Distance \"",          L"Distance = Square Root of the Sum of the squares of each delta ", 4080, 4800, 1695, 495, tahoma_bold},
    {L"Label6",   Kind::label,              L"Time",                 L"Time = Distance / Rate",                          4080, 5400, 1695, 495, tahoma_bold},
    {L"Label7",   Kind::label,              L"1/T FRN",              L"FRN = Rate / Distance",                           4080, 6480, 1215, 495, tahoma_bold},
    {L"Label8",   Kind::label,              L"X-Axis \"",            L"",                                                2160, 1800, 1095, 375, tahoma_bold},
    {L"Label9",   Kind::label,              L"Y-Axis \"",            L"",                                                3960, 1800, 1095, 375, tahoma_bold},
    {L"Label10",  Kind::label,              L"Z-Axis \"",            L"",                                                5880, 1800, 975,  375, tahoma_bold},
    {L"ComIVT",   Kind::command_button,     L"Compute 1/T FRN",      L"Using UPM feed, Compute 1/T Feed Rate Number",    360,  4560, 1455, 735, tahoma_bold},
    {L"DX",       Kind::read_only_text_box, L"",                     L"X-axis difference",                               1680, 3720, 1695, 405, tahoma},
    {L"DY",       Kind::read_only_text_box, L"",                     L"Y-axis difference",                               3600, 3720, 1695, 405, tahoma},
    {L"DZ",       Kind::read_only_text_box, L"",                     L"Z-axis difference",                               5520, 3720, 1695, 405, tahoma},
    {L"CLEAR",    Kind::command_button,     L"Clear",                L"Clear values",                                    360,  5520, 1455, 495, tahoma_bold},
    {L"CompUPM",  Kind::command_button,     L"Compute UPM Feed",     L"Using 1/T FRN, Compute UPM Feed Rate",            2040, 4560, 1455, 735, tahoma_bold},
    {L"CmdEx",    Kind::command_button,     L"Exit",                 L"Exit menu",                                       2040, 5520, 1455, 495, tahoma_bold},
    {L"Label12",  Kind::label,              L"INVERSE TIME FEED RATE CALCULATOR", L"Feed Number(sec) = Rate(upm) / Distance(units)", 600, 120, 6495, 495, title_font},
    {L"LR",       Kind::text_box,           L"0",                    L"Previous Rotary Axis",                            7440, 2160, 1695, 405, tahoma},
    {L"CR",       Kind::text_box,           L"0",                    L"Current Rotary Axis",                             7440, 2880, 1695, 405, tahoma},
    {L"Label11",  Kind::label,              L"Rotary (Deg)",         L"",                                                7440, 1800, 1695, 375, tahoma_bold},
    {L"DR",       Kind::text_box,           L"",                     L"Rotary Axis Difference",                          7440, 3720, 1695, 405, tahoma},
    {L"Option1",  Kind::option_button,      L"A-Rotary",             L"Rotary A-axis",                                   7320, 480,  1695, 495, tahoma_bold},
    {L"Option2",  Kind::option_button,      L"B-Rotary",             L"Rotary B-Axis",                                   7320, 840,  1695, 495, tahoma_bold},
    {L"Option3",  Kind::option_button,      L"C-Rotary",             L"Rotary C-axis",                                   7320, 1200, 1695, 495, tahoma_bold},
    {L"Frame1",   Kind::frame,              L"Inverse Time Output",  L"",                                                360,  600,  3255, 1215, tahoma_bold},
    {L"Option4",  Kind::option_button,      L"Minutes",              L"Time in Minutes",                                 240,  360,  2175, 375, tahoma_bold, L"Frame1"},
    {L"Option5",  Kind::option_button,      L"Seconds",              L"Time in Seconds",                                 240,  720,  2775, 285, tahoma_bold, L"Frame1"},
};

// Two outlines: round the delta row with the distance and time block, and round the feed row.
const desktop::Line lines[] = {
    {L"Line1",  3720, 4320, 3720, 6000},
    {L"Line2",  9360, 3480, 9360, 6000},
    {L"Line4",  3720, 6000, 9360, 6000},
    {L"Line5",  360,  3480, 9360, 3480},
    {L"Line6",  360,  4320, 360,  3480},
    {L"Line7",  3720, 4320, 360,  4320},
    {L"Line8",  360,  6240, 7440, 6240},
    {L"Line9",  7440, 7080, 360,  7080},
    {L"Line10", 360,  6240, 360,  7080},
    {L"Line11", 7440, 6240, 7440, 7080},
};

const desktop::FormDesign form{
    .window_class = L"DorvikInverseTimeFeed", .caption = title, .client_width = 9735,
    .client_height = 7245, .font = tahoma, .controls = controls, .lines = lines};
// clang-format on

const desktop::Command<Fields> commands[] = {
    {L"ComIVT", compute_number},
    {L"CompUPM", compute_feed},
    {L"CLEAR", clear},
};

} // namespace

IvtWindow::IvtWindow() : Calculator(form, commands, L"CmdEx") {}

Fields IvtWindow::fields() const {
    return {
        {text(L"LX"), text(L"LY"), text(L"LZ"), text(L"LR")},
        {text(L"CX"), text(L"CY"), text(L"CZ"), text(L"CR")},
        text(L"FR"),
        text(L"IVT"),
        chosen(
            {{L"Option1", RotaryAxis::a}, {L"Option2", RotaryAxis::b}, {L"Option3", RotaryAxis::c}},
            RotaryAxis::none),
        is_selected(L"Option5")};
}

} // namespace ivt_calc
