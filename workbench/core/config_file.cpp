#include "config_file.h"

#include "text_encoding.h"

namespace workbench {
namespace {

bool is_blank(wchar_t c) {
    return c == L' ' || c == L'\t';
}
bool is_line_end(wchar_t c) {
    return c == L'\r' || c == L'\n';
}

// Values are written in quotes, unchanged. A value that holds a double quote itself can
// only have come from an unquoted value of a hand-written file (a quoted one ends at its
// quote); quoting it would split it when read back, so it is written as it was read.
void append_value(std::wstring& line, std::wstring_view value) {
    if (value.find(L'"') != std::wstring_view::npos) {
        line += value;
        return;
    }
    line += L'"';
    line += value;
    line += L'"';
}

} // namespace

void ConfigReader::skip_past_separator() {
    while (at_ < text_.size() && text_[at_] != L',' && !is_line_end(text_[at_]))
        ++at_;
    if (at_ == text_.size()) return;
    if (text_[at_] == L'\r' && at_ + 1 < text_.size() && text_[at_ + 1] == L'\n') ++at_;
    ++at_;
}

std::optional<std::wstring> ConfigReader::next_value() {
    while (at_ < text_.size() && is_blank(text_[at_]))
        ++at_;
    if (at_ == text_.size()) return std::nullopt;

    std::wstring value;
    if (text_[at_] == L'"') {
        const auto close = text_.find(L'"', at_ + 1);
        const auto end = close == std::wstring::npos ? text_.size() : close;
        value = text_.substr(at_ + 1, end - at_ - 1);
        at_ = close == std::wstring::npos ? text_.size() : close + 1;
    } else {
        const auto start = at_;
        while (at_ < text_.size() && text_[at_] != L',' && !is_line_end(text_[at_]))
            ++at_;
        value = text_.substr(start, at_ - start);
        while (!value.empty() && is_blank(value.back()))
            value.pop_back();
    }
    skip_past_separator();
    return value;
}

std::string config_file_bytes(const SavedSettings& settings) {
    std::wstring text;
    append_value(text, write_back_mode);
    text += L',';
    append_value(text, settings.cl_folder);
    text += L"\r\n";
    append_value(text, settings.pp_folder);
    text += L"\r\n";
    for (const auto& caption : settings.user_captions) {
        append_value(text, caption);
        text += L"\r\n";
    }
    return to_utf8(text);
}

std::wstring without_access_key(std::wstring_view caption) {
    std::wstring text;
    for (const wchar_t c : caption) {
        text += c;
        if (c == L'&') text += c;
    }
    return text;
}

} // namespace workbench
