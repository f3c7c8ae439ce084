#include "win/translate_window.h"

namespace translate_calc {
namespace {

using desktop::Control;
using desktop::Font;
using desktop::Kind;
using desktop::Line;

constexpr Kind text_box = Kind::text_box;
constexpr Kind label = Kind::label;
constexpr Kind button = Kind::command_button;

const Font window_font{L"Tahoma", 12};
const Font inherited{}; // no face of its own: the window's font
const Font sans_bold{L"MS Sans Serif", 9.75, true};
const Font tahoma_small_bold{L"Tahoma", 9.75, true};
const Font heading{L"Tahoma", 12, true};
const Font title_font{L"Tahoma", 15.75, true, true};

// clang-format off
// In tab order; the row number is the tab index, so the control ID is 1000 + row.
const Control controls[] = {
    // name       kind      caption  tool tip                                   left  top   width height font
    {L"TipX",     text_box, L"",     L"X-Axis at tool tip",                     1440, 1560, 1215, 375, inherited},
    {L"TipY",     text_box, L"",     L"Y-Axis at tool tip",                     3840, 1560, 1215, 375, inherited},
    {L"TipZ",     text_box, L"",     L"Z-Axis tool tip",                        6240, 1560, 1215, 375, inherited},
    {L"TipI",     text_box, L"0.0",  L"Tool Axis I-compunent",                  1440, 3000, 1215, 375, inherited},
    {L"TipJ",     text_box, L"0.0",  L"Tool Axis J-component",                  3840, 3000, 1215, 375, inherited},
    {L"TipK",     text_box, L"1.0",  L"Tool Axis K-component",                  6240, 3000, 1215, 375, inherited},
    {L"TLgh",     text_box, L"0.0",  L"Tool Length (tip to spindle face",       1920, 3720, 1215, 375, inherited},
    {L"Pivotz",   text_box, L"0.0",  L"Pivot Z from spindle face to pivot point", 6240, 3720, 1215, 375, inherited},
    {L"PrgX",     text_box, L"",     L"X-Axis at pivot point",                  1440, 6120, 1215, 375, inherited},
    {L"PrgY",     text_box, L"",     L"Y-Axis at pivot point",                  3840, 6120, 1215, 375, inherited},
    {L"PrgZ",     text_box, L"",     L"Z-Axis at pivot point",                  6240, 6120, 1215, 375, inherited},
    {L"CompTP",   button,   L"COMPUTE TIP POINT", L"Compute tool tip point",    8160, 2280, 1455, 735, sans_bold},
    {L"Clear",    button,   L"CLEAR", L"Clear values",                          8160, 5400, 1455, 495, sans_bold},
    {L"Exit",     button,   L"EXIT",  L"Exit utility",                          8160, 6120, 1455, 495, sans_bold},
    {L"Label1",   label,    L"X-Axis", L"",                                      600, 1680,  855, 375, inherited},
    {L"Label2",   label,    L"Y-Axis", L"",                                     3000, 1680,  855, 495, inherited},
    {L"Label3",   label,    L"Z-Axis", L"",                                     5400, 1680,  855, 495, inherited},
    {L"Labelx",   label,    L"I-Axis", L"",                                      600, 3120,  855, 495, inherited},
    {L"Label5",   label,    L"J-Axis", L"",                                     3000, 3120,  855, 495, inherited},
    {L"Label6",   label,    L"K-Axis", L"",                                     5400, 3120,  855, 495, inherited},
    {L"Label7",   label,    L"Tool Length", L"",                                 480, 3840, 1455, 495, inherited},
    {L"Label8",   label,    L"Pivot Z", L"",                                    5280, 3840,  975, 495, inherited},
    {L"Label9",   label,    L"X-Axis", L"",                                      600, 6240, 1215, 495, inherited},
    {L"Label10",  label,    L"Y-Axis", L"",                                     3000, 6240, 1215, 495, inherited},
    {L"Label11",  label,    L"Z-Axis", L"",                                     5400, 6240, 1215, 495, inherited},
    {L"OrgX",     text_box, L"0.0",  L"Origin X-Axis",                          1440, 4560, 1215, 375, inherited},
    {L"OrgY",     text_box, L"0.0",  L"Origin Y-Axis",                          3840, 4560, 1215, 375, inherited},
    {L"OrgZ",     text_box, L"0.0",  L"Origin Z-axis",                          6240, 4560, 1215, 375, inherited},
    {L"Label4",   label,    L"X-Origin", L"",                                    480, 4680, 1215, 495, inherited},
    {L"Label12",  label,    L"Y-Origin", L"",                                   2880, 4680, 1215, 495, inherited},
    {L"Label13",  label,    L"Z-Origin", L"",                                   5280, 4680, 1215, 495, inherited},
    {L"Label14",  label,    L"  Program Pivot Point", L"Program pivot XYZ point ", 2640, 5520, 2655, 495, heading},
    {L"Label15",  label,    L"  Translations and Tool Axis", L"Translation values including tool axis", 2400, 2520, 3615, 375, heading},
    {L"Label16",  label,    L"  Tool Tip Point", L"Tool tip XYZ point",         3240, 1080, 2055, 375, heading},
    {L"CompPP",   button,   L"COMPUTE PROGRAM POINT", L"Compute program pivot point", 8160, 3240, 1455, 975, tahoma_small_bold},
    {L"CLR",      button,   L"CLEAR RESULTS", L"",                              8160, 4440, 1455, 735, tahoma_small_bold},
    {L"Norm",     button,   L"NORMALIZE TOOL AXIS", L"",                        8160, 1320, 1455, 735, tahoma_small_bold},
    {L"Label17",  label,    L"TRANSLATE 3D POINT ALONG TOOL AXIS", L"",         1320,  240, 8055, 495, title_font},
};

const Line lines[] = {
    // the tool tip point group
    {L"Line1", 240, 1200, 7680, 1200},
    {L"Line2", 240, 2280, 7680, 2280},
    {L"Line3", 7680, 1200, 7680, 2280},
    {L"Line4", 240, 1200, 240, 2280},
    // the program pivot point group
    {L"Line5", 240, 5640, 7680, 5640},
    {L"Line6", 240, 6840, 7680, 6840},
    {L"Line7", 7680, 5640, 7680, 6840},
    {L"Line8", 240, 5640, 240, 6840},
    // the translations and tool axis group
    {L"Line9", 240, 2640, 7680, 2640},
    {L"Line10", 240, 5280, 7680, 5280},
    {L"Line11", 7680, 2640, 7680, 5280},
    {L"Line12", 240, 2640, 240, 5280},
    // the column of buttons; Line14 lies under the Norm button
    {L"Line13", 7920, 1200, 7920, 6840},
    {L"Line14", 8640, 1680, 8760, 1680},
    {L"Line15", 9840, 1200, 9840, 6840},
    {L"Line16", 7920, 1200, 9840, 1200},
    {L"Line17", 7920, 6840, 9840, 6840},
};

const desktop::FormDesign form{
    .window_class = L"HalvexRotaryHeadTranslations", .caption = title, .client_width = 10065,
    .client_height = 7110, .font = window_font, .controls = controls, .lines = lines};
// clang-format on

const desktop::Command<Fields> commands[] = {
    {L"Norm", normalize_tool_axis}, {L"CompPP", compute_program_point},
    {L"CompTP", compute_tip_point}, {L"Clear", clear},
    {L"CLR", clear_results},
};

} // namespace

TranslateWindow::TranslateWindow() : Calculator(form, commands, L"Exit") {}

Fields TranslateWindow::fields() const {
    return {{text(L"TipX"), text(L"TipY"), text(L"TipZ")},
            {text(L"TipI"), text(L"TipJ"), text(L"TipK")},
            text(L"TLgh"),
            text(L"Pivotz"),
            {text(L"OrgX"), text(L"OrgY"), text(L"OrgZ")},
            {text(L"PrgX"), text(L"PrgY"), text(L"PrgZ")}};
}

} // namespace translate_calc
