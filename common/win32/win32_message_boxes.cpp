#include <windows.h>

#include "common/win32/win32_message_boxes.h"

namespace torvek::win32 {

namespace {

class Win32MessageBoxes : public platform::MessageBoxes {
 public:
  platform::MessageBoxAnswer Show(platform::WindowRef owner, const char* text, const char* caption,
                                  platform::MessageBoxButtons buttons,
                                  platform::MessageBoxIcon icon) override {
    const UINT type = static_cast<UINT>(buttons) | static_cast<UINT>(icon);
    const int answer = MessageBoxA(reinterpret_cast<HWND>(owner), text, caption, type);
    if (answer < static_cast<int>(platform::MessageBoxAnswer::kOk) ||
        answer > static_cast<int>(platform::MessageBoxAnswer::kNo)) {
      return platform::MessageBoxAnswer::kFailed;
    }
    return static_cast<platform::MessageBoxAnswer>(answer);
  }
};

}  // namespace

std::unique_ptr<platform::MessageBoxes> MakeMessageBoxes() {
  return std::make_unique<Win32MessageBoxes>();
}

}  // namespace torvek::win32
