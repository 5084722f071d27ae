#include "tools/gifgen/palette.h"

namespace torvek::gifgen {

namespace {

Palette MakePalette() {
  Palette p{};
  p[kBlack] = {0, 0, 0};
  p[kRed] = {255, 0, 0};
  p[kYellow] = {255, 255, 0};
  p[kGreen] = {0, 255, 0};
  p[kCyan] = {0, 255, 255};
  p[kBlue] = {0, 0, 255};
  p[kMagenta] = {255, 0, 255};
  p[kWhite] = {255, 255, 255};
  p[kGrey] = {128, 128, 128};
  p[kLightGrey] = {192, 192, 192};
  p[kOrange] = {255, 128, 0};
  p[kPaleGreen] = {128, 224, 128};
  p[kPink] = {255, 160, 176};
  p[kSteel] = {33, 40, 48};
  p[kNight] = {10, 16, 34};
  p[kFace] = {212, 208, 200};
  p[kShadow] = {128, 128, 128};
  p[kDarkShadow] = {64, 64, 64};
  p[kHighlight] = {255, 255, 255};
  p[kInk] = {0, 0, 0};
  p[kPaper] = {255, 255, 255};
  p[kSelection] = {10, 36, 106};
  p[kGripBlue] = {0, 96, 255};
  p[kGripRed] = {230, 0, 0};
  p[kSnap] = {255, 220, 0};
  p[kWindowBlue] = {90, 140, 255};
  p[kCrossing] = {60, 210, 90};
  p[kProgress] = {40, 96, 200};
  p[kDialogTitle] = {0, 84, 227};
  p[kViolet] = {176, 112, 255};
  p[kTooltip] = {255, 255, 225};
  // Six levels of each primary, then a grey ramp.
  int index = kTooltip + 1;
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b)
        p[index++] = {static_cast<std::uint8_t>(r * 51), static_cast<std::uint8_t>(g * 51),
                      static_cast<std::uint8_t>(b * 51)};
  for (int level = 1; index < kTransparent; ++index, ++level)
    p[index] = {static_cast<std::uint8_t>(level * 9), static_cast<std::uint8_t>(level * 9),
                static_cast<std::uint8_t>(level * 9)};
  p[kTransparent] = {0, 0, 0};
  return p;
}

}  // namespace

const Palette& DemonstrationPalette() {
  static const Palette palette = MakePalette();
  return palette;
}

}  // namespace torvek::gifgen
