#include "status_report.h"

#include <cstdio>

namespace mill5x {

namespace {

void add(std::string& text, std::string_view label, const std::string& value) {
    text += label;
    text.append(label.size() < 17 ? 17 - label.size() : 1, ' ');
    text += value;
    text += "\r\n";
}

std::string minutes(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f min (estimate)", value);
    return buffer;
}

} // namespace

std::string status_report(const PostResult& result, std::string_view cl_name,
                          std::string_view nc_name) {
    std::string text = "MILL5X status of " + std::string(cl_name) + "\r\n\r\n";
    add(text, "Result:",
        result.error ? "STOPPED at CL line " + std::to_string(result.error->line) +
                           ": the NC program is incomplete"
                     : "complete");
    add(text, "NC program:", std::string(nc_name));
    add(text, "CL lines:", std::to_string(result.line_count));
    add(text, "CL records:", std::to_string(result.record_count));
    add(text, "NC blocks:", std::to_string(result.block_count));
    add(text, "Rapid moves:", std::to_string(result.rapid_moves));
    add(text, "Feed moves:", std::to_string(result.feed_moves));
    add(text, "Inverse time:", std::to_string(result.inverse_time_moves));
    add(text, "Machining time:", minutes(result.machining_minutes));
    add(text, "Warnings:", std::to_string(result.warnings.total()));
    add(text, "Errors:", result.error ? "1" : "0");
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
