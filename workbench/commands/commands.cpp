#include "commands/commands.h"

#include "commands/command_lines.h"
#include "commands/opening.h"

namespace workbench {

namespace {

// A code from 0x80000000 on is a status of the system's (0xC0000005: the program crashed),
// which is known by its hexadecimal form.
std::wstring exit_code_text(unsigned long code) {
    std::wstring text = std::to_wstring(code);
    if (code < 0x80000000ul) return text;
    text += L" (0x";
    for (int shift = 28; shift >= 0; shift -= 4)
        text += L"0123456789ABCDEF"[(code >> shift) & 0xFu];
    return text + L")";
}

} // namespace

int Commands::box(std::wstring_view text, int style) {
    ++boxes_open_;
    const int code = shell_.message_box(text, style, program_title);
    --boxes_open_;
    tell_failed_runs();
    return code;
}

std::wstring Commands::input(std::wstring_view prompt, std::wstring_view title) {
    ++boxes_open_;
    std::wstring typed = shell_.input_box(prompt, title);
    --boxes_open_;
    tell_failed_runs();
    return typed;
}

void Commands::tell(std::wstring_view text) {
    box(text, ok_only);
}

bool Commands::confirm(std::wstring_view text) {
    state_.answer = static_cast<short>(box(text, ok_cancel));
    return state_.answer == ok_button;
}

void Commands::tell_failed_runs() {
    while (boxes_open_ == 0 && !failed_runs_.empty()) {
        const std::wstring text = std::move(failed_runs_.front());
        failed_runs_.pop_front();
        ++boxes_open_;
        shell_.message_box(text, ok_only, program_title);
        --boxes_open_;
    }
}

std::optional<unsigned long> Commands::start(const CommandLine& line) {
    if (const auto hazard = interpreter_hazard(line)) {
        tell(*hazard);
        return std::nullopt;
    }
    const auto started = shell_.start(line);
    if (!started.task_id) {
        tell(L"The program could not be started:\n" + line.text() + L"\n" + started.failure);
        return std::nullopt;
    }
    // A task id is the system's to use again once its program has ended.
    post_runs_.erase(*started.task_id);
    return started.task_id;
}

std::optional<unsigned long> Commands::run(const CommandLine& line) {
    const auto task_id = start(line);
    if (task_id) state_.task_id = std::to_wstring(*task_id);
    return task_id;
}

bool Commands::confirm_and_delete(std::wstring_view confirmation, const std::wstring& path) {
    // The path may name a file the list no longer shows (a remembered name in another
    // folder) or none at all (a post-processor without its extension): show it, never guess.
    if (!shell_.is_file(path)) {
        tell(L"There is no file\n" + path + L"\nNothing was deleted.");
        return false;
    }
    if (!confirm(std::wstring(confirmation) + L"\n" + path)) return false;
    if (const auto failure = shell_.delete_file(path))
        tell(L"The file\n" + path + L"\ncould not be deleted: " + *failure);
    return true;
}

void Commands::post() {
    const auto cl = cl_pieces(panes_.cl_folder(), state_.cl_file);
    if (confirm(L"Select File & PostProcessor")) {
        const auto line = post_command(panes_.pp_folder(), state_.pp_name, cl);
        if (const auto task_id = run(line)) {
            // Kept before the result is shown: a run may end while its box is open.
            post_runs_[*task_id] = {line.program,
                                    file_in_folder(panes_.cl_folder(), cl.base_name + L".NCS")};
            tell(L"Result = " + state_.task_id);
        }
    }
    // Narrowed whatever the answer: the post-processor's outputs share the base name.
    panes_.set_cl_pattern(cl.base_name + L".*");
}

void Commands::user(int number) {
    const auto cl = cl_pieces(panes_.cl_folder(), state_.cl_file);
    if (!confirm(L"Select File")) return;
    if (run(user_command(number, panes_.pp_folder(), state_.pp_name, cl))) panes_.reread_cl_files();
}

void Commands::edit() {
    if (state_.cl_file.empty()) {
        tell(L"File must be selected!");
        return;
    }
    if (const auto task_id =
            open(edit_opening(shell_, joined_path(panes_.cl_folder(), state_.cl_file)))) {
        state_.task_id = std::to_wstring(*task_id);
        tell(L"Result = " + state_.task_id);
    }
}

void Commands::delete_cl_file() {
    if (confirm_and_delete(L"Selected file will be Deleted !!",
                           joined_path(panes_.cl_folder(), state_.cl_file)))
        panes_.reread_cl_files();
}

void Commands::open_users_guide() {
    open(users_guide_opening(shell_)); // its task id is not kept in TaskId
}

void Commands::install_pp() {
    const auto name = input(L"Enter PostProcessor name", L"Install PostProcessor");
    if (name.empty()) return;
    if (!run(install_command(panes_.pp_folder(), name))) return;
    tell(L"PostProcessor installed.");
    panes_.reread_pp_files();
}

void Commands::remove_pp() {
    if (confirm_and_delete(L"Selected PostProcessor will be Deleted !!",
                           joined_path(panes_.pp_folder(), state_.pp_name)))
        panes_.reread_pp_files();
}

void Commands::program_ended(unsigned long task_id, unsigned long exit_code) {
    const auto run = post_runs_.find(task_id);
    if (run == post_runs_.end()) return;
    const PostRun ended = std::move(run->second);
    post_runs_.erase(run);
    if (exit_code == 0) return;
    std::wstring text = L"The post-processor\n" + ended.program + L"\n(task " +
                        std::to_wstring(task_id) + L") ended with the exit code " +
                        exit_code_text(exit_code) + L": its run failed.";
    if (shell_.is_file(ended.status_file)) text += L"\nIts status is in\n" + ended.status_file;
    failed_runs_.push_back(std::move(text));
    tell_failed_runs();
}

void Commands::pp_help() {
    const auto word = input(L"Enter MAJOR or Major word:", L"Syntax HELP");
    run(syntax_help_command(panes_.pp_folder(), state_.pp_name, word, upper_));
}

} // namespace workbench
