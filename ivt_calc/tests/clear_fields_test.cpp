#include "core/clear_fields.h"

#include "outcome_printing.h"

#include <gtest/gtest.h>

namespace ivt {
namespace {

// The start values ("1", "12") are not brought back, and the time caption is not touched.
TEST(ClearFields, WritesZeroInTheInputsAndOneBlankInTheOutputs) {
    const Writes expected{{L"IVT", L"0"}, {L"Time", L" "}, {L"Dist", L" "}, {L"DX", L" "},
                          {L"DY", L" "},  {L"DZ", L" "},   {L"DR", L" "},   {L"FR", L"0"},
                          {L"CX", L"0"},  {L"CY", L"0"},   {L"CZ", L"0"},   {L"CR", L"0"},
                          {L"LX", L"0"},  {L"LY", L"0"},   {L"LZ", L"0"},   {L"LR", L"0"}};
    EXPECT_EQ(clear_fields(), expected);
}

} // namespace
} // namespace ivt
