// Plexo.cfg as any program or user may have left it (the ANSI code page standing in as
// Latin-1). Property: the values read, written as the workbench writes them and read again,
// come back the same (the reader's round trip).

#include "core/config_file.h"
#include "core/text_encoding.h"
#include "fuzz_text.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

// Every value of the file, and at least six.
static std::vector<std::wstring> values_of(std::string_view bytes) {
    workbench::ConfigReader reader(workbench::decode_text(bytes, [](std::string_view ansi) {
        return std::wstring(reinterpret_cast<const unsigned char*>(ansi.data()),
                            reinterpret_cast<const unsigned char*>(ansi.data() + ansi.size()));
    }));
    std::vector<std::wstring> values;
    while (auto value = reader.next_value())
        values.push_back(*value);
    values.resize(std::max<std::size_t>(values.size(), 6));
    return values;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto read = values_of(fuzz::bytes(data, size));
    for (int i = 0; i < 6; ++i)
        if (read[i].find(L'"') != std::wstring::npos) return 0; // written as read: no round trip
    const auto again =
        values_of(workbench::config_file_bytes({read[1], read[2], {read[3], read[4], read[5]}}));
    if (again[0] != workbench::write_back_mode ||
        !std::equal(read.begin() + 1, read.begin() + 6, again.begin() + 1))
        std::abort();
    return 0;
}
