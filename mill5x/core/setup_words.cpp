// The set-up words: what names the part and the operation, the CL file's units and the
// coordinate system its points are in.

#include "post.h"

#include "cl_reader/error.h"

namespace mill5x {

void Post::partno(const cl::Record& r) {
    if (!cl::free_text(r).empty()) comment(cl::free_text(r));
}

void Post::insert(const cl::Record& r) {
    if (!r.text.empty()) writer_.line(r.text);
}

// CUTTER/d, TOOL PATH/name, ..., TLDATA/...: the operator reads them in the program.
void Post::as_comment(const cl::Record& r) {
    std::string_view text = r.text;
    if (!text.empty() && text.front() == '/') text.remove_prefix(1);
    comment(r.major + (text.empty() ? "" : " ") + std::string(text));
}

void Post::units(const cl::Record& r) {
    path_.set_units(r);
}

void Post::multax(const cl::Record& r) {
    path_.multax(r);
}

void Post::msys(const cl::Record& r) {
    const cl::Frame frame = path_.frame_of(r);
    const machine::Axes previous = position_.value_or(machine::Axes{});
    if (!kinematics_.inverse({frame.origin, frame.z}, previous, tool_length_))
        throw cl::Error("MSYS: the head cannot reach the operation's Z direction within the B and "
                        "C limits");
    path_.set_frame(frame);
}

} // namespace mill5x
