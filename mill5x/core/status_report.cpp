#include "status_report.h"

#include "run_report.h"

namespace mill5x {

namespace {

void add(std::string& text, std::string_view label, const std::string& value) {
    text += label;
    text.append(label.size() < 17 ? 17 - label.size() : 1, ' ');
    text += value;
    text += "\r\n";
}

std::string outcome(const PostResult& result) {
    if (result.error)
        return "STOPPED at CL line " + std::to_string(result.error->line) +
               ": the NC program is incomplete";
    if (result.check && result.check->failure)
        return "FAILED its check at NC line " +
               std::to_string(result.nc_line(result.check->failure->line)) + " (CL line " +
               std::to_string(result.check->failure_cl_line) +
               "): " + result.check->failure->message;
    return "complete";
}

} // namespace

std::string status_report(const PostResult& result, const machine::Settings& settings,
                          const StatusNames& names) {
    std::string text = "MILL5X status of " + std::string(names.cl_path) + "\r\n\r\n";
    add(text, "Result:", outcome(result));
    add(text, "NC program:",
        std::string(names.nc_program) +
            (result.failed() ? " (kept apart: a failed run's program is not to be run)" : ""));
    add(text, "Machine:",
        std::string(machine::kind_name(settings.kinematics)) + ", settings " +
            std::string(names.settings));
    add(text, "CL lines:", std::to_string(result.line_count));
    add(text, "CL records:", std::to_string(result.record_count));
    add(text, "NC blocks:", std::to_string(result.block_count));
    add(text, "Rapid moves:", std::to_string(result.rapid_moves));
    add(text, "Feed moves:", std::to_string(result.feed_moves));
    add(text, "Inverse time:", std::to_string(result.inverse_time_moves));
    add(text, "Points inserted:", std::to_string(result.inserted_points));
    text += time_report(result);
    add(text, "Warnings:", std::to_string(result.warnings.total()));
    add(text, "Errors:", result.failed() ? "1" : "0");
    text += "\r\n";
    text += check_report(result, settings);
    text += "\r\n";
    text += tool_list(result);
    text += extents_report(result, settings);
    if (result.warnings.total() > 0 || result.error) text += "\r\n";
    // A warning that repeats is one line: where it came first, and how often.
    for (const Warning& warning : result.warnings.distinct()) {
        text += "line " + std::to_string(warning.line) + ": warning: " + warning.message;
        if (warning.count > 1) text += " (" + std::to_string(warning.count) + " times)";
        text += "\r\n";
    }
    if (result.warnings.unlisted() > 0)
        text += std::to_string(result.warnings.unlisted()) + " more warnings of other kinds\r\n";
    if (result.error)
        text += "line " + std::to_string(result.error->line) + ": error: " + result.error->message +
                "\r\n";
    return text;
}

std::string failure_report(std::string_view cl_name, std::string_view reason) {
    std::string text = "MILL5X status of " + std::string(cl_name) + "\r\n\r\n";
    add(text, "Result:", "FAILED: nothing was post-processed");
    add(text, "Errors:", "1");
    text += "\r\n";
    text += "error: " + std::string(reason) + "\r\n";
    return text;
}

} // namespace mill5x
