#pragma once
// What a file holds, told from its bytes: text or not, and whether its lines read as the
// blocks of an NC program (words of a letter and a number: "N10 G1 X5.") or as the records of
// an APT CL file (a major word and a slash: "GOTO/1,2,3", or a major word alone: "FINI").
// The file's name extension only decides between the two when the lines do not.

#include <string>
#include <string_view>

namespace backplot {

enum class FileKind {
    nc_program,
    cl_file,
    empty,        // no bytes, or only blank lines
    not_text,     // NUL bytes or many control characters: nothing is plotted
    unknown_text, // text whose lines read as neither
};

struct FileKindFound {
    FileKind kind = FileKind::empty;
    std::string reason; // why nothing can be plotted; empty for an NC program or a CL file
};

// extension: the file name's extension, with or without its dot ("NC1", ".apt"); may be empty.
FileKindFound file_kind(std::string_view bytes, std::string_view extension = {});

} // namespace backplot
