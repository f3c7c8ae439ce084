#pragma once
// The configuration file's bytes and the program's wide text. The file is written as
// UTF-8 without a byte-order mark; a file that is not UTF-8 was written by an older
// version in the system's ANSI code page and is read in that code page.

#include <string>
#include <string_view>

namespace workbench {

// Converts 8-bit text in the system's ANSI code page; the shell passes the system's.
using AnsiDecoder = std::wstring (*)(std::string_view bytes);

// Every folder name must survive a round trip, and Windows file names may hold unpaired
// UTF-16 surrogates: those are written as three-byte sequences of their own (the
// generalised UTF-8 also called WTF-8) and read back as such.
std::string to_utf8(std::wstring_view text);

// The text of `bytes` read as UTF-8 (a leading byte-order mark dropped) when they are
// valid UTF-8, else as ANSI text through `ansi`.
std::wstring decode_text(std::string_view bytes, AnsiDecoder ansi);

} // namespace workbench
