#pragma once
// MILL5X proper: turns an APT CL text into the NC program, the listing and the counts of the
// status, as streams: one record is read, translated, written and checked before the next,
// so memory does not grow with the file.
//
// The NC program's body is written as it goes; its head (program number, safety block, the
// machine, the settings file and the tool list) is known at the end and returned with the
// result, to be written before the body. Records it does not translate (MACHIN, PAINT, ...,
// and any word it does not know) are passed by with a warning. Faults that would make a
// wrong NC program stop it: the NC program then ends with the last good block, and no
// program end is written. A file without FINI is finished as if it had one, with a warning.

#include "post_result.h"

#include "machine/settings.h"

#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace mill5x {

struct RunNames {
    std::string_view cl_file;  // the CL file's name: heads the program and the listing
    std::string_view settings; // the settings file's name, named in the program's head
};

struct PostRun : PostResult {
    std::string nc_head; // the NC program's head, to stand before its body
};

// Lines end with CR LF.
PostRun post_process(std::istream& cl, std::ostream& nc_body, std::ostream& listing,
                     const machine::Settings& settings, const RunNames& names);

// The same on texts in memory: the NC program whole, head and body.
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
