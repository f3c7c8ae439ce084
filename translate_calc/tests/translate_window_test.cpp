#include "control_table_file.h"
#include "win/translate_window.h"

#include <gtest/gtest.h>

#include <string>

namespace translate_calc {
namespace {

using namespace desktop::testing;

// clang-format off
enum Tab {
    TipX = 0, TipY, TipZ, TipI, TipJ, TipK, TLgh, Pivotz, PrgX, PrgY, PrgZ,
    CompTP = 11, Clear = 12, Exit = 13, OrgX = 25, OrgY, OrgZ, CompPP = 34, CLR, Norm
};
// clang-format on

using TranslateWindowTest = WindowTest<TranslateWindow>;

TEST_F(TranslateWindowTest, OpensAsDesignedAndEachButtonWritesItsTexts) {
    expect_window(window, L"Rotary Head Translations", 10065, 7110);
    expect_controls(window, read_control_table("translate_window.controls"));
    // The clicks: the worked example there and back, clearing the results and everything, Exit.
    const auto fields = [&] {
        return texts(
            {TipX, TipY, TipZ, TipI, TipJ, TipK, TLgh, Pivotz, OrgX, OrgY, OrgZ, PrgX, PrgY, PrgZ});
    };
    type({{TipX, L"10"}, {TipY, L"20"}, {TipZ, L"5"}, {TipI, L"1"}, {TipJ, L"2"}, {TipK, L"3"}});
    type({{TLgh, L"4.5"}, {Pivotz, L"12.25"}, {OrgX, L"1"}, {OrgY, L"2"}, {OrgZ, L"3"}});
    click(at(Norm));
    click(at(CompPP));
    type({{TipX, L""}, {TipY, L""}, {TipZ, L""}});
    click(at(CompTP));
    EXPECT_EQ(fields(), L"10|20|5|0.267261|0.534522|0.801784|4.5|12.25|1|2|3|13.4766|26.9532|"
                        L"15.4299|");
    click(at(CLR));
    EXPECT_EQ(fields(), L" | | |0.267261|0.534522|0.801784|4.5|12.25|1|2|3| | | |");
    click(at(Clear));
    EXPECT_EQ(fields(), L" | | |0|0|1|0|0|0|0|0| | | |");
    click(at(Exit));
    EXPECT_FALSE(IsWindow(window.window()));
}

} // namespace
} // namespace translate_calc
