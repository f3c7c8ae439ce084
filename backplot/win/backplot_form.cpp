#include "win/backplot_form.h"

namespace backplot::win {
namespace {

using desktop::Control;
using desktop::Follow;
using desktop::Kind;

constexpr desktop::Font program_text{L"Courier New", 10, false, false, true};

// The picture keeps the left 62 % of the width's change and the text the rest; both grow
// with the height, between the toolbar and the status bar. The notes of the file (the machine's
// settings, or why there are none) lie in a strip beneath the picture, never over the path.
constexpr double picture_share = 0.62;
constexpr Follow across_top{0, 0, 1, 0}, left_share{0, 0, picture_share, 1},
    right_share{picture_share, 0, 1, 1}, across_bottom{0, 1, 1, 1},
    notes_strip{0, 1, picture_share, 1};

// clang-format off
const Control controls[] = {
    // name      kind               caption tool tip  left  top   width  height font          frame selected follow
    {L"Views",   Kind::toolbar,     L"",    L"",      0,    0,    15000, 450,   {},           {},   false,   across_top},
    {L"Picture", Kind::picture,     L"",    L"",      0,    450,  9300,  8280,  {},           {},   false,   left_share},
    {L"Text",    Kind::text_list,   L"",    L"",      9360, 450,  5640,  8775,  program_text, {},   false,   right_share},
    {L"Status",  Kind::status_bar,  L"",    L"",      0,    9225, 15000, 375,   {},           {},   false,   across_bottom},
    {L"Notes",   Kind::label,       L"",    L"",      90,   8760, 9210,  450,   {},           {},   false,   notes_strip},
};

const desktop::MenuItem menu[] = {
    // menu       command       text                        toolbar choice
    {L"&File",    L"Open",      L"&Open..."},
    {L"&File",    L"Settings",  L"Machine &Settings..."},
    {L"&File",    {},           {}},
    {L"&File",    L"Exit",      L"E&xit"},
    {L"&View",    L"Top",       L"&Top",                    true,   true},
    {L"&View",    L"Front",     L"&Front",                  true,   true},
    {L"&View",    L"Side",      L"&Side",                   true,   true},
    {L"&View",    L"Isometric", L"&Isometric",              true,   true},
    {L"&View",    {},           {}},
    {L"&View",    L"Fit",       L"F&it to Window",          true},
    {L"&View",    {},           {}},
    {L"&View",    L"Warnings",  L"&Warnings..."},
    {L"&Go",      L"GoTo",      L"&Go To Line..."},
};

const desktop::Shortcut shortcuts[] = {
    {L"Open", 'O', FCONTROL}, {L"GoTo", 'G', FCONTROL},
    {L"Top", '1'}, {L"Front", '2'}, {L"Side", '3'}, {L"Isometric", '4'},
    {L"Fit", 'F'}, {L"Fit", VK_HOME},
};
// clang-format on

const desktop::FormDesign form{
    .window_class = L"BackplotWindow",
    .caption = L"Backplot",
    .client_width = 15000,
    .client_height = 9600,
    .font = {L"Tahoma", 9},
    .controls = controls,
    .menu = menu,
    .shortcuts = shortcuts,
    .min_client_width = 6000,
    .min_client_height = 4500,
};

} // namespace

const desktop::FormDesign& backplot_form() {
    return form;
}

} // namespace backplot::win
