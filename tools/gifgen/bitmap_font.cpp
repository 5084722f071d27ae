#include "tools/gifgen/bitmap_font.h"

#include <array>
#include <cstdint>

namespace torvek::gifgen {

namespace {

struct GlyphSource {
  char character;
  const char* rows;  // up to nine rows of five cells, '#' drawn, separated by spaces
};

// Drawn by hand for this tool.
constexpr GlyphSource kGlyphs[] = {
    {' ', "....."},
    {'0', ".###. #...# #..## #.#.# ##..# #...# .###."},
    {'1', "..#.. .##.. ..#.. ..#.. ..#.. ..#.. .###."},
    {'2', ".###. #...# ....# ...#. ..#.. .#... #####"},
    {'3', "####. ....# ....# .###. ....# ....# ####."},
    {'4', "...#. ..##. .#.#. #..#. ##### ...#. ...#."},
    {'5', "##### #.... ####. ....# ....# #...# .###."},
    {'6', "..##. .#... #.... ####. #...# #...# .###."},
    {'7', "##### ....# ...#. ..#.. .#... .#... .#..."},
    {'8', ".###. #...# #...# .###. #...# #...# .###."},
    {'9', ".###. #...# #...# .#### ....# ...#. .##.."},
    {'A', ".###. #...# #...# ##### #...# #...# #...#"},
    {'B', "####. #...# #...# ####. #...# #...# ####."},
    {'C', ".###. #...# #.... #.... #.... #...# .###."},
    {'D', "###.. #..#. #...# #...# #...# #..#. ###.."},
    {'E', "##### #.... #.... ####. #.... #.... #####"},
    {'F', "##### #.... #.... ####. #.... #.... #...."},
    {'G', ".###. #...# #.... #.### #...# #...# .####"},
    {'H', "#...# #...# #...# ##### #...# #...# #...#"},
    {'I', ".###. ..#.. ..#.. ..#.. ..#.. ..#.. .###."},
    {'J', "..### ...#. ...#. ...#. ...#. #..#. .##.."},
    {'K', "#...# #..#. #.#.. ##... #.#.. #..#. #...#"},
    {'L', "#.... #.... #.... #.... #.... #.... #####"},
    {'M', "#...# ##.## #.#.# #.#.# #...# #...# #...#"},
    {'N', "#...# #...# ##..# #.#.# #..## #...# #...#"},
    {'O', ".###. #...# #...# #...# #...# #...# .###."},
    {'P', "####. #...# #...# ####. #.... #.... #...."},
    {'Q', ".###. #...# #...# #...# #.#.# #..#. .##.#"},
    {'R', "####. #...# #...# ####. #.#.. #..#. #...#"},
    {'S', ".#### #.... #.... .###. ....# ....# ####."},
    {'T', "##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#.."},
    {'U', "#...# #...# #...# #...# #...# #...# .###."},
    {'V', "#...# #...# #...# #...# #...# .#.#. ..#.."},
    {'W', "#...# #...# #...# #.#.# #.#.# #.#.# .#.#."},
    {'X', "#...# #...# .#.#. ..#.. .#.#. #...# #...#"},
    {'Y', "#...# #...# .#.#. ..#.. ..#.. ..#.. ..#.."},
    {'Z', "##### ....# ...#. ..#.. .#... #.... #####"},
    {'a', "..... ..... .###. ....# .#### #...# .####"},
    {'b', "#.... #.... #.##. ##..# #...# #...# ####."},
    {'c', "..... ..... .###. #.... #.... #...# .###."},
    {'d', "....# ....# .##.# #..## #...# #...# .####"},
    {'e', "..... ..... .###. #...# ##### #.... .###."},
    {'f', "..##. .#..# .#... ###.. .#... .#... .#..."},
    {'g', "..... ..... .#### #...# #...# #...# .#### ....# .###."},
    {'h', "#.... #.... #.##. ##..# #...# #...# #...#"},
    {'i', "..#.. ..... .##.. ..#.. ..#.. ..#.. .###."},
    {'j', "...#. ..... ..##. ...#. ...#. ...#. ...#. #..#. .##.."},
    {'k', "#.... #.... #..#. #.#.. ##... #.#.. #..#."},
    {'l', ".##.. ..#.. ..#.. ..#.. ..#.. ..#.. .###."},
    {'m', "..... ..... ##.#. #.#.# #.#.# #.#.# #.#.#"},
    {'n', "..... ..... #.##. ##..# #...# #...# #...#"},
    {'o', "..... ..... .###. #...# #...# #...# .###."},
    {'p', "..... ..... ####. #...# #...# #...# ####. #.... #...."},
    {'q', "..... ..... .#### #...# #...# #...# .#### ....# ....#"},
    {'r', "..... ..... #.##. ##..# #.... #.... #...."},
    {'s', "..... ..... .#### #.... .###. ....# ####."},
    {'t', ".#... .#... ###.. .#... .#... .#..# ..##."},
    {'u', "..... ..... #...# #...# #...# #..## .##.#"},
    {'v', "..... ..... #...# #...# #...# .#.#. ..#.."},
    {'w', "..... ..... #...# #...# #.#.# #.#.# .#.#."},
    {'x', "..... ..... #...# .#.#. ..#.. .#.#. #...#"},
    {'y', "..... ..... #...# #...# #...# #...# .#### ....# .###."},
    {'z', "..... ..... ##### ...#. ..#.. .#... #####"},
    {'.', "..... ..... ..... ..... ..... .##.. .##.."},
    {',', "..... ..... ..... ..... ..... .##.. .##.. ..#.. .#..."},
    {':', "..... .##.. .##.. ..... .##.. .##.. ....."},
    {';', "..... .##.. .##.. ..... .##.. .##.. ..#.. .#..."},
    {'-', "..... ..... ..... .###. ..... ..... ....."},
    {'+', "..... ..#.. ..#.. ##### ..#.. ..#.. ....."},
    {'=', "..... ..... ##### ..... ##### ..... ....."},
    {'@', ".###. #...# #.### #.#.# #.### #.... .####"},
    {'(', "...#. ..#.. .#... .#... .#... ..#.. ...#."},
    {')', ".#... ..#.. ...#. ...#. ...#. ..#.. .#..."},
    {'[', ".###. .#... .#... .#... .#... .#... .###."},
    {']', ".###. ...#. ...#. ...#. ...#. ...#. .###."},
    {'/', "....# ...#. ...#. ..#.. .#... .#... #...."},
    {'<', "...#. ..#.. .#... #.... .#... ..#.. ...#."},
    {'>', ".#... ..#.. ...#. ....# ...#. ..#.. .#..."},
    {'%', "##..# ##.#. ...#. ..#.. .#... .#.## #..##"},
    {'_', "..... ..... ..... ..... ..... ..... #####"},
    {'?', ".###. #...# ....# ...#. ..#.. ..... ..#.."},
    {'!', "..#.. ..#.. ..#.. ..#.. ..#.. ..... ..#.."},
    {'*', "..... ..#.. #.#.# .###. #.#.# ..#.. ....."},
    {'#', ".#.#. .#.#. ##### .#.#. ##### .#.#. .#.#."},
    {'\'', "..#.. ..#.. .#... ..... ..... ..... ....."},
    {'"', ".#.#. .#.#. ..... ..... ..... ..... ....."},
    {'&', ".##.. #..#. #.#.. .#... #.#.# #..#. .##.#"},
    {'|', "..#.. ..#.. ..#.. ..#.. ..#.. ..#.. ..#.."},
    {'{', "..#.. .###. #.#.# #.#.# #.#.# .###. ..#.."},
    {'}', "..#.. .###. #.#.# #.#.# .###. ..#.. .###."},
};

constexpr int kRows = 9;

// Each glyph as nine row masks, bit 4 the leftmost cell.
struct Glyph {
  bool present = false;
  std::array<std::uint8_t, kRows> rows{};
};

std::array<Glyph, 128> BuildGlyphs() {
  std::array<Glyph, 128> glyphs{};
  for (const GlyphSource& source : kGlyphs) {
    Glyph& glyph = glyphs[static_cast<unsigned char>(source.character)];
    glyph.present = true;
    int row = 0;
    int column = 0;
    for (const char* c = source.rows; *c != '\0' && row < kRows; ++c) {
      if (*c == ' ') {
        ++row;
        column = 0;
        continue;
      }
      if (*c == '#' && column < kGlyphWidth)
        glyph.rows[row] |= static_cast<std::uint8_t>(1u << (kGlyphWidth - 1 - column));
      ++column;
    }
  }
  return glyphs;
}

const Glyph* Find(char c) {
  static const std::array<Glyph, 128> glyphs = BuildGlyphs();
  const auto code = static_cast<unsigned char>(c);
  return code < glyphs.size() && glyphs[code].present ? &glyphs[code] : nullptr;
}

// A cell of the glyph grid at (column, row), rows counted down from the top of the capitals.
void PlotCell(Raster& raster, Point origin, int offset, int column, int row, int scale,
              TextDirection direction, std::uint8_t colour) {
  const int along = offset + column * scale;
  const int down = (row - (kGlyphHeight - 1)) * scale;  // 0 on the baseline row
  if (direction == TextDirection::kRight) {
    raster.Fill({origin.x + along, origin.y + down - scale + 1, origin.x + along + scale,
                 origin.y + down + 1},
                colour);
  } else {
    // Turned a quarter to the left: "along" runs up the screen, a glyph's top faces left.
    raster.Fill({origin.x + down + kGlyphHeight * scale - scale, origin.y - along - scale + 1,
                 origin.x + down + kGlyphHeight * scale, origin.y - along + 1},
                colour);
  }
}

}  // namespace

int TextWidth(std::string_view text, int scale) {
  if (text.empty())
    return 0;
  return (static_cast<int>(text.size()) * kGlyphAdvance - 1) * scale;
}

bool HasGlyphs(std::string_view text) {
  for (char c : text)
    if (Find(c) == nullptr)
      return false;
  return true;
}

void DrawText(Raster& raster, Point origin, std::string_view text, std::uint8_t colour, int scale,
              TextDirection direction) {
  int offset = 0;
  for (char c : text) {
    const Glyph* glyph = Find(c);
    for (int row = 0; row < kRows; ++row) {
      for (int column = 0; column < kGlyphWidth; ++column) {
        const bool box = (row < kGlyphHeight) && (row == 0 || row == kGlyphHeight - 1 ||
                                                  column == 0 || column == kGlyphWidth - 1);
        const bool on =
            glyph != nullptr ? ((glyph->rows[row] >> (kGlyphWidth - 1 - column)) & 1u) : box;
        if (on)
          PlotCell(raster, origin, offset, column, row, scale, direction, colour);
      }
    }
    offset += kGlyphAdvance * scale;
  }
}

}  // namespace torvek::gifgen
