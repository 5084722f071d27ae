// The templates of SetUp's three wizard pages: the licence agreement (136), the choice of
// AutoCAD releases (141) and the install folder with the keep options (142).
#pragma once

#include "common/dialog/dialog_template.h"

namespace torvek::setup {

extern const dialog::DialogTemplate kLicenceTemplate;
extern const dialog::DialogTemplate kReleaseTemplate;
extern const dialog::DialogTemplate kFolderTemplate;

}  // namespace torvek::setup
