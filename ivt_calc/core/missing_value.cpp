#include "missing_value.h"

namespace ivt {

std::optional<Message> first_missing_value(std::initializer_list<RequiredField> fields) {
    for (const RequiredField& field : fields) {
        if (field.text.empty()) {
            return Message{L"Please enter value for " + std::wstring(field.name) + L".",
                           std::wstring(missing_value_title)};
        }
    }
    return std::nullopt;
}

std::optional<Message> first_missing_value_of_move(const PositionTexts& previous,
                                                   const PositionTexts& current,
                                                   RequiredField last) {
    return first_missing_value({{previous.x, L"Previous X-axis"},
                                {previous.y, L"Previous Y-axis"},
                                {previous.z, L"Previous Z-axis"},
                                {current.x, L"Current X-axis"},
                                {current.y, L"Current Y-axis"},
                                {current.z, L"Current Z-axis"},
                                last});
}

} // namespace ivt
