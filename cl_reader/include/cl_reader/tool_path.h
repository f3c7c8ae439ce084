#pragma once
// Where a CL file puts the tool: the points and tool axes of FROM, GOTO and GODLTA and the
// circles of CIRCLE and MOVARC, in the target units and the machine's coordinates. It keeps
// what holds between records: the CL file's units (UNITS), the operation's coordinate system
// (MSYS) and the tool axis that a GOTO without one keeps (MULTAX).

#include "cl_reader/frame.h"
#include "cl_reader/record.h"
#include "cl_reader/units.h"

namespace cl {

struct ToolPosition {
    Vector tip;
    Vector axis{0, 0, 1}; // unit length
};

struct Circle {
    Vector centre;
    Vector axis; // the tool turns counter-clockwise about it (right-hand rule)
    double radius = 0;
};

class ToolPath {
public:
    explicit ToolPath(bool target_inch = false) : units_(target_inch) {}

    // UNITS/MM, UNITS/INCHES or UNITS/INCH.
    void set_units(const Record& record);
    const Units& units() const { return units_; }

    // MSYS/x0, y0, z0, xi, xj, xk, yi, yj, yk, read in the current units; set_frame makes it
    // the frame of the records that follow, and the operation's tool axis is its Z.
    Frame frame_of(const Record& record) const;
    void set_frame(const Frame& frame);
    const Frame& frame() const { return frame_; }

    // MULTAX, MULTAX/ON, MULTAX/OFF: OFF sets the tool axis back to the frame's Z.
    void multax(const Record& record);

    // FROM or GOTO: x, y, z, or x, y, z, i, j, k. An axis that is not of unit length is
    // normalised and reported by `normalised`; one of no length is an error.
    ToolPosition position(const Record& record, bool& normalised);
    // GODLTA/d along the tool axis, or GODLTA/dx, dy, dz, from `from`.
    ToolPosition delta(const Record& record, const ToolPosition& from) const;
    // CIRCLE or MOVARC: x, y, z of the centre, i, j, k of its axis, the radius (and
    // tolerances, which are not used).
    Circle circle(const Record& record) const;

private:
    Vector point(const Record& record, std::size_t first) const;

    Units units_;
    Frame frame_;
    Vector axis_{0, 0, 1}; // in the CL file's frame
};

} // namespace cl
