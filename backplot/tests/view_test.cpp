// Where the view puts a point: each orientation, the fit, zoom, pan and turning, with the
// pixels worked out by hand.

#include "view.h"

#include <gtest/gtest.h>

#include <cmath>

namespace backplot {
namespace {

void expect_pixel(const Pixel& actual, const Pixel& expected, const char* what) {
    EXPECT_NEAR(actual.x, expected.x, 1e-9) << what;
    EXPECT_NEAR(actual.y, expected.y, 1e-9) << what;
}

// At scale 1 about the origin a point lands on (p . right, -(p . up)). Isometric: right is
// (1, 1, 0) / sqrt 2 and up (-1, 1, 2) / sqrt 6, so (1, 2, 3) is at 3 / sqrt 2 across and
// (1 + 6) / sqrt 6 up.
TEST(View, EachOrientationProjects) {
    const struct {
        Orientation orientation;
        const char* name;
        Pixel at;
    } rows[] = {
        {Orientation::top, "top", {1, -2}},
        {Orientation::front, "front", {1, -3}},
        {Orientation::side, "side", {2, -3}},
        {Orientation::isometric, "isometric", {3 / std::sqrt(2.0), -7 / std::sqrt(6.0)}},
    };
    for (const auto& row : rows)
        expect_pixel(View(row.orientation).project({1, 2, 3}), row.at, row.name);
}

// A box 100 by 50 (by 10) seen from above in 300 by 200 pixels: 20 pixels' margin leaves 260
// by 160, so 2.6 pixels a unit (the width decides); the box's middle (50, 25) goes to the
// viewport's (150, 100), so the origin to (150 - 130, 100 + 65).
TEST(View, FitZoomAndPan) {
    Box box;
    box.add({0, 0, 0});
    box.add({100, 50, 10});
    View view(Orientation::top);
    view.fit(box, {300, 200});
    EXPECT_NEAR(view.scale(), 2.6, 1e-12);
    expect_pixel(view.project({0, 0, 0}), {20, 165}, "origin");
    expect_pixel(view.project({100, 50, 10}), {280, 35}, "far corner");

    // Ten times about the far corner, which stays; the origin goes ten times as far from it.
    view.zoom(10, {280, 35});
    expect_pixel(view.project({100, 50, 0}), {280, 35}, "zoomed about");
    expect_pixel(view.project({0, 0, 0}), {280 - 2600, 35 + 1300}, "zoomed origin");

    view.pan(5, -7);
    expect_pixel(view.project({100, 50, 0}), {285, 28}, "panned");

    // In a viewport too small for the margin, a quarter of its side is left on each side.
    View small(Orientation::front);
    small.fit(box, {40, 40}); // room 20 by 20 for 100 by 10: 0.2 a unit
    EXPECT_NEAR(small.scale(), 0.2, 1e-12);
    expect_pixel(small.project({50, 0, 5}), {20, 20}, "small middle");

    // A single point has no size to fit: it goes to the middle at the scale there was.
    Box point;
    point.add({7, 7, 7});
    View still(Orientation::top);
    still.fit(point, {100, 100});
    EXPECT_EQ(still.scale(), 1);
    expect_pixel(still.project({7, 7, 7}), {50, 50}, "point");
}

TEST(View, TurningKeepsThePivotInPlace) {
    Box box;
    box.add({0, 0, 0});
    box.add({100, 50, 10});
    View view(Orientation::top);
    view.fit(box, {300, 200});
    const Vector pivot = box.centre();
    const Pixel before = view.project(pivot);
    // 180 pixels up turns the eye down by 90 degrees: from above to the front.
    view.turn(0, -180, pivot);
    EXPECT_NEAR(view.elevation(), 0, 1e-12);
    EXPECT_NEAR(geometry::distance(view.up(), {0, 0, 1}), 0, 1e-12);
    expect_pixel(view.project(pivot), before, "pivot");
    // 180 pixels left: the eye goes round to the right side; no further than straight down.
    view.turn(-180, 0, pivot);
    EXPECT_NEAR(view.azimuth(), 90, 1e-12);
    EXPECT_NEAR(geometry::distance(view.right(), {0, 1, 0}), 0, 1e-12);
    view.turn(0, -1000, pivot);
    EXPECT_EQ(view.elevation(), -90);
    expect_pixel(view.project(pivot), before, "pivot after turning");
}

} // namespace
} // namespace backplot
