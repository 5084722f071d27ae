#include "tools/gifgen/session.h"

#include <cstdlib>
#include <string>

namespace torvek::gifgen {

Session::Session(DraftingScreen& screen, Recorder& recorder, int frames)
    : screen_(screen), recorder_(recorder), frames_(frames) {}

void Session::Frame() {
  ++asked_;
  // Past the end nothing is written, so the overrun is reported rather than recorded.
  if (recorder_.FrameCount() >= frames_) {
    failed_ = true;
    return;
  }
  if (!recorder_.Frame([this](Raster& screen) { screen_.DrawOverlay(screen); }))
    failed_ = true;
}

void Session::Wait(int frames) {
  for (int i = 0; i < frames; ++i)
    Frame();
}

void Session::GlideOnScreen(Point target, int frames) {
  const Point start = screen_.cursor;
  const long long dx = target.x - start.x;
  const long long dy = target.y - start.y;
  // A hand does not move in a straight line: the path bows by up to a twelfth of its length,
  // to alternate sides.
  const long long side = ++glides_ % 2 == 0 ? 1 : -1;
  const long long n = frames < 1 ? 1 : frames;
  const long long n2 = n * n;
  const long long n3 = n2 * n;
  for (long long i = 1; i <= n; ++i) {
    // Eased: slow start and stop (3t^2 - 2t^3); the bow is 4t(1 - t).
    const long long eased = i * i * (3 * n - 2 * i);
    const long long bow = side * 4 * i * (n - i);
    screen_.cursor = {static_cast<int>(start.x + dx * eased / n3 - dy * bow / (n2 * 12)),
                      static_cast<int>(start.y + dy * eased / n3 + dx * bow / (n2 * 12))};
    Frame();
  }
  screen_.cursor = target;
}

void Session::Glide(Point model, int frames) {
  GlideOnScreen(Model().ToScreen(model), frames);
}

void Session::SnapTo(SnapMarker marker, Point model, int frames) {
  Glide(model, frames);
  screen_.snap = std::make_pair(marker, model);
  Wait(4);
  Pick();
  screen_.snap.reset();
}

void Session::Pick() {
  screen_.ShowCoordinates(Model().ToModel(screen_.cursor));
}

void Session::DoubleClick() {
  Pick();
  Wait(1);
  Pick();
}

void Session::SelectWindow(Point from, Point to, int frames) {
  Glide(from, frames / 2);
  Pick();
  screen_.windowFrom = from;
  Wait(2);
  Glide(to, frames - frames / 2);
  Wait(2);
  Pick();
  screen_.windowFrom.reset();
}

void Session::Type(std::string_view text, int framesPerKey) {
  for (char c : text) {
    screen_.Type(std::string(1, c));
    Wait(framesPerKey);
  }
}

void Session::Prompt(std::string_view text, int pause) {
  screen_.Say(text);
  Wait(pause);
}

void Session::Answer(std::string_view prompt, std::string_view typed) {
  Prompt(prompt, 3);
  Type(typed, 3);
}

void Session::Command(std::string_view name) {
  screen_.Say("Command: ");
  Wait(2);
  Type(name, 2);
  screen_.Say("");
  Wait(1);
}

void Session::CommandFromToolbar(int button, std::string_view name, Point returnTo) {
  GlideOnScreen(screen_.ToolboxButtonCentre(button), 14);
  Wait(3);
  screen_.PressToolboxButton(button, true);
  Wait(2);
  screen_.Say("Command: _" + std::string(name));
  screen_.Say("");
  Wait(2);
  screen_.PressToolboxButton(button, false);
  Wait(2);
  Glide(returnTo, 14);
}

void Session::Pan(Point pixels, int frames) {
  const View start = Model().CurrentView();
  const Point cursorStart = screen_.cursor;
  for (int i = 1; i <= frames; ++i) {
    const int dx = pixels.x * i / frames;
    const int dy = pixels.y * i / frames;
    View v = start;
    v.origin = {start.origin.x - dx * start.units / start.pixels,
                start.origin.y + dy * start.units / start.pixels};
    Model().SetView(v);
    screen_.cursor = {cursorStart.x + dx, cursorStart.y + dy};
    Frame();
  }
}

View Session::CentredView(Point centre, int units) const {
  const Rect& area = screen_.Model().Area();
  View v;
  v.pixels = 1;
  v.units = units;
  v.origin = {centre.x - area.Width() / 2 * units, centre.y - area.Height() / 2 * units};
  return v;
}

void Session::Zoom(Point centre, int units, int frames) {
  const View start = Model().CurrentView();
  const Rect& area = Model().Area();
  const Point from = Model().ToModel({(area.left + area.right) / 2, (area.top + area.bottom) / 2});
  const int fromUnits = start.units / start.pixels;
  for (int i = 1; i <= frames; ++i) {
    const Point c{from.x + (centre.x - from.x) * i / frames,
                  from.y + (centre.y - from.y) * i / frames};
    Model().SetView(CentredView(c, fromUnits + (units - fromUnits) * i / frames));
    Frame();
  }
}

bool Session::Finish() {
  // Drift in a small loop, then rest.
  const Point home = screen_.cursor;
  int step = 0;
  while (FramesLeft() > 0 && !failed_) {
    const int phase = step % 48;
    if (step < 96) {
      const int d = phase < 24 ? phase : 48 - phase;
      screen_.cursor = {home.x + d / 2, home.y + (d * d) / 64};
    }
    ++step;
    Frame();
  }
  return !failed_ && FramesLeft() == 0;
}

}  // namespace torvek::gifgen
