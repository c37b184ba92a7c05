// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string_view>

namespace settings
{

// The user's settings and the main window's position, as the settings file holds them.
struct Settings {
    int top = 0; // window top, pixels
    int left = 0; // window left, pixels
    int red = 0; // background colour, each component [0, 255] after reading
    int green = 0;
    int blue = 0;
    bool small = false; // small-window mode
    int trans = 0; // transparency percent, 0 = not set; passed on as read
    bool dock = false; // today's date on the dock or tray tile
    int mode = 0; // tile display mode [0, 3]; anything else reads as 0

    bool operator==(const Settings &) const = default;
};

// The longest line the reader looks at, in bytes. Lumo writes at most 11 bytes a line.
inline constexpr std::size_t kMaxLineBytes = 256;
// Lines in the file, in order: top, left, red, green, blue, small, trans, dock, mode.
inline constexpr int kLineCount = 9;

// Returns the number the text starts with: blanks (spaces, tabs) skipped, then an optional
// "+" or "-" and the decimal digits that follow; a fraction or anything else after the digits
// is dropped. Returns 0 when there are no digits. Values beyond int's range clamp to
// INT_MIN / INT_MAX instead of wrapping.
int Val(std::string_view text);

// Returns the settings read from the first nine lines of in, starting from the defaults above.
// Lines end with LF, CR LF or a lone CR; a UTF-8 byte order mark at the start is skipped. A
// missing line reads as empty (0 or false). A Boolean line is true when, ignoring letter case
// and surrounding blanks, it reads "True". A line longer than kMaxLineBytes is cut there and
// ends the reading: the lines after it read as empty, so at most
// kLineCount * (kMaxLineBytes + 1) bytes of in are consumed, whatever it holds.
Settings parseSettings(std::istream &in);

// Writes the nine lines of s, each ended by LF, integers in plain decimal whatever locale
// out carries, Booleans as "True" or "False". The same settings always give the same bytes.
void formatSettings(std::ostream &out, const Settings &s);

} // namespace settings
