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

} // namespace ivt
