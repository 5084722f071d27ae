#pragma once

#include <memory>

#include "common/platform/message_box.h"

namespace torvek::win32 {

// MessageBoxA, owned by the given window.
std::unique_ptr<platform::MessageBoxes> MakeMessageBoxes();

}  // namespace torvek::win32
