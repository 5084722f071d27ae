// The in-memory DLGTEMPLATEEX of a template, as DialogBoxIndirectParam takes it: strings
// converted to UTF-16, every item aligned to four bytes, DS_SETFONT added when the template
// names a font. Pure byte building, so that it is checked natively too.
#pragma once

#include <cstdint>
#include <vector>

#include "common/dialog/dialog_template.h"

namespace torvek::dialog {

// False when a text is not valid code page 936 or the template has more items than a
// template can count.
bool BuildDialogTemplateEx(const DialogTemplate& dialogTemplate, std::vector<std::uint8_t>& out);

}  // namespace torvek::dialog
