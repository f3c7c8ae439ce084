#pragma once
// Turning the fuzzer's bytes into the texts the readers take.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

inline std::string_view bytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Wide text two bytes a character, as Windows hands it over (UTF-16 code units).
inline std::wstring wide(std::string_view bytes) {
    std::wstring text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text += static_cast<wchar_t>(static_cast<std::uint8_t>(bytes[i]) |
                                     static_cast<std::uint8_t>(bytes[i + 1]) << 8);
    return text;
}

// The pieces between NUL characters, as many as asked for (missing ones empty).
inline std::vector<std::wstring> pieces(std::wstring_view text, std::size_t count) {
    std::vector<std::wstring> result(count);
    for (std::size_t i = 0, at = 0; i < count && at <= text.size();
         ++i, at += result[i - 1].size() + 1)
        result[i] = text.substr(at, text.find(L'\0', at) - at);
    return result;
}

} // namespace fuzz
