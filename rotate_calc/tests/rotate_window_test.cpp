#include "control_table_file.h"
#include "win/rotate_window.h"

#include <gtest/gtest.h>

namespace rotate_calc {
namespace {

using namespace desktop::testing;

enum Tab { NXA = 0, AA = 2, BA, CA, RA, XA, YA, ZA, Compute, Clear, NYA = 15, NZA, clw = 21, cclw };

using RotateWindowTest = WindowTest<RotateWindow>;

TEST_F(RotateWindowTest, OpensAsDesignedAndComputeReadsBothOptionGroups) {
    expect_window(window, L"ROTATION TRANSFORMATIONS", 10110, 3690);
    expect_controls(window, read_control_table("rotate_window.controls"));
    EXPECT_EQ(texts({AA, BA, CA, clw, cclw}), L"-|x|-|-|x|");
    type({{RA, L"30"}, {XA, L"10"}, {YA, L"20"}, {ZA, L"5"}});
    click(at(AA));
    click(at(Compute));
    EXPECT_EQ(texts({NXA, NYA, NZA}), L"10|19.8205|-5.6699|") << "about A, counter-clockwise";
    click(at(CA));
    click(at(clw));
    click(at(Compute));
    EXPECT_EQ(texts({NXA, NYA, NZA}), L"-1.3397|22.3205|5|");
    click(at(Clear));
    EXPECT_EQ(texts({RA, XA, YA, ZA, NXA, NYA, NZA, AA, BA, CA, clw, cclw}),
              L" | | | | | | |-|-|x|x|-|")
        << "CLEAR keeps the options";
}

} // namespace
} // namespace rotate_calc
