// Turns a sequence of screens into the frames of an animation, as a screen recorder does.
// The screen is a still layer (window, drawing) under an overlay that is drawn afresh for
// every frame (cursor, rubber bands, dragged objects). Frame 0 carries the whole screen; each
// later frame carries the smallest rectangle holding every pixel that changed since the frame
// before, with the pixels that did not change inside it made transparent. A frame in which
// nothing changed carries one transparent pixel.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "tools/gifgen/gif_writer.h"
#include "tools/gifgen/raster.h"

namespace torvek::gifgen {

class Recorder {
 public:
  using Overlay = std::function<void(Raster&)>;

  // `writer` has begun a file of width × height.
  Recorder(GifWriter& writer, int width, int height);

  // The still layer; draw on it between frames.
  Raster& Still() { return still_; }

  // Composes the still layer and `overlay` and writes the frame. False when writing failed.
  bool Frame(const Overlay& overlay);
  int FrameCount() const { return frameCount_; }

 private:
  // Within `region`, the bounding box of the pixels where screen_ and shown_ differ.
  Rect ChangedWithin(const Rect& region) const;

  GifWriter& writer_;
  Raster still_;
  Raster screen_;  // still layer and this frame's overlay
  Raster shown_;   // what a viewer shows after the last frame
  Rect lastOverlay_;
  int frameCount_ = 0;
  std::vector<std::uint8_t> pixels_;
};

}  // namespace torvek::gifgen
