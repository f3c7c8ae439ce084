#pragma once
// An outcome in one line, for tests to compare with what they expect: "DX=1;DY=1;" for the
// texts written, in their order, or "title: text" for a message.

#include "numbers/outcome.h"

#include <string>

namespace numbers::testing {

inline std::wstring outcome_text(const Outcome& outcome) {
    if (const auto* message = std::get_if<Message>(&outcome))
        return message->title + L": " + message->text;
    std::wstring all;
    for (const auto& [control, text] : std::get<Writes>(outcome))
        all += std::wstring(control) + L"=" + text + L";";
    return all;
}

} // namespace numbers::testing
