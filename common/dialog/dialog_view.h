// What a user sees of a running dialog, read from outside it: the headless host reads its
// controls in memory, the Win32 side reads real windows with the W functions. Texts come back
// in code page 936. An id the dialog lacks reads as empty, disabled and hidden.
#pragma once

#include <string>
#include <vector>

#include "common/dialog/control_colours.h"
#include "common/dialog/control_font.h"
#include "common/platform/message_box.h"
#include "common/platform/surface.h"

namespace torvek::dialog {

struct ProgressState {
  int low = 0;
  int high = 0;
  int position = 0;
  bool operator==(const ProgressState&) const = default;
};

class DialogView {
 public:
  virtual ~DialogView() = default;

  virtual platform::WindowRef Ref() = 0;
  virtual std::string Title() = 0;
  virtual bool HasIcon() = 0;
  virtual bool HasItem(int id) = 0;
  virtual std::string Text(int id) = 0;
  virtual bool IsEnabled(int id) = 0;
  virtual bool IsVisible(int id) = 0;
  virtual int CheckState(int id) = 0;
  // The id of the control with the keyboard focus; 0 when none of the dialog's has it.
  virtual int FocusId() = 0;
  virtual std::vector<std::string> ListItems(int id) = 0;
  virtual int ListSelection(int id) = 0;
  virtual int ListItemHeight(int id) = 0;
  virtual ProgressState Progress(int id) = 0;
  // In the dialog's client coordinates, pixels; id 0 is the client area itself.
  virtual bool ItemRect(int id, platform::Rect& rect) = 0;
  // The colour shown at (x, y) of the control's client area; id 0 is the dialog's own. The
  // headless host shows a control that has not been taken over as its background brush.
  virtual bool PixelAt(int id, int x, int y, platform::Colour& colour) = 0;
  // The answer the dialog gives to the control's colour query (id 0: the dialog's own).
  virtual bool Colours(int id, ControlColours& colours) = 0;
  // The font the dialog gave the control with SetItemFont; false when it gave none.
  virtual bool Font(int id, ControlFont& font) = 0;
};

}  // namespace torvek::dialog
