#pragma once
// The inverse-time feed calculator, free of any window: from a move between two cutter
// positions, the inverse-time feed-rate number for a feed in units per minute, or the feed
// for a number; and the clearing of the fields. Each command takes the texts the window
// shows and answers with the texts to write, in order, or with one message.

#include "numbers/outcome.h"

#include <string>
#include <string_view>

namespace ivt_calc {

// The window's caption and the title of the messages of a computation.
inline constexpr std::wstring_view title = L"Inverse Time Feed";

// The axis the rotary angle turns about (the option chosen in the window); none when no
// option is chosen.
enum class RotaryAxis { none, a, b, c };

// X, Y, Z and the angle of the rotary axis in degrees.
struct PositionTexts {
    std::wstring x, y, z, rotary;
};

// What the window shows when a button is pressed.
struct Fields {
    PositionTexts previous, current;    // LX, LY, LZ, LR and CX, CY, CZ, CR
    std::wstring feed, number;          // FR (UPM) and IVT (1/T FRN, per minute)
    RotaryAxis axis = RotaryAxis::none; // Option1 to Option3
    bool in_seconds = false;            // Option5 "Seconds" chosen; otherwise minutes
};

// "Compute 1/T FRN": writes the time caption, DX, DY, DZ, DR (the arc length), Dist, Time
// and IVT; or the message for the first empty field, a text that is not a number, a zero
// feed or distance, or a result too large to show.
numbers::Outcome compute_number(const Fields& fields, wchar_t decimal_separator);

// "Compute UPM Feed": writes DX, DY, DZ, Dist, Time and FR; the rotary angles are not read.
// Or the message for the first empty field, a text that is not a number, a zero 1/T FRN or
// a result too large to show.
numbers::Outcome compute_feed(const Fields& fields, wchar_t decimal_separator);

// "Clear": IVT 0, the other results blank, every input 0. It leaves the time caption and
// the options alone, and does not bring back the start values.
numbers::Outcome clear(const Fields& fields, wchar_t decimal_separator);

} // namespace ivt_calc
