// A dialog as data, in the manner of a DIALOGEX resource: the dialog's own caption, font, size
// and styles, and its items in creation order (which is also tab order and decides radio
// groups). Positions and sizes are dialog units; texts are code page 936. Both hosts realise
// the same template: the Win32 one as a DLGTEMPLATEEX, the headless one as controls in memory.
#pragma once

#include <cstdint>
#include <span>

namespace torvek::dialog {

// The window classes a template may use. The headless host models exactly these.
enum class ControlClass { kButton, kEdit, kStatic, kListBox, kProgressBar };

struct DialogUnitRect {
  std::int16_t x = 0;
  std::int16_t y = 0;
  std::int16_t width = 0;
  std::int16_t height = 0;
};

struct DialogItemTemplate {
  int id = 0;
  ControlClass controlClass = ControlClass::kStatic;
  const char* text = "";
  DialogUnitRect rect;
  // The item's window styles, child and visible included when it wants them.
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
};

struct DialogFont {
  const char* face = nullptr;  // none: the system font
  std::uint16_t pointSize = 9;
};

struct DialogTemplate {
  int id = 0;
  const char* caption = "";
  DialogFont font;
  DialogUnitRect rect;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  std::span<const DialogItemTemplate> items;
};

// The item with this id, or null; ids shared by several items (kIdStatic) find the first.
const DialogItemTemplate* FindItem(const DialogTemplate& dialogTemplate, int id);

bool IsRadioButton(const DialogItemTemplate& item);
bool IsCheckBox(const DialogItemTemplate& item);
bool IsPushButton(const DialogItemTemplate& item);

}  // namespace torvek::dialog
