#include "post.h"

#include "cl_reader/error.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace mill5x {

namespace {

// A major word as a message shows it: an unknown one may be any length.
std::string shown(const std::string& word) {
    return word.size() <= 40 ? word : word.substr(0, 40) + "...";
}

bool is_comment_word(std::string_view word) {
    return word == "CUTTER" || word == "TOOL PATH" || word == "TLDATA";
}

} // namespace

const std::array<Post::Translation, 28> Post::translations{{
    {"PARTNO", &Post::partno},
    {"PPRINT", &Post::partno},
    {"INSERT", &Post::insert},
    {"CUTTER", &Post::as_comment},
    {"TOOL PATH", &Post::as_comment},
    {"TLDATA", &Post::as_comment},
    {"UNITS", &Post::units},
    {"MULTAX", &Post::multax},
    {"MSYS", &Post::msys},
    {"LOADTL", &Post::load_tool},
    {"LOAD", &Post::load_tool},
    {"SELECT", &Post::select},
    {"SPINDL", &Post::spindl},
    {"COOLNT", &Post::coolnt},
    {"DELAY", &Post::delay},
    {"OPSTOP", &Post::opstop},
    {"STOP", &Post::stop},
    {"END", &Post::end},
    {"FINI", &Post::fini},
    {"FEDRAT", &Post::fedrat},
    {"RAPID", &Post::rapid},
    {"FROM", &Post::from},
    {"GOTO", &Post::gotos},
    {"GODLTA", &Post::godlta},
    {"CUTCOM", &Post::cutcom},
    {"CIRCLE", &Post::circle},
    {"MOVARC", &Post::circle},
    {"CYCLE", &Post::cycle},
}};
const std::array<std::string_view, 3> Post::passed_by{"MACHIN", "PAINT", "END-OF-PATH"};

std::string comment_text(std::string_view text) {
    std::string result;
    for (char c : text)
        if (c != '(' && c != ')')
            result += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

Post::Post(const machine::Settings& settings, PostResult& result)
    : settings_(settings), kinematics_(settings), result_(result),
      writer_({settings.block_number_step, 2, length_decimals()}),
      path_(settings.units == machine::Units::inch), tool_length_(settings.tool_length) {
    // What the head's safety block sets.
    writer_.assume(Held::plane, "G17");
    writer_.assume(Held::feed_mode, "G94");
}

Post::Handler Post::handler_of(std::string_view word) {
    if (word == "GOTO") return &Post::gotos; // nearly every record of a large file
    static const std::map<std::string_view, Handler> table = [] {
        std::map<std::string_view, Handler> t;
        for (const Translation& translation : translations)
            t.emplace(translation.word, translation.handler);
        return t;
    }();
    const auto found = table.find(word);
    return found == table.end() ? nullptr : found->second;
}

void Post::warn(const std::string& message) {
    result_.warnings.add(line_, message);
    new_warnings_.push_back(message);
}

void Post::comment(std::string_view text) {
    writer_.line("(" + comment_text(text) + ")");
}

void Post::block(std::initializer_list<std::string_view> words) {
    for (std::string_view word : words)
        writer_.word(word);
    writer_.end_block();
}

bool Post::statement(const cl::Statement& statement) {
    line_ = statement.line;
    cl::read_major(statement.text, record_);
    const Handler handler = handler_of(record_.major);
    if (!handler) {
        if (record_.major.empty())
            warn("a record without a major word is passed by");
        else if (std::find(passed_by.begin(), passed_by.end(), record_.major) != passed_by.end())
            warn(record_.major + " is passed by");
        else
            warn("unknown major word '" + shown(record_.major) + "' is passed by");
        return true;
    }
    if (ended_ && record_.major != "FINI") {
        warn(record_.major + " after END is ignored");
        return true;
    }
    if (arc_ && handler != &Post::gotos)
        throw cl::Error(record_.major + " comes between the circle and the GOTO of the arc's end");
    // A comment's text is taken as it stands: other systems put any characters there.
    if (!is_comment_word(record_.major)) cl::parse_values(record_);
    statement_start_ = writer_.line_count();
    (this->*handler)(record_);
    if (tool_ && writer_.line_count() > statement_start_)
        result_.tools[*tool_].last_line = writer_.line_count();
    return !finished_;
}

void Post::finish_without_fini(std::int64_t line) {
    line_ = line;
    if (arc_) throw cl::Error("the file ends before the GOTO of the arc's end", line);
    warn("the file ends without FINI: the NC program is ended as by FINI");
    if (!ended_) end_program();
}

void Post::add_minutes(double minutes, double PostResult::*part) {
    result_.machining_minutes += minutes;
    result_.*part += minutes;
    if (tool_) result_.tools[*tool_].minutes += minutes;
}

void Post::not_in_cycle(const cl::Record& r) const {
    if (cycle_) throw cl::Error(r.major + " inside a drilling cycle: CYCLE/OFF must come first");
}

} // namespace mill5x
