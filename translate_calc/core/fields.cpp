#include "fields.h"

#include "numbers/field_values.h"

#include <utility>

namespace translate_calc {

std::wstring_view field_label(std::wstring_view field) {
    static constexpr std::pair<std::wstring_view, std::wstring_view> labels[] = {
        {L"TipX", L"X-Axis at tool tip"},
        {L"TipY", L"Y-Axis at tool tip"},
        {L"TipZ", L"Z-Axis at tool tip"},
        {L"TipI", L"Tool Axis I"},
        {L"TipJ", L"Tool Axis J"},
        {L"TipK", L"Tool Axis K"},
        {L"TLgh", L"Tool Length"},
        {L"Pivotz", L"Pivot Z"},
        {L"OrgX", L"X-Origin"},
        {L"OrgY", L"Y-Origin"},
        {L"OrgZ", L"Z-Origin"},
        {L"PrgX", L"X-Axis at pivot point"},
        {L"PrgY", L"Y-Axis at pivot point"},
        {L"PrgZ", L"Z-Axis at pivot point"},
    };
    for (const auto& [name, label] : labels)
        if (name == field) return label;
    return field;
}

double read_number(const FieldReader& read, std::wstring_view field, wchar_t decimal_separator) {
    return numbers::read_field(field_label(field), read(field), decimal_separator);
}

} // namespace translate_calc
