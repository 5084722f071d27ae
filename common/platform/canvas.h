// Off-screen drawing for a control that paints from a worker thread: a canvas compatible with
// the screen (a memory device context with a compatible bitmap on Windows, a Surface
// elsewhere), and the display that makes canvases and off-screen surfaces and answers the
// screen's metrics.
#pragma once

#include <memory>

#include "common/platform/message_box.h"
#include "common/platform/surface.h"

namespace torvek::platform {

class Canvas {
 public:
  virtual ~Canvas() = default;
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // FillRect with a solid brush of `colour`; clipped to the canvas.
  virtual void Fill(const Rect& area, Colour colour) = 0;
  // BitBlt (SRCCOPY): `width` x `height` pixels from (`sourceX`, `sourceY`) of `source` to
  // (`x`, `y`) of this canvas; clipped to both.
  virtual bool CopyFrom(const Canvas& source, int x, int y, int width, int height, int sourceX,
                        int sourceY) = 0;
  // BitBlt (SRCCOPY) of the canvas area (0, 0, `width`, `height`) to (0, 0) of `target`: the
  // paint of the control that owns the canvas.
  virtual void CopyTo(Surface& target, int width, int height) const = 0;

 protected:
  Canvas() = default;
};

class Display {
 public:
  virtual ~Display() = default;

  // GetDC of `window`, then CreateCompatibleDC and CreateCompatibleBitmap of `width` x
  // `height` against it; the window's DC is given back at once. Null when any step fails; the
  // content is undefined until filled.
  virtual std::unique_ptr<Canvas> CreateCanvas(WindowRef window, int width, int height) = 0;
  // A canvas compatible with `like` (the save surface of a frame). Null on failure.
  virtual std::unique_ptr<Canvas> CreateCompatibleCanvas(const Canvas& like, int width,
                                                         int height) = 0;
  // An off-screen surface, to build a paint in and copy to the paint surface in one piece:
  // every Surface has the same pixel layout, so it suits any. On Windows a DIB section selected
  // into a memory device context of its own. Null when a side is not positive or it cannot be
  // made; the content is undefined until filled.
  virtual std::unique_ptr<Surface> CreateSurface(int width, int height) = 0;
  // GetSysColor(COLOR_MENU), read when asked.
  virtual Colour MenuColour() = 0;
  // GetDeviceCaps(screen, LOGPIXELSX / LOGPIXELSY).
  virtual int LogPixelsX() = 0;
  virtual int LogPixelsY() = 0;
};

}  // namespace torvek::platform
