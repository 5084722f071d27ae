// The loading bar of the demonstration dialog: takes over the dialog's progress control and
// paints it itself, a gradient from yellow to green over the bar's full width, shown from the
// left edge up to the position, with a caption centred on it. It keeps its own range, position
// and step and passes range and position on to the platform control. The animation control
// shows it, steps it once per frame while it decodes, and hides it again; since the decoding
// never returns to the message loop, each step paints at once.
#pragma once

#include <cstdint>

#include "common/dialog/control.h"
#include "common/dialog/dialog_host.h"
#include "common/platform/canvas.h"
#include "common/platform/surface_text.h"
#include "viewer/animation_companions.h"

namespace torvek::viewer {

inline constexpr char kLoadingCaption[] = "载入中......";

class GradientProgress : public dialog::Control, public ProgressCompanion {
 public:
  // `host` answers the system colours; `display` makes the off-screen buffer; `text` draws the
  // caption. All three outlive the bar.
  GradientProgress(dialog::DialogHost& host, platform::Display& display,
                   platform::SurfaceText& text);

  std::int32_t lower = 0;
  std::int32_t upper = 100;
  std::int32_t step = 10;
  std::int32_t position = 0;
  platform::Colour startColour = platform::Rgb(255, 255, 0);
  platform::Colour endColour = platform::Rgb(0, 147, 0);
  // The system's button face when the bar was made.
  platform::Colour backColour;
  platform::Colour textColour = platform::Rgb(0, 0, 0);
  // The caption is the percentage, or kLoadingCaption.
  bool showPercent = true;

  // The position goes back to `low`. The platform control gets the bounds as 16-bit words
  // (PBM_SETRANGE) and keeps its own position within them.
  void SetRange(std::int32_t low, std::int32_t high);
  void SetPosition(std::int32_t value);
  // From the platform control's position (PBM_GETPOS) on by `step`, back to `lower` past
  // `upper`; then paints at once.
  void Step() override;
  void Show(bool visible) override { Control::Show(visible); }

 protected:
  // Plain button face at or outside the bounds (read now, not at construction); inside them
  // the gradient up to the position, built off-screen, and the caption over it.
  void OnPaint(platform::Surface& surface) override;
  // The paint covers the whole bar.
  bool OnEraseBackground() override { return true; }

 private:
  // Bands of the gradient across `area`, up to the first band whose right edge passes `fill`;
  // `backColour` from there to the right.
  void DrawGradient(platform::Surface& surface, const platform::Rect& area, int fill);

  dialog::DialogHost& host_;
  platform::Display& display_;
  platform::SurfaceText& text_;
};

}  // namespace torvek::viewer
