// Plexo.cfg as any program or user may have left it. Property: the values read, written as
// the workbench writes them and read again, come back the same (the reader's round trip).

#include "core/config_file.h"
#include "core/text_encoding.h"
#include "fuzz_text.h"

#include <cstdlib>
#include <vector>

namespace {

// The system's ANSI code page stands in as Latin-1.
std::wstring latin1(std::string_view bytes) {
    std::wstring text;
    for (char c : bytes)
        text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return text;
}

std::vector<std::wstring> values_of(std::wstring text, std::size_t count) {
    workbench::ConfigReader reader(std::move(text));
    std::vector<std::wstring> values;
    while (values.size() < count)
        values.push_back(reader.next_value().value_or(L""));
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text = workbench::decode_text(fuzz::bytes(data, size), latin1);
    workbench::ConfigReader reader(text);
    while (reader.next_value()) {
    }
    const std::vector<std::wstring> read = values_of(text, 6);
    const workbench::SavedSettings settings{read[1], read[2], {read[3], read[4], read[5]}};
    for (const std::wstring& value : read)
        if (value.find(L'"') != std::wstring::npos) return 0; // written as read: no round trip
    const std::vector<std::wstring> again =
        values_of(workbench::decode_text(workbench::config_file_bytes(settings), latin1), 6);
    if (again[0] != workbench::write_back_mode ||
        !std::equal(read.begin() + 1, read.end(), again.begin() + 1))
        std::abort();
    return 0;
}
