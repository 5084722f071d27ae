// A small hand-drawn font: 5 × 7 capitals and digits, lower case with descenders, the
// punctuation drafting texts use, and two bar signs written as drafting text codes are:
// '{' draws the plain-bar diameter sign and '}' the grade-III bar sign. A glyph is scaled by
// whole pixels; text can run left to right or bottom to top.
#pragma once

#include <string_view>

#include "tools/gifgen/raster.h"

namespace torvek::gifgen {

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;  // capitals; descenders go two rows below
inline constexpr int kGlyphAdvance = 6;

enum class TextDirection { kRight, kUp };

// Width of `text` at `scale`, in pixels, along its direction.
int TextWidth(std::string_view text, int scale = 1);

// Draws `text` with the bottom-left corner of its first capital at `origin`. Text that runs
// up is turned a quarter to the left: it reads bottom to top, its capitals fill the columns
// from origin.x to the right, and `origin` is the bottom of the first one.
// Characters without a glyph draw as a hollow box.
void DrawText(Raster& raster, Point origin, std::string_view text, std::uint8_t colour,
              int scale = 1, TextDirection direction = TextDirection::kRight);

// Whether every character of `text` has a glyph.
bool HasGlyphs(std::string_view text);

}  // namespace torvek::gifgen
