#pragma once
// What one button of a calculator does to its window, decided by portable code: either
// write these texts, in this order, or show one message box and write nothing at all.
// Every result is computed and rounded before the first text is written, so a failure
// never leaves a point half updated.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace numbers {

struct FieldText {
    std::wstring_view control; // the control's name: a field, or a caption such as Label6
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

} // namespace numbers
