#pragma once
// MILL5X checks its own NC program: it reads each block back with the toolkit's NC program
// reader as it is written, works out the tool tip and axis with the machine's forward
// kinematics, and holds them against the CL path in order: the tip at each CL position, the
// tip along each feed move (the axes move linearly from block to block, so each move is
// sampled) within the straight CL segment it follows, arcs at their middles, drilled holes
// at their bottoms, and the tip's feed along each move against the CL feed.

#include "expectation.h"
#include "post_result.h"

#include "machine/kinematics.h"
#include "machine/settings.h"
#include "nc_reader/reader.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace mill5x {

class OutputCheck {
public:
    explicit OutputCheck(const machine::Settings& settings);

    // The lines one CL statement's blocks gave (each ending with a line end), and what that
    // statement meant them to do.
    void check(std::string_view lines, std::span<const Expectation> expected);

    const CheckResult& result() const { return result_; }

private:
    void read_comments(const nc::Block& block);
    void follow_segment(const nc::Move& move, const Expectation& segment);
    void check_hole(const nc::Move& move, const Expectation& hole);
    void compare(const machine::ToolPose& pose, const Expectation& expected, std::int64_t nc_line,
                 const nc::Axes& axes);
    double rounding_at(const nc::Axes& axes) const;
    void fail(std::int64_t nc_line, std::int64_t cl_line, const std::string& message);
    // The pose for the axes, where every axis the kinematics needs is known. The last two are
    // kept: each move's start is the last one's end.
    std::optional<machine::ToolPose> pose_at(const nc::Axes& axes, nc::AxisSet known);

    machine::Settings settings_;
    machine::Kinematics kinematics_;
    nc::Reader reader_;
    double tool_length_;
    const char* unit_;
    std::int64_t line_ = 0, last_move_line_ = 0;
    CheckResult result_;
    struct KnownPose {
        nc::Axes axes{};
        double tool_length = 0;
        machine::ToolPose pose;
    };
    std::array<std::optional<KnownPose>, 2> poses_;
    std::size_t older_pose_ = 0;
    std::vector<const Expectation*> holes_, arcs_, checkpoints_; // of the statement checked
};

} // namespace mill5x
