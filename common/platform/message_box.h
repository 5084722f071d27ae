// Message boxes: owner, text, caption, buttons and icon in, the user's answer out.
#pragma once

#include <cstdint>

namespace torvek::platform {

// A window that can own a box; zero is none.
using WindowRef = std::uintptr_t;

enum class MessageBoxButtons : std::uint32_t {
  kOk = 0x0,
  kOkCancel = 0x1,
  kAbortRetryIgnore = 0x2,
  kYesNoCancel = 0x3,
  kYesNo = 0x4,
  kRetryCancel = 0x5,
};

enum class MessageBoxIcon : std::uint32_t {
  kNone = 0x00,
  kError = 0x10,
  kQuestion = 0x20,
  kExclamation = 0x30,
  kInformation = 0x40,
};

// The button the user chose. kFailed is MessageBoxA's zero: the box could not be shown, so
// nobody chose anything and callers must not read it as any button.
enum class MessageBoxAnswer : int {
  kFailed = 0,
  kOk = 1,
  kCancel = 2,
  kAbort = 3,
  kRetry = 4,
  kIgnore = 5,
  kYes = 6,
  kNo = 7,
};

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual MessageBoxAnswer Show(WindowRef owner, const char* text, const char* caption,
                                MessageBoxButtons buttons, MessageBoxIcon icon) = 0;
};

}  // namespace torvek::platform
