#pragma once
// Readable failure output for the outcomes of a click.

#include "core/outcome.h"

#include <gtest/gtest.h>

#include <ostream>

namespace ivt {

inline void PrintTo(const FieldText& write, std::ostream* out) {
    *out << testing::PrintToString(std::wstring(write.control)) << " <- "
         << testing::PrintToString(write.text);
}

inline void PrintTo(const Message& message, std::ostream* out) {
    *out << "message box " << testing::PrintToString(message.text) << " titled "
         << testing::PrintToString(message.title);
}

} // namespace ivt
