#include "postprocessor.h"

#include "output_check.h"
#include "output_pipeline.h"
#include "post.h"
#include "run_report.h"

#include "cl_reader/error.h"
#include "cl_reader/statement_reader.h"
#include "nc_format.h"
#include "nc_reader/program_notes.h"

#include <charconv>
#include <optional>
#include <sstream>

namespace mill5x {

namespace {

void append_line(std::string& text, std::string_view line) {
    text += line;
    text += "\r\n";
}

void append_right_aligned(std::string& text, std::int64_t number, std::size_t width) {
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    const auto length = static_cast<std::size_t>(end - digits);
    if (length < width) text.append(width - length, ' ');
    text.append(digits, length);
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
    if (settings.block_number_step > 0)
        head += "N" + std::to_string(settings.block_number_step) + " ";
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

    std::string text = "MILL5X listing of " + std::string(names.cl_file) + "\r\n\r\n" +
                       "  line  CL record / NC blocks\r\n";
    listing.write(text.data(), static_cast<std::streamsize>(text.size()));
    OutputPipeline output(nc_body, listing, check ? &*check : nullptr);
    std::string record, after;
    constexpr std::string_view indent = "          ";
    // One record's blocks, its lines of the listing and its warnings go to the thread that
    // writes and checks them.
    const auto hand_over = [&](bool checked) {
        after.clear();
        for (const std::string& message : post.new_warnings())
            append_line(after, std::string(indent) + "*** warning: " + message);
        post.new_warnings().clear();
        output.add(record, post.writer().tokens(), post.expectations(), checked, after);
        post.writer().clear_text();
        record.clear();
    };

    cl::Statement statement;
    bool finished = false;
    try {
        while (reader.next(statement)) {
            if (finished) {
                result.warnings.add(statement.line, "text after FINI is ignored");
                break;
            }
            append_right_aligned(record, statement.line, 6);
            record += "  ";
            append_line(record, statement.text);
            ++result.record_count;
            try {
                finished = !post.statement(statement);
            } catch (const cl::Error&) {
                hand_over(false);
                throw;
            }
            hand_over(true);
        }
        if (!finished) {
            post.finish_without_fini(reader.line_count() + 1);
            hand_over(true);
        }
    } catch (const cl::Error& error) {
        result.error = Problem{error.line() ? error.line() : statement.line, error.what()};
        append_line(record, std::string(indent) + "*** error: " + result.error->message +
                                " - the NC program stops here");
        hand_over(false);
    }
    output.finish();
    result.line_count = reader.line_count();
    result.block_count = post.writer().block_count() + 1; // and the head's safety block
    result.extents = post.writer().extents();
    if (check) result.check = check->result();
    result.nc_head = program_head(result, settings, names);
    for (char c : result.nc_head)
        result.head_lines += c == '\n';

    text = "\r\n" + check_report(result, settings) + tool_list(result) + time_report(result) +
           extents_report(result, settings);
    listing.write(text.data(), static_cast<std::streamsize>(text.size()));
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
