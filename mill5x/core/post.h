#pragma once
// MILL5X's translation of CL records into blocks, one record at a time. The records' handlers
// live by family: set-up words (setup_words.cpp), machine words (machine_words.cpp), motion
// (motion.cpp), arcs (arcs.cpp) and drilling cycles (cycles.cpp); all write through one
// BlockWriter, and each motion leaves an Expectation that the output check holds the NC
// program against.

#include "block_writer.h"
#include "circular_arc.h"
#include "expectation.h"
#include "nc_format.h"
#include "post_result.h"

#include "cl_reader/drilling_cycle.h"
#include "cl_reader/machine_words.h"
#include "cl_reader/record.h"
#include "cl_reader/statement_reader.h"
#include "cl_reader/tool_path.h"
#include "machine/kinematics.h"
#include "machine/settings.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mill5x {

class Post {
public:
    Post(const machine::Settings& settings, PostResult& result);

    // Post-processes one statement; false when it was FINI. Throws cl::Error for a fault that
    // would make a wrong NC program.
    bool statement(const cl::Statement& statement);
    // The end of the text came before FINI.
    void finish_without_fini(std::int64_t line);

    BlockWriter& writer() { return writer_; }
    // What the blocks written since the last call must do, and the warnings given since.
    std::vector<Expectation>& expectations() { return expectations_; }
    std::vector<std::string>& new_warnings() { return new_warnings_; }

    using Handler = void (Post::*)(const cl::Record&);
    struct Translation {
        std::string_view word;
        Handler handler;
    };
    static const std::array<Translation, 28> translations;
    static const std::array<std::string_view, 3> passed_by;

private:
    static Handler handler_of(std::string_view word);

    // Set-up words.
    void partno(const cl::Record& r); // and PPRINT
    void insert(const cl::Record& r);
    void as_comment(const cl::Record& r); // CUTTER, TOOL PATH, TLDATA
    void units(const cl::Record& r);
    void multax(const cl::Record& r);
    void msys(const cl::Record& r);
    // Machine words.
    void load_tool(const cl::Record& r); // LOADTL, LOAD
    void select(const cl::Record& r);
    void spindl(const cl::Record& r);
    void coolnt(const cl::Record& r);
    void delay(const cl::Record& r);
    void opstop(const cl::Record& r);
    void stop(const cl::Record& r);
    void end(const cl::Record& r);
    void fini(const cl::Record& r);
    // Motion.
    void fedrat(const cl::Record& r);
    void rapid(const cl::Record& r);
    void from(const cl::Record& r);
    void gotos(const cl::Record& r);
    void godlta(const cl::Record& r);
    void cutcom(const cl::Record& r);
    // Arcs and cycles.
    void circle(const cl::Record& r);
    void cycle(const cl::Record& r);

    void warn(const std::string& message);
    void comment(std::string_view text);
    void block(std::initializer_list<std::string_view> words);
    void tool_change(const cl::ToolLoad& load);
    void stop_spindle_and_coolant();
    void retract();
    void end_program();
    void end_cycle();
    void not_in_cycle(const cl::Record& r) const;

    machine::Axes axes_for(const cl::ToolPosition& target) const;
    void move_to(const cl::ToolPosition& target, bool rapid);
    void approach(const machine::Axes& to, bool rapid_down);
    void feed_move(const cl::ToolPosition& target, const machine::Axes& to);
    void arc_to(const cl::ToolPosition& end);
    void write_arc(const machine::Axes& to, const cl::Circle& circle);
    void write_arc_as_lines(const cl::ToolPosition& end, const machine::Axes& to,
                            const cl::Circle& circle, const ArcMove& arc);
    void drill(const cl::ToolPosition& hole);
    // The axes' addresses, written where the control holds other positions.
    void positions(const machine::Axes& axes);
    void rotary_positions(const machine::Axes& axes);
    // Whether the control holds these positions already (the rotary axes only, or all).
    bool at(const machine::Axes& axes, bool linear_too = true) const;
    void within_travel(const machine::Axes& axes);
    // Where the rotary axes must pass a limit to follow the tool: they turn back clear of
    // the part first. True when they did.
    bool rewind(const machine::Axes& to);
    void add_cutter_compensation();
    void cancel_compensation();
    void start_feed_block(int plane);
    void add_minutes(double minutes, double PostResult::*part);
    double feed_per_minute(const cl::Feed& feed) const;

    int length_decimals() const { return settings_.units == machine::Units::inch ? 4 : 3; }
    double arc_tolerance() const {
        return settings_.units == machine::Units::inch ? 0.0002 : 0.005;
    }
    int pieces_for(const machine::Axes& from, const machine::Axes& to,
                   const geometry::Vector& start, const geometry::Vector& end, double allowed);
    machine::Axes piece_end(const machine::Axes& from, const machine::Axes& to,
                            const geometry::Vector& start, const geometry::Vector& end, int piece,
                            int pieces) const;

    const machine::Settings& settings_;
    const machine::Kinematics kinematics_;
    PostResult& result_;
    BlockWriter writer_;
    std::vector<Expectation> expectations_;
    std::vector<std::string> new_warnings_;
    std::int64_t line_ = 0;
    std::int64_t statement_start_ = 0; // the writer's line count when the statement began
    cl::Record record_;

    cl::ToolPath path_;
    std::optional<cl::ToolPosition> tip_;   // where the CL file has the tool
    std::optional<machine::Axes> position_; // where the machine's axes are
    bool approach_next_ = true;             // the next move comes from above: B, C, X Y, Z
    bool rapid_next_ = false;
    std::optional<double> feed_;      // machine units per minute
    std::optional<std::size_t> tool_; // result_.tools: the tool in the spindle
    double tool_length_ = 0;
    std::optional<double> spindle_speed_;
    std::string spindle_direction_ = "M3";
    bool spindle_on_ = false;
    std::string coolant_; // the coolant's M code while it runs
    // What a tool change stopped and the CL file has not started again: started again
    // before the tool comes down.
    std::vector<std::string> restart_;
    std::optional<cl::Circle> arc_;                       // waits for the GOTO of its end
    std::optional<cl::DrillingCycle> cycle_, last_cycle_; // drills at each GOTO
    bool cycle_written_ = false;                          // its first hole is written in full
    std::vector<std::string> next_move_words_;            // cutter compensation, for the next move
    bool compensating_ = false;
    bool length_on_ = false; // G43 H given for the tool in the spindle
    bool ended_ = false;
    bool finished_ = false;
};

// The text of a CL record made a comment: upper case, without brackets.
std::string comment_text(std::string_view text);

} // namespace mill5x
