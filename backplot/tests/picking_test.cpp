// Choosing a move by a click, by a line of the text and by Ctrl+G.

#include "load.h"
#include "picking.h"

#include <gtest/gtest.h>

namespace backplot {
namespace {

// A square of side 10 seen from above in 120 by 120 pixels: 8 pixels a unit, (0, 0) at
// (20, 100) and (10, 10) at (100, 20).
constexpr const char* square = "(START)\n"
                               "G0 X0 Y0 Z0\n"
                               "(SIDES)\n"
                               "G1 X10 F100\n"
                               "G1 Y10\n"
                               "G1 X0\n"
                               "M30\n";

TEST(Picking, TheMoveNearestTheClick) {
    const Plot plot = load_plot(square);
    View view(Orientation::top);
    view.fit(plot.box(), {120, 120});
    const struct {
        Pixel at;
        double radius;
        std::optional<std::size_t> move;
    } rows[] = {
        {{60, 103}, 5, 1},           // 3 below the bottom side
        {{104, 60}, 5, 2},           // 4 right of the right side
        {{60, 17}, 5, 3},            // above the top side
        {{100, 100}, 5, 2},          // the corner of two: the later
        {{60, 60}, 5, std::nullopt}, // in the middle, far from all
        {{60, 107}, 5, std::nullopt},
        {{60, 107}, 8, 1},
    };
    for (const auto& row : rows)
        EXPECT_EQ(nearest_move(plot, view, row.at, row.radius), row.move)
            << row.at.x << ", " << row.at.y;
}

TEST(Picking, TheMoveOfALine) {
    const Plot plot = load_plot(square);
    const struct {
        std::int64_t line;
        std::optional<std::size_t> move;
    } rows[] = {{1, std::nullopt}, {2, 0}, {3, 0}, {4, 1}, {6, 3}, {7, 3}, {100, 3}};
    for (const auto& row : rows)
        EXPECT_EQ(move_of_line(plot, row.line), row.move) << row.line;
}

TEST(Picking, GoToALineOrABlockNumber) {
    const Plot plot = load_plot("N10 G0 X0 Y0 Z0\n"
                                "N20 G1 X10 F100\n"
                                "/N30 Y10\n"
                                " N20 X0\n"
                                "M30\n");
    EXPECT_EQ(line_of_block_number(plot, 20), 2);
    EXPECT_EQ(line_of_block_number(plot, 20, 2), 4);
    EXPECT_EQ(line_of_block_number(plot, 20, 4), 2); // on from the start
    EXPECT_EQ(line_of_block_number(plot, 30), 3);
    EXPECT_EQ(line_of_block_number(plot, 40), std::nullopt);

    const struct {
        const char* typed;
        std::optional<std::int64_t> line;
        const char* message;
    } rows[] = {
        {"4", 4, ""},
        {" 5 ", 5, ""},
        {"N20", 2, ""},
        {"n 30", 3, ""},
        {"6", std::nullopt, "There is no line 6: the file has 5 lines"},
        {"0", std::nullopt, "There is no line 0: the file has 5 lines"},
        {"N99", std::nullopt, "No block is numbered N99"},
        {"", std::nullopt, "Type a line number, such as 120, or a block number, such as N120"},
        {"X5", std::nullopt, "Type a line number, such as 120, or a block number, such as N120"},
        {"N-1", std::nullopt, "Type a line number, such as 120, or a block number, such as N120"},
    };
    for (const auto& row : rows) {
        const GoTo found = go_to(plot, row.typed);
        EXPECT_EQ(found.line, row.line) << row.typed;
        EXPECT_EQ(found.message, row.message) << row.typed;
    }
}

} // namespace
} // namespace backplot
