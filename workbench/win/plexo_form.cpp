#include "win/plexo_form.h"

#include "win/apply_layout.h"

namespace workbench::win {
namespace {

using desktop::Control;
using desktop::Kind;

// clang-format off
const Control controls[] = {
    // name        kind                   caption                   tool tip                        left   top   width height
    {L"CmdPost",   Kind::command_button,  L"PostProcess",           L"PostProcess selected files",  10680, 240,  1455, 495},
    {L"CmdEdit",   Kind::command_button,  L"Edit",                  L"Edit selected file",          10680, 840,  1455, 495},
    {L"CmdPrint",  Kind::command_button,  L"Plexo Help",            L"Plexo User's Guide",          10680, 1440, 1455, 495},
    {L"CmdDelete", Kind::command_button,  L"Delete",                L"Delete selected file",        10680, 2040, 1455, 495},
    {L"CmdInsPP",  Kind::command_button,  L"Install PP",            L"Install PostProcessor",       10680, 2760, 1455, 495},
    {L"CmdDelPP",  Kind::command_button,  L"Remove PP",             L"Remove PostProcessor",        10680, 3360, 1455, 495},
    {L"CmdHelp",   Kind::command_button,  L"PP Help",               L"PostProcessor Syntax HELP",   10680, 3960, 1455, 495},
    {L"CmdUser1",  Kind::command_button,  L"User 1",                L"User Process selected file",  10680, 4680, 1455, 495},
    {L"CmdExit",   Kind::command_button,  L"Exit",                  L"Exit Plexo",                  10680, 6480, 1455, 495},
    {L"FilPosts",  Kind::file_list,       L"",                      L"Select PostProcessor",        8280,  1680, 2175, 5370},
    {L"FilAPT",    Kind::file_list,       L"",                      L"Select Source CLfile",        120,   1680, 8055, 5370},
    {L"DrivePP",   Kind::drive_list,      L"",                      L"Select Postprocessor Drive",  9600,  7560, 2535, 360},
    {L"CmbType",   Kind::combo_box,       L"All (*.*)",             L"Select File Type",            120,   7560, 5775, 360},
    {L"DirAPT",    Kind::folder_list,     L"",                      L"Source CLFile Directory",     120,   360,  8055, 1170},
    {L"DirPosts",  Kind::folder_list,     L"",                      L"PostProcessor Directory",     8280,  360,  2175, 1170},
    {L"Label1",    Kind::label,           L"Source CLfile",         L"",                            120,   120,  1935, 375},
    {L"Label2",    Kind::label,           L"Postprocessor",         L"",                            8280,  120,  2055, 375},
    {L"Label3",    Kind::label,           L"File Type:",            L"",                            120,   7320, 1935, 375},
    {L"Label4",    Kind::label,           L"Postprocessor  Drive:", L"",                            9600,  7320, 2175, 375},
    {L"CmdUser2",  Kind::command_button,  L"User 2",                L"",                            10680, 5280, 1455, 495},
    {L"DriveAPT",  Kind::drive_list,      L"",                      L"Select CLfile Drive",         6120,  7560, 2535, 360},
    {L"Label9",    Kind::label,           L"Source CLfile Drive:",  L"",                            6120,  7320, 1935, 375},
    {L"CmdUser3",  Kind::command_button,  L"User 3",                L"",                            10680, 5880, 1455, 495},
};

// A box round the button column, divided into three groups.
const desktop::Line lines[] = {
    {L"Line1", 10560, 120,  10560, 7080}, // left side
    {L"Line2", 10560, 7080, 12240, 7080}, // bottom
    {L"Line3", 12240, 120,  12240, 7080}, // right side
    {L"Line4", 10560, 2640, 12240, 2640}, // between CmdDelete and CmdInsPP
    {L"Line5", 10560, 4560, 12240, 4560}, // between CmdHelp and CmdUser1
    {L"Line6", 10560, 120,  12240, 120},  // top
};
// clang-format on

const desktop::FormDesign form{
    .window_class = L"PlexoWorkbench",
    .caption = L"Plexo V1.9",
    .client_width = 12375,
    .client_height = 8115,
    .font = {L"System", 9.75, true},
    .line_width = 2,
    .controls = controls,
    .lines = lines,
    .arrange = [](desktop::Form& form) { apply_layout(form); },
};

} // namespace

const desktop::FormDesign& plexo_form() {
    return form;
}

} // namespace workbench::win
