#include "viewer/gradient_progress.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "common/dialog/window_constants.h"
#include "viewer/offscreen_dc.h"

namespace torvek::viewer {

namespace {

// A value computed in single precision. Stored through a volatile so that it is rounded to
// single precision even where the compiler would keep it wider (the x87 registers of the 32-bit
// build): both builds then truncate the same values to the same band edges and colours.
float Single(double value) {
  volatile float rounded = static_cast<float>(value);
  return rounded;
}

// Truncated toward zero and held within [low, high]. With a range whose top is at or below zero
// the quotients of the paint are negative, infinite or far past the bar.
int TruncatedWithin(double value, int low, int high) {
  if (!(value > low))
    return low;
  if (value >= high)
    return high;
  return static_cast<int>(value);
}

// `numerator` ÷ `denominator`, infinite when the denominator is zero.
double Quotient(double numerator, std::int32_t denominator) {
  if (denominator == 0)
    return numerator * std::numeric_limits<double>::infinity();
  return numerator / denominator;
}

std::uint8_t LowByte(float value) {
  return static_cast<std::uint8_t>(static_cast<int>(value));
}

}  // namespace

GradientProgress::GradientProgress(dialog::DialogHost& host, platform::Display& display,
                                   platform::SurfaceText& text)
    : backColour(host.SystemColourOf(dialog::SystemColour::kButtonFace)),
      host_(host),
      display_(display),
      text_(text) {}

void GradientProgress::SetRange(std::int32_t low, std::int32_t high) {
  upper = high;
  lower = low;
  position = lower;
  // The paint follows the bar's own fields, which the platform control may not see change.
  Invalidate();
  Send(dialog::kPbmSetRange, 0,
       static_cast<std::intptr_t>(
           dialog::MakeLong(static_cast<std::uint16_t>(lower), static_cast<std::uint16_t>(upper))));
}

void GradientProgress::SetPosition(std::int32_t value) {
  position = value;
  // Before the message: comctl32 paints at once when its own position changes, and this paint
  // is then part of that one rather than a second.
  Invalidate();
  Send(dialog::kPbmSetPos, static_cast<std::uintptr_t>(value), 0);
}

void GradientProgress::Step() {
  const auto current = static_cast<std::int32_t>(Send(dialog::kPbmGetPos, 0, 0));
  const std::int64_t next = std::int64_t{current} + step;
  SetPosition(next > upper ? lower : static_cast<std::int32_t>(next));
  UpdateNow();
}

void GradientProgress::OnPaint(platform::Surface& surface) {
  const platform::Rect client{0, 0, surface.Width(), surface.Height()};
  if (!(lower < position && position < upper)) {
    surface.Fill(client, host_.SystemColourOf(dialog::SystemColour::kButtonFace));
    return;
  }
  const int fill = TruncatedWithin(Quotient(position, upper) * client.right, 0, client.right);
  DrawGradient(surface, client, fill);

  char caption[16] = {};
  if (showPercent)
    std::snprintf(caption, sizeof caption, "%d%%",
                  TruncatedWithin(Quotient(position * 100.0, upper), 0, 100));
  text_.Draw(surface, Ref(), showPercent ? caption : kLoadingCaption, client, textColour,
             platform::kDtCenter | platform::kDtVCenter | platform::kDtSingleLine);
}

void GradientProgress::DrawGradient(platform::Surface& surface, const platform::Rect& area,
                                    int fill) {
  OffscreenDC offscreen(display_, surface);
  const int dR = platform::RedOf(endColour) - platform::RedOf(startColour);
  const int dG = platform::GreenOf(endColour) - platform::GreenOf(startColour);
  const int dB = platform::BlueOf(endColour) - platform::BlueOf(startColour);
  const int steps = std::max({std::abs(dR), std::abs(dG), std::abs(dB)});
  // The buffer holds whatever its memory held: one colour still has to cover it all.
  if (steps <= 0) {
    offscreen.Fill(area, backColour);
    return;
  }
  const float bandWidth = Single(static_cast<double>(area.right) / steps);
  const float rStep = Single(static_cast<double>(dR) / steps);
  const float gStep = Single(static_cast<double>(dG) / steps);
  const float bStep = Single(static_cast<double>(dB) / steps);
  for (int i = 0; i < steps; ++i) {
    // Bands reach a row below the bar; the fill clips them.
    const platform::Rect band{static_cast<int>(Single(i * double{bandWidth})), 0,
                              static_cast<int>(Single((i + 1) * double{bandWidth})),
                              area.bottom + 1};
    const platform::Colour colour =
        platform::Rgb(LowByte(Single(Single(i * double{rStep}) + platform::RedOf(startColour))),
                      LowByte(Single(Single(i * double{gStep}) + platform::GreenOf(startColour))),
                      LowByte(Single(Single(i * double{bStep}) + platform::BlueOf(startColour))));
    offscreen.Fill(band, colour);
    if (band.right > fill) {
      offscreen.Fill({band.right, 0, area.right, area.bottom}, backColour);
      break;
    }
  }
}

}  // namespace torvek::viewer
