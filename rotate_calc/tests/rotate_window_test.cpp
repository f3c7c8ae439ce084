#include "../win/rotate_window.h"
#include "window_testing.h"

#include <gtest/gtest.h>

namespace rotate_calc {
namespace {

using namespace desktop::testing;

// Tab indexes of the control table.
enum Tab {
    NXA = 0,
    AA = 2,
    BA = 3,
    CA = 4,
    RA = 5,
    XA = 6,
    YA = 7,
    ZA = 8,
    Compute = 9,
    Clear = 10,
    NYA = 15,
    NZA = 16,
    clw = 21,
    cclw = 22
};

class RotateWindowTest : public WindowTest<RotateWindow> {
protected:
    void enter(const wchar_t* angle, const wchar_t* x, const wchar_t* y, const wchar_t* z) {
        type({{RA, angle}, {XA, x}, {YA, y}, {ZA, z}});
    }
    std::wstring results() const {
        return text_of(at(NXA)) + L"|" + text_of(at(NYA)) + L"|" + text_of(at(NZA));
    }
};

TEST_F(RotateWindowTest, OpensAsDesignedAtEveryDpi) {
    EXPECT_EQ(text_of(window.window()), L"ROTATION TRANSFORMATIONS");
    EXPECT_EQ(results(), L"||");
    EXPECT_TRUE(is_checked(at(BA)) && is_checked(at(cclw)));
    EXPECT_FALSE(is_checked(at(AA)) || is_checked(at(CA)) || is_checked(at(clw)));
    EXPECT_EQ(GetFocus(), at(NXA)) << "the first control in tab order has the focus";

    expect_window_matches_design(window);
    EXPECT_EQ(placement_of(at(RA)).left, 280); // 3360 twips at 12 twips a pixel
}

TEST_F(RotateWindowTest, ComputesWithTheChosenOptionsAndClearKeepsThem) {
    enter(L"30", L"10", L"20", L"5");
    click(at(CA));
    click(at(clw));
    EXPECT_FALSE(is_checked(at(BA)) || is_checked(at(cclw))) << "each group keeps one option";
    click(at(Compute));
    EXPECT_EQ(results(), L"-1.3397|22.3205|5");
    click(at(AA));
    EXPECT_TRUE(is_checked(at(clw))) << "the two groups never affect each other";

    click(at(Clear));
    for (int field : {RA, XA, YA, ZA})
        EXPECT_EQ(text_of(at(field)), L" ");
    EXPECT_EQ(results(), L" | | ");
    EXPECT_TRUE(is_checked(at(AA)) && is_checked(at(clw)));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(RotateWindowTest, AFailureShowsOneMessageAndLeavesEveryResult) {
    enter(L"30", L"10", L"20", L"5");
    click(at(Compute));
    enter(L"0", L"1", L"300000", L"0"); // X would fit, Y is out of range
    click(at(Compute));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, L"ROTATION TRANSFORMATIONS");
    EXPECT_EQ(boxes.shown[0].style, 0);
    EXPECT_NE(boxes.shown[0].text.find(L"New Y-Axis"), std::wstring::npos);
    EXPECT_EQ(results(), L"6.1603|20|9.3301");
}

} // namespace
} // namespace rotate_calc
