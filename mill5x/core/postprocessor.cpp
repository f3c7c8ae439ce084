#include "postprocessor.h"

#include "output_check.h"
#include "post.h"
#include "run_report.h"

#include "cl_reader/error.h"
#include "cl_reader/statement_reader.h"
#include "nc_format.h"
#include "nc_reader/program_notes.h"

#include <optional>
#include <sstream>

namespace mill5x {

namespace {

void append_line(std::ostream& out, std::string_view line) {
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
    out.write("\r\n", 2);
}

std::string right_aligned(std::int64_t number, std::size_t width) {
    std::string text = std::to_string(number);
    return std::string(text.size() < width ? width - text.size() : 0, ' ') + text;
}

// Program number, what it was made for, the tools, and a block that puts the control in a
// known state whatever the program before left.
std::string program_head(const PostResult& result, const machine::Settings& settings,
                         const RunNames& names) {
    const int decimals = settings.units == machine::Units::inch ? 4 : 3;
    std::string head = "%\r\n";
    char number[16];
    std::snprintf(number, sizeof number, "O%04d", settings.program_number);
    head += number;
    head += "\r\n(MILL5X " + comment_text(names.cl_file) + ")\r\n";
    head += "(" + nc::machine_note(machine::kind_name(settings.kinematics)) + ")\r\n";
    head += "(" + nc::settings_note(comment_text(names.settings)) + ")\r\n";
    for (const ToolUse& tool : result.tools) {
        std::string length;
        append_number(length, tool.length, decimals);
        char minutes[32];
        std::snprintf(minutes, sizeof minutes, " - %.2f MIN", tool.minutes);
        head += "(" + nc::tool_length_note(tool.tool, length, tool.adjust) + minutes + ")\r\n";
    }
    if (settings.block_number_step > 0) head += "N" + std::to_string(settings.block_number_step) + " ";
    head += settings.units == machine::Units::inch ? "G17 G20" : "G17 G21";
    head += " G40 G49 G80 G90 G94 G" + std::to_string(settings.work_offset) + "\r\n";
    return head;
}

} // namespace

PostRun post_process(std::istream& cl, std::ostream& nc_body, std::ostream& listing,
                     const machine::Settings& settings, const RunNames& names) {
    PostRun result;
    Post post(settings, result);
    std::optional<OutputCheck> check;
    if (settings.check) check.emplace(settings);
    cl::StatementReader reader(cl);

    append_line(listing, "MILL5X listing of " + std::string(names.cl_file));
    append_line(listing, "");
    append_line(listing, "  line  CL record / NC blocks");
    const std::string indent = "          ";
    // The blocks of one record: into the program, the listing and the check.
    const auto written = [&](bool checked) {
        std::string_view lines = post.writer().text();
        nc_body.write(lines.data(), static_cast<std::streamsize>(lines.size()));
        if (check && checked) check->check(lines, post.expectations());
        post.expectations().clear();
        for (std::size_t end; (end = lines.find('\n')) != std::string_view::npos;
             lines.remove_prefix(end + 1)) {
            listing.write(indent.data(), static_cast<std::streamsize>(indent.size()));
            listing.write(lines.data(), static_cast<std::streamsize>(end + 1));
        }
        post.writer().clear_text();
        for (const std::string& message : post.new_warnings())
            append_line(listing, indent + "*** warning: " + message);
        post.new_warnings().clear();
    };

    cl::Statement statement;
    bool finished = false;
    try {
        while (reader.next(statement)) {
            if (finished) {
                result.warnings.add(statement.line, "text after FINI is ignored");
                break;
            }
            listing << right_aligned(statement.line, 6) << "  ";
            append_line(listing, statement.text);
            ++result.record_count;
            try {
                finished = !post.statement(statement);
            } catch (const cl::Error&) {
                written(false);
                throw;
            }
            written(true);
        }
        if (!finished) {
            post.finish_without_fini(reader.line_count() + 1);
            written(true);
        }
    } catch (const cl::Error& error) {
        result.error = Problem{error.line() ? error.line() : statement.line, error.what()};
        append_line(listing, indent + "*** error: " + result.error->message +
                                 " - the NC program stops here");
    }
    result.line_count = reader.line_count();
    result.block_count = post.writer().block_count() + 1; // and the head's safety block
    result.extents = post.writer().extents();
    if (check) result.check = check->result();
    result.nc_head = program_head(result, settings, names);
    for (char c : result.nc_head)
        result.head_lines += c == '\n';

    append_line(listing, "");
    listing << check_report(result, settings) << tool_list(result) << time_report(result)
            << extents_report(result, settings);
    return result;
}

PostText post_process(std::string_view cl_text, const machine::Settings& settings,
                      std::string_view cl_name) {
    std::istringstream cl{std::string(cl_text)};
    std::ostringstream nc_body, listing;
    PostText text;
    PostRun run = post_process(cl, nc_body, listing, settings, {cl_name, "MILL5X.pptable"});
    text.nc_program = run.nc_head + std::move(nc_body).str();
    text.listing = std::move(listing).str();
    static_cast<PostResult&>(text) = std::move(run);
    return text;
}

std::span<const std::string_view> translated_words() {
    static const auto words = [] {
        std::vector<std::string_view> names;
        for (const Post::Translation& translation : Post::translations)
            names.push_back(translation.word);
        return names;
    }();
    return words;
}

std::span<const std::string_view> passed_by_words() {
    return Post::passed_by;
}

} // namespace mill5x
