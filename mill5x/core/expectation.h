#pragma once
// What the blocks of one CL statement must do, as the post-processor meant them: the output
// check reads those blocks back and holds the tool tip they give against it.

#include "machine/kinematics.h"

#include <cstdint>
#include <optional>

namespace mill5x {

struct Expectation {
    enum class Kind {
        position,   // where the tool is after the statement's blocks
        arc_middle, // where an arc of those blocks has the tool halfway
        hole,       // the bottom of a drilled hole, in the order the holes come
    };
    Kind kind = Kind::position;
    std::int64_t cl_line = 0;
    machine::ToolPose pose;
    // position: the start of the CL's straight segment that the feed moves on the way follow
    // (none after a rapid, an arc or a tool change), and the CL's feed along it.
    std::optional<geometry::Vector> from;
    double feed = 0;
    double r_level = 0; // hole: the height of the tip at the cycle's R level
    // position: after how many of the statement's lines it holds; -1: after all of them.
    std::int64_t lines = -1;
};

} // namespace mill5x
