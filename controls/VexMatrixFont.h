#pragma once
// The dot-matrix display's built-in 5 x 7 font and its character set. Characters are single
// bytes of the Windows Western code page (1252), which for every character of the set is also
// their Latin-1 and Unicode value: the accented capitals and small letters are 196, 197, 214,
// 228, 229 and 246.

#include "platform/core/VexExport.h"

#include <QString>
#include <cstdint>
#include <span>
#include <vector>

namespace Vex {

constexpr int MatrixGlyphColumns = 5;
constexpr int MatrixGlyphRows = 7;

// The 94 characters the display knows, in the order the glyph table holds them: the blank
// first (the filler and the fallback), digits, capitals, the accented capitals, small letters,
// punctuation and the accented small letters.
VEX_EXPORT std::span<const uint8_t> MatrixCharacterSet();

// The dot pattern of Code: 7 rows of 5 dots from the top-left, each row five characters
// followed by one blank; "." is a dark dot, anything else a lit one. Null for characters
// without a glyph (the brackets "{", "}", "[" and "]", which are in the set but have none).
VEX_EXPORT const char *MatrixGlyphPattern(uint8_t Code);

// Whether the pattern lights the dot in Row (0 = top) and Column (0 = left).
inline bool MatrixDotLit(const char *Pattern, int Row, int Column) {
    return Pattern[Row * (MatrixGlyphColumns + 1) + Column] != '.';
}

// The code page byte of each character of Text, up to its first zero character. Text is taken
// composed (a letter followed by a combining ring or diaeresis is one character); a character
// outside the code page's first 256 codes gets 0x7F, which no glyph has.
VEX_EXPORT std::vector<uint8_t> MatrixCharCodes(const QString &Text);

} // namespace Vex
