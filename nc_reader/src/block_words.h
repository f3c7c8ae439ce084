#pragma once
// One block's words, as the line spells them, before the reader gives them their meaning.

#include "nc_reader/reader.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace nc {

struct Reader::Words {
    // The G-codes by modal group; -1 where the block names none of the group.
    struct Groups {
        int motion = -1;    // 0 to 3
        int cycle = -1;     // a drilling cycle's code, or 80
        int non_modal = -1; // 4, 28 or 53
        int plane = -1, units = -1, cutter = -1, length = -1, work = -1, distance = -1,
            feed_mode = -1, cycle_return = -1;
    };

    // Reads the line: N, O, T, S and M go straight into the block, and so do the comments,
    // the block delete mark and the warnings of what cannot be read; the other letters and
    // the G-codes wait here for the reader.
    void scan(std::string_view line, Block& block);

    bool named(char letter) const { return (named_letters >> (letter - 'A') & 1) != 0; }
    // The letter's number, marked as read.
    std::optional<double> take(char letter) {
        if (!named(letter)) return std::nullopt;
        taken_letters |= 1u << (letter - 'A');
        return values[letter - 'A'];
    }
    AxisSet axes() const;
    // Each letter named and not taken is a warning: it means nothing in this block.
    void warn_unused(Block& block) const;

    Groups groups;

private:
    void read_word(char letter, double value, std::string_view word, Block& block);
    void read_g_code(double value, std::string_view word, Block& block);

    std::uint32_t named_letters = 0, taken_letters = 0;
    std::array<double, 26> values{};
    std::array<std::string_view, 26> words; // as written, for the messages
};

} // namespace nc
