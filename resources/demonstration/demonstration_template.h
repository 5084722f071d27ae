// The template of Demonstration's one dialog (102): the feature list on the left, the picture
// area, and beneath it one strip shared by the description line and the loading bar.
#pragma once

#include "common/dialog/dialog_template.h"

namespace torvek::demonstration {

extern const dialog::DialogTemplate kDemoTemplate;

}  // namespace torvek::demonstration
