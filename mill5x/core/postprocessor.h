#pragma once
// MILL5X proper: turns an APT CL text into the NC program, the listing and the counts of the
// status, as streams: one record is read, translated and written before the next, so memory
// does not grow with the file.
//
// Records it does not translate (MACHIN, CUTTER, PAINT, ..., and any word it does not know)
// are passed by with a warning. Faults that would make a wrong NC program stop it: the NC
// program then ends with the last good block, and no program end is written. A file without
// FINI is finished as if it had one, with a warning.

#include "machine/settings.h"
#include "warning_log.h"

#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace mill5x {

struct Problem {
    std::int64_t line = 0; // the CL line, counted from 1
    std::string message;
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
    double machining_minutes = 0;
};

// cl_name, the CL file's name, heads the NC program and the listing. Lines end with CR LF.
PostResult post_process(std::istream& cl, std::ostream& nc_program, std::ostream& listing,
                        const machine::Settings& settings, std::string_view cl_name);

// The same on texts in memory.
struct PostText : PostResult {
    std::string nc_program;
    std::string listing;
};
PostText post_process(std::string_view cl_text, const machine::Settings& settings,
                      std::string_view cl_name);

// The major words it translates, and those it passes by knowingly.
std::span<const std::string_view> translated_words();
std::span<const std::string_view> passed_by_words();

} // namespace mill5x
