// A font a dialog gives one of its controls, in CreateFontA's terms: face (code page 936),
// height in pixels and weight. The host makes the font and keeps it while the dialog runs.
#pragma once

#include <string>

namespace torvek::dialog {

struct ControlFont {
  std::string face;
  int height = 0;
  int weight = 400;
  bool operator==(const ControlFont&) const = default;
};

}  // namespace torvek::dialog
