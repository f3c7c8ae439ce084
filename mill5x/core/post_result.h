#pragma once
// What one post-processing run found, besides its outputs: the counts, times, tools,
// extents, warnings and check of the status and the listing.

#include "block_writer.h"
#include "warning_log.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mill5x {

struct Problem {
    std::int64_t line = 0; // the CL line, counted from 1
    std::string message;
};

struct ToolUse {
    int tool = 0;
    double length = 0;
    std::optional<int> adjust;                  // the length offset register
    std::int64_t first_line = 0, last_line = 0; // NC lines of the body, counted from 1
    double minutes = 0;
};

struct CheckResult {
    std::int64_t positions = 0;
    double worst_tip = 0; // at the CL positions
    std::int64_t worst_tip_nc_line = 0, worst_tip_cl_line = 0;
    double worst_along = 0; // along the feed moves
    std::int64_t worst_along_nc_line = 0;
    double worst_angle = 0; // degrees
    double worst_feed = 0;  // of the tip along a move, off the CL's feed, as a fraction
    std::int64_t worst_feed_nc_line = 0;
    std::optional<Problem> failure; // line: the NC line (of the body)
    std::int64_t failure_cl_line = 0;
};

struct PostResult {
    WarningLog warnings;
    std::optional<Problem> error; // set: the NC program is incomplete
    std::int64_t line_count = 0;
    std::int64_t record_count = 0;
    std::int64_t block_count = 0;
    std::int64_t rapid_moves = 0;
    std::int64_t feed_moves = 0;         // per minute (G94): lines, arcs and drilled holes
    std::int64_t inverse_time_moves = 0; // G93
    std::int64_t inserted_points = 0;    // by linearization
    double machining_minutes = 0;
    double feed_minutes = 0, inverse_time_minutes = 0, rapid_minutes = 0, dwell_minutes = 0;
    std::vector<ToolUse> tools; // in the order they were first loaded
    AxisExtents extents;
    std::optional<CheckResult> check; // none when the settings switch it off
    // The lines of the NC program's head, before those of the body that the line numbers
    // above count.
    std::int64_t head_lines = 0;

    bool failed() const { return error || (check && check->failure); }
    std::int64_t nc_line(std::int64_t body_line) const { return head_lines + body_line; }
};

} // namespace mill5x
