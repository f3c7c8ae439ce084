#pragma once
// The workbench's command buttons, one operation each, acting on the window state and the
// panes and reaching the outside world only through the Shell.

#include "commands/panes.h"
#include "commands/shell.h"
#include "core/case_fold.h"
#include "core/window_state.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace workbench {

struct Opening;

inline constexpr std::wstring_view program_title = L"Plexo";

class Commands {
public:
    // `upper` upper-cases the word asked for by PP Help: the system's rules on Windows.
    Commands(WindowState& state, Panes& panes, Shell& shell, UpperCase upper = ascii_upper)
        : state_(state), panes_(panes), shell_(shell), upper_(upper) {}

    void post();             // CmdPost
    void user(int number);   // CmdUser1 to CmdUser3
    void edit();             // CmdEdit, and a double-click in FilAPT
    void delete_cl_file();   // CmdDelete
    void open_users_guide(); // CmdPrint
    void install_pp();       // CmdInsPP
    void remove_pp();        // CmdDelPP
    void pp_help();          // CmdHelp
    // FilAPT's menu, "Plot": the chosen file in Backplot from the workbench's folder
    // (plot_command.h); a missing Backplot.exe is told with the path it was looked for at.
    void plot(std::wstring_view workbench_folder);

    // A program this workbench started (`task_id`, as a start returned it) has ended with
    // `exit_code`. A post-processing run that ended with another code than 0 is told once,
    // naming the program and its status file where there is one; nothing else changes. The
    // boxes are modal: while one of the commands' is open (the run's "Result =" among them),
    // the telling waits until it is closed, rather than stacking a second box on it.
    void program_ended(unsigned long task_id, unsigned long exit_code);

private:
    // A post-processing run that has not been seen to end: what its failure would name.
    struct PostRun {
        std::wstring program;
        std::wstring status_file; // base.NCS beside the CL file, where the run writes it
    };

    // Every box goes through these two, which count the open ones.
    int box(std::wstring_view text, int style);
    std::wstring input(std::wstring_view prompt, std::wstring_view title);
    void tell(std::wstring_view text);    // a message box with OK only
    bool confirm(std::wstring_view text); // OK and Cancel, the answer kept in Answer; true on OK
    void tell_failed_runs();              // those waiting, unless a box is open
    // Starts the line, or tells the user why not; the task id when it started.
    std::optional<unsigned long> start(const CommandLine& line);
    // Starts the line and keeps its task id in TaskId; the task id when it started.
    std::optional<unsigned long> run(const CommandLine& line);
    // Starts what opens a file (opening.h), or tells why nothing does; the task id when
    // something started.
    std::optional<unsigned long> open(const Opening& opening);
    // Deletes the file at path once the user confirmed it; true when the user said OK.
    bool confirm_and_delete(std::wstring_view confirmation, const std::wstring& path);

    WindowState& state_;
    Panes& panes_;
    Shell& shell_;
    UpperCase upper_;
    std::map<unsigned long, PostRun> post_runs_; // by task id
    std::deque<std::wstring> failed_runs_;       // what is still to be told
    int boxes_open_ = 0;
};

} // namespace workbench
