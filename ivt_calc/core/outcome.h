#pragma once
// What one click of a button does to the window: either write these texts, in this order,
// or show one message box and write nothing at all.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ivt {

inline constexpr std::wstring_view program_title = L"Inverse Time Feed";

struct FieldText {
    std::wstring_view control; // the control's name, a field or the time caption
    std::wstring text;
    bool operator==(const FieldText&) const = default;
};
using Writes = std::vector<FieldText>;

struct Message {
    std::wstring text;
    std::wstring title;
    bool operator==(const Message&) const = default;
};

using Outcome = std::variant<Writes, Message>;

} // namespace ivt
