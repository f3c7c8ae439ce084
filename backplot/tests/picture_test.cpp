// The picture as the mouse moves it: a click chooses, a drag pans or turns, the wheel zooms
// about the mouse; a file read again keeps the view; and the list of warnings.

#include "app/picture.h"
#include "app/warning_list.h"
#include "load.h"

#include <gtest/gtest.h>

namespace backplot {
namespace {

// A square of side 10 seen from above in 120 by 120 pixels: 8 pixels a unit, (0, 0) at
// (20, 100) and (10, 10) at (100, 20).
constexpr const char* square = "G0 X0 Y0 Z0\n"
                               "G1 X10 F100\n"
                               "G1 Y10\n"
                               "G1 X0\n"
                               "M30\n";
constexpr Viewport viewport{120, 120};

Pixel at(const Picture& picture, double x, double y) {
    return picture.view().project({x, y, 0});
}

void expect_at(const Pixel& p, double x, double y) {
    EXPECT_NEAR(p.x, x, 1e-9);
    EXPECT_NEAR(p.y, y, 1e-9);
}

TEST(Picture, FitsOnceItHasASizeAndKeepsItsMiddle) {
    Picture picture;
    picture.show(load_plot(square), false);
    picture.resize(viewport);
    expect_at(at(picture, 0, 0), 20, 100);
    picture.resize({140, 100}); // the middle stays in the middle
    expect_at(at(picture, 5, 5), 70, 50);
    EXPECT_EQ(picture.orientation(), Orientation::top);
}

TEST(Picture, ClickDragAndWheel) {
    Picture picture;
    picture.resize(viewport);
    picture.show(load_plot(square), false);
    // A press that moves less than the threshold is a click; it chooses nothing itself.
    picture.press(Picture::Button::left, {60, 101});
    EXPECT_FALSE(picture.drag({62, 103}));
    const auto click = picture.release(Picture::Button::left, {62, 103});
    ASSERT_TRUE(click);
    EXPECT_EQ(picture.move_at(*click), 1u);
    EXPECT_EQ(picture.move_at({60, 60}), std::nullopt);
    // A left drag pans by the whole way, and is no click.
    picture.press(Picture::Button::left, {60, 60});
    EXPECT_TRUE(picture.drag({70, 60}));
    EXPECT_TRUE(picture.drag({80, 50}));
    EXPECT_FALSE(picture.release(Picture::Button::left, {80, 50}));
    expect_at(at(picture, 0, 0), 40, 90);
    // The wheel zooms about the mouse: the point under it stays.
    const Pixel corner = at(picture, 10, 10);
    picture.wheel(240, corner);
    expect_at(at(picture, 10, 10), corner.x, corner.y);
    EXPECT_NEAR(picture.view().scale(), 8 * 1.25 * 1.25, 1e-9);
    // A right drag turns the view: no standard view is shown any more.
    picture.press(Picture::Button::right, {60, 60});
    EXPECT_TRUE(picture.drag({90, 60}));
    picture.release(Picture::Button::right, {90, 60});
    EXPECT_EQ(picture.orientation(), std::nullopt);
    picture.orient(Orientation::top);
    expect_at(at(picture, 0, 0), 20, 100);
    // A drag whose mouse was taken away ends.
    picture.press(Picture::Button::left, {60, 60});
    picture.drag_lost();
    EXPECT_FALSE(picture.drag({90, 90}));
}

TEST(Picture, ReadAgainKeepsTheViewAndForgetsTheChoice) {
    Picture picture;
    picture.resize(viewport);
    picture.show(load_plot(square), false);
    picture.wheel(120, {20, 100});
    picture.choose(2);
    EXPECT_EQ(picture.display_list().marks.size(), 1u); // the tool's tip at the chosen move
    picture.show(load_plot(std::string(square) + "G1 X-10\n"), true);
    EXPECT_NEAR(picture.view().scale(), 10, 1e-9);
    EXPECT_EQ(picture.chosen(), std::nullopt);
    EXPECT_TRUE(picture.display_list().marks.empty());
    // Another file is fitted anew; a choice beyond its moves is none.
    picture.show(load_plot("G0 X0 Y0 Z0\nG1 X100 F100\n"), false);
    EXPECT_NEAR(picture.view().scale(), 0.8, 1e-9);
    picture.choose(5);
    EXPECT_EQ(picture.chosen(), std::nullopt);
}

TEST(Picture, WarningsAsListed) {
    std::string program = "G1 X1 F100\nQ5\n";
    EXPECT_EQ(warning_list(load_plot(program)).size(), 1u);
    EXPECT_EQ(warning_list(load_plot(program))[0].rfind("Line 2: ", 0), 0u);
    for (std::size_t n = 0; n < Plot::stored_warnings + 2; ++n)
        program += "Q5\n";
    const auto lines = warning_list(load_plot(program));
    ASSERT_EQ(lines.size(), Plot::stored_warnings + 1);
    EXPECT_EQ(lines.back(), "... and 3 more, not listed");
}

} // namespace
} // namespace backplot
