#include "commands.h"
#include "fields.h"

#include "numbers/number_text.h"

namespace translate_calc {
namespace {

// A blank, not an empty text: what both clearing commands have always left in the points.
constexpr std::wstring_view blank = L" ";

void blank_out(Outcome& outcome, const Triple& fields) {
    for (const auto field : fields)
        outcome.writes.push_back({field, std::wstring(blank)});
}

} // namespace

Outcome clear_all(wchar_t decimal_separator) {
    const std::wstring zero = numbers::general_format(0, decimal_separator);
    const std::wstring one = numbers::general_format(1, decimal_separator);
    Outcome outcome;
    blank_out(outcome, tip_point);
    outcome.writes.push_back({tool_axis[0], zero});
    outcome.writes.push_back({tool_axis[1], zero});
    outcome.writes.push_back({tool_axis[2], one});
    for (const auto field : {tool_length, pivot_distance, origin[0], origin[1], origin[2]})
        outcome.writes.push_back({field, zero});
    blank_out(outcome, program_point);
    return outcome;
}

Outcome clear_results() {
    Outcome outcome;
    blank_out(outcome, tip_point);
    blank_out(outcome, program_point);
    return outcome;
}

} // namespace translate_calc
