#pragma once
// Choosing a move: by a click on the picture (the move drawn nearest the pixel), by a line of
// the text (the move of that line, or the last before it), or by Ctrl+G (a line number, or a
// block number N, found in the text).

#include "plot.h"
#include "view.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace backplot {

// The move drawn nearest the pixel, if one passes within `radius` pixels; of moves as near,
// the later (it is drawn over the earlier).
std::optional<std::size_t> nearest_move(const Plot& plot, const View& view, const Pixel& at,
                                        double radius);

// The move of the line, or the last move before it; nothing before the first move.
std::optional<std::size_t> move_of_line(const Plot& plot, std::int64_t line);

// The first line after `after` (0: from the start) whose block has the number N`number`,
// searching on from the start past the end; nothing when no block has it.
std::optional<std::int64_t> line_of_block_number(const Plot& plot, std::int64_t number,
                                                 std::int64_t after = 0);

// What Ctrl+G typed: "120" is line 120, "N120" the block numbered 120 (the next after the
// line `current`). The line found, or the message that says why none is.
struct GoTo {
    std::optional<std::int64_t> line;
    std::string message;
};
GoTo go_to(const Plot& plot, std::string_view typed, std::int64_t current = 0);

} // namespace backplot
