// The one 256-colour table every demonstration carries. The first entries are named: the
// screen's own colours and the drafting colours a structural drawing uses; the rest is a
// colour cube and a grey ramp that nothing draws with today. The last entry is the
// transparent index and is never drawn.
#pragma once

#include <array>
#include <cstdint>

namespace torvek::gifgen {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
};

enum Colour : std::uint8_t {
  kBlack,
  kRed,
  kYellow,
  kGreen,
  kCyan,
  kBlue,
  kMagenta,
  kWhite,
  kGrey,
  kLightGrey,
  kOrange,
  kPaleGreen,
  kPink,
  kSteel,   // dark blue-grey drawing background
  kNight,   // very dark blue drawing background
  kFace,    // window face
  kShadow,  // bevel shadow
  kDarkShadow,
  kHighlight,  // bevel light edge
  kInk,        // text on the window face
  kPaper,      // command line background
  kSelection,  // menu and list highlight
  kGripBlue,
  kGripRed,
  kSnap,        // object-snap marker
  kWindowBlue,  // inside of a selection window
  kCrossing,    // crossing-window outline
  kProgress,
  kDialogTitle,
  kViolet,
  kTooltip,
  kTransparent = 255,
};

using Palette = std::array<Rgb, 256>;
const Palette& DemonstrationPalette();

}  // namespace torvek::gifgen
