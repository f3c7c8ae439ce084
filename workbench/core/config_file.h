#pragma once
// Plexo.cfg, the workbench's memory between runs: the mode word, the CL folder, the
// post-processor folder and the captions of the three user buttons, as comma-separated,
// double-quoted values on five lines.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace workbench {

inline constexpr std::wstring_view config_file_name = L"Plexo.cfg";

// Exit writes the file back only when its mode word is exactly this, letter case included.
inline constexpr std::wstring_view write_back_mode = L"VAR";

// Hands out the file's values in order, wherever the line breaks fall: values end at a
// comma or a line end (CR LF, CR or LF); blanks before a value are skipped; a value that
// begins with a double quote runs to the next double quote, commas and line ends
// included, and anything after that quote up to the next comma or line end is ignored;
// any other value runs to the next comma or line end, without its trailing blanks.
class ConfigReader {
public:
    explicit ConfigReader(std::wstring text) : text_(std::move(text)) {}

    // The next value; nothing when the file ends before it.
    std::optional<std::wstring> next_value();

private:
    void skip_past_separator();

    std::wstring text_;
    std::size_t at_ = 0;
};

struct SavedSettings {
    std::wstring cl_folder;
    std::wstring pp_folder;
    std::array<std::wstring, 3> user_captions;
};

// The text a user button is given so that it shows a caption from the file exactly as
// stored: every "&" doubled, so that none becomes an access key.
std::wstring without_access_key(std::wstring_view caption);

// The whole file as exit writes it: line 1 the mode word "VAR" and the CL folder, then one
// line each for the post-processor folder and the three captions, every line ending in
// CR LF, encoded as UTF-8.
std::string config_file_bytes(const SavedSettings& settings);

} // namespace workbench
