#include "control_table_file.h"
#include "win/ivt_window.h"

#include <gtest/gtest.h>

namespace ivt_calc {
namespace {

using namespace desktop::testing;

// clang-format off
enum Tab { LX, LY, LZ, CX, CY, CZ, FR, Dist, Time, IVT, Label6 = 15, ComIVT = 20, DX, DY, DZ,
           CLEAR, CompUPM, CmdEx, LR = 28, CR, DR = 31, Option1, Option2, Option3, Frame1,
           Option4, Option5 };
// clang-format on

using IvtWindowTest = WindowTest<IvtWindow>;

TEST_F(IvtWindowTest, OpensAsDesignedAndEachButtonWritesItsTexts) {
    expect_window(window, L"Inverse Time Feed", 9735, 7245);
    expect_controls(window, read_control_table("ivt_window.controls"));
    EXPECT_EQ(texts({Option1, Option2, Option3, Option4, Option5}), L"-|-|-|-|-|");
    // The clicks: the window reads the time unit and the rotary axis, hands the number it
    // wrote back to the feed, clears and exits.
    click(at(Option5));
    click(at(ComIVT));
    EXPECT_EQ(texts({DX, DY, DZ, DR, Dist, Time, IVT, Label6}),
              L"1|1|1|0|1.7321|8.6603|0.1155|Time (Sec.)|");
    click(at(CompUPM));
    EXPECT_EQ(texts({FR, Time, Dist, Label6}), L"0.2|8.658|1.7321|Time (Sec.)|");
    // A quarter turn to (3, 4, 0), 5 from the Z axis.
    type({{CX, L"3"}, {CY, L"4"}, {CZ, L"0"}, {CR, L"90"}});
    click(at(Option3));
    click(at(ComIVT));
    EXPECT_EQ(texts({DR}), L"3.927|");
    click(at(Option2));
    click(at(CLEAR));
    EXPECT_EQ(texts({LX, LY,   LZ,   LR, CX,  CY,     CZ,      CR,      DX,      DY,      DZ,
                     DR, Dist, Time, FR, IVT, Label6, Option1, Option2, Option3, Option4, Option5}),
              L"0|0|0|0|0|0|0|0| | | | | | |0|0|Time (Sec.)|-|x|-|-|x|");
    click(at(CmdEx));
    EXPECT_FALSE(IsWindow(window.window()));
}

} // namespace
} // namespace ivt_calc
