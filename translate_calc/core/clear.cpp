#include "commands.h"
#include "fields.h"

#include "numbers/number_text.h"

namespace translate_calc {
namespace {

// A blank, not an empty text: what both clearing commands have always left in the points.
constexpr std::wstring_view blank = L" ";

void blank_out(Writes& writes, const Triple& fields) {
    for (const auto field : fields)
        writes.push_back({field, std::wstring(blank)});
}

} // namespace

Outcome clear_all(wchar_t decimal_separator) {
    const std::wstring zero = numbers::general_format(0, decimal_separator);
    const std::wstring one = numbers::general_format(1, decimal_separator);
    Writes writes;
    blank_out(writes, tip_point);
    writes.push_back({tool_axis[0], zero});
    writes.push_back({tool_axis[1], zero});
    writes.push_back({tool_axis[2], one});
    for (const auto field : {tool_length, pivot_distance, origin[0], origin[1], origin[2]})
        writes.push_back({field, zero});
    blank_out(writes, program_point);
    return writes;
}

Outcome clear_results() {
    Writes writes;
    blank_out(writes, tip_point);
    blank_out(writes, program_point);
    return writes;
}

} // namespace translate_calc
