#pragma once
// The NC program's body as it is written, block by block, and the one place that decides
// which words a block repeats. The control holds the modal G-codes, the feed and the axis
// positions, so such a word is written only when the control holds another value than the
// block asks for, compared as written; every other word is written as it stands. Lines end
// with CR LF.
//
// The blocks come out as tokens, text in which each number stands as its letter and its
// value in units of its last decimal; render() spells them. Deciding what to write is then
// apart from spelling it, which another thread can do.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mill5x {

// What the control holds from block to block.
enum class Held {
    x,
    y,
    z,
    a,
    b,
    c,            // the axes' positions
    motion,       // G0, G1, G2, G3, G73 to G89, G80
    feed_mode,    // G93, G94
    plane,        // G17, G18, G19
    feed,         // F per minute
    cycle_return, // G98, G99
    cycle_bottom,
    cycle_r,
    cycle_q,
    cycle_p, // a drilling cycle's Z, R, Q and P
    count
};

// The smallest and largest position each axis was sent to, as written.
struct AxisExtents {
    std::array<double, 6> min{}, max{};
    std::array<bool, 6> seen{};
    void add(Held axis, double value);
};

class BlockWriter {
public:
    struct Format {
        int block_number_step = 10; // 0: no block numbers
        std::int64_t first_block = 1;
        int length_decimals = 3;
    };
    explicit BlockWriter(const Format& format);

    // The words of the block being built, in order.
    void word(std::string_view text);
    void number(char letter, double value, int decimals);
    // A held G-code, or a held address: written when the control holds another text.
    void held(Held what, std::string_view code);
    void held(Held what, char letter, double value, int decimals);
    // An address written whatever the control holds (an arc's plane axes, a cycle's first
    // hole), and held from then on.
    void always(Held what, char letter, double value, int decimals);
    // Ends the block: numbered and written when it has a word, else dropped.
    bool end_block();

    // The control's value is no longer known (after a move in machine coordinates, G80), or
    // is known without being written (where a drilling cycle leaves the tool).
    void forget(Held what);
    void assume(Held what, char letter, double value, int decimals);
    void assume(Held what, std::string_view code);
    // Whether the control holds exactly what this address would write.
    bool holds(Held what, char letter, double value, int decimals) const;
    // An unnumbered line: a comment, inserted text.
    void line(std::string_view text);

    // The tokens written since clear_text, and their text.
    std::string_view tokens() const { return text_; }
    void clear_text() { text_.clear(); }
    static void render(std::string_view tokens, std::string& text);
    std::int64_t line_count() const { return line_count_; }
    std::int64_t block_count() const { return block_count_; }
    AxisExtents& extents() { return extents_; }
    const AxisExtents& extents() const { return extents_; }

private:
    void number_word(char letter, std::int64_t units, int decimals);
    void note_position(Held what, std::int64_t units, int decimals);
    // rounded_units, kept for the last value of each address: a block asks whether the
    // control holds a position before it writes it.
    std::optional<std::int64_t> units_of(Held what, double value, int decimals) const;
    // The control's value of a held address, as a whole number of its last decimal.
    struct HeldNumber {
        std::int64_t units = 0;
        int decimals = 0;
        bool known = false;
    };

    Format format_;
    std::string text_, block_;
    std::array<std::string, static_cast<std::size_t>(Held::count)> codes_;
    std::array<HeldNumber, static_cast<std::size_t>(Held::count)> numbers_;
    struct Rounded {
        double value = 0;
        int decimals = -1;
        std::optional<std::int64_t> units;
    };
    mutable std::array<Rounded, static_cast<std::size_t>(Held::count)> rounded_;
    std::int64_t line_count_ = 0;
    // 64 bits: a long program with a large step passes 2^31 (2.2 million blocks at 1000).
    std::int64_t block_count_ = 0;
    AxisExtents extents_;
};

} // namespace mill5x
