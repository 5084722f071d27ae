// Real message boxes under Wine: the answer that comes back is the button pressed, a box that
// cannot be shown is kFailed and never a button, and code page 936 text reaches the screen
// as the Chinese it stands for.
#include <gtest/gtest.h>

#include <windows.h>

#include <thread>

#include "common/testing/window_driver.h"
#include "common/win32/win32_message_boxes.h"

namespace torvek {
namespace {

using platform::MessageBoxAnswer;
using platform::MessageBoxButtons;
using platform::MessageBoxIcon;

// A user on another thread of this process: waits for the box captioned `caption`, reads its
// text (through the W messages, so a wrongly converted character shows) and presses `answer`.
std::thread Answerer(const char* caption, MessageBoxAnswer answer, std::string& text) {
  return std::thread([caption, answer, &text] {
    const platform::WindowRef box =
        torvek::testing::WaitForWindow(GetCurrentProcessId(), caption, 10000);
    std::string shownCaption;
    if (box != 0 && torvek::testing::ReadMessageBox(box, shownCaption, text))
      torvek::testing::AnswerMessageBox(box, answer);
  });
}

TEST(Win32MessageBoxes, ReturnsTheButtonThatWasPressed) {
  auto boxes = win32::MakeMessageBoxes();
  const char kText[] = "无法复制文件 C:\\乗\\TORVEK2008.ARX";
  for (const MessageBoxAnswer press :
       {MessageBoxAnswer::kAbort, MessageBoxAnswer::kRetry, MessageBoxAnswer::kIgnore}) {
    std::string shown;
    std::thread user = Answerer("Torvek安装", press, shown);
    const MessageBoxAnswer answer = boxes->Show(
        0, kText, "Torvek安装", MessageBoxButtons::kAbortRetryIgnore, MessageBoxIcon::kNone);
    user.join();
    EXPECT_EQ(answer, press);
    // 乗 ends in the byte of a backslash; the box must still show it as one character.
    EXPECT_EQ(shown, kText);
  }

  std::string shown;
  std::thread user = Answerer("The folder:", MessageBoxAnswer::kNo, shown);
  EXPECT_EQ(
      boxes->Show(0, "创建?", "The folder:", MessageBoxButtons::kYesNo, MessageBoxIcon::kQuestion),
      MessageBoxAnswer::kNo);
  user.join();

  std::thread closer = Answerer("完成", MessageBoxAnswer::kOk, shown);
  EXPECT_EQ(boxes->Show(0, "安装完成", "完成", MessageBoxButtons::kOk, MessageBoxIcon::kNone),
            MessageBoxAnswer::kOk);
  closer.join();
}

TEST(Win32MessageBoxes, ABoxThatCannotBeShownIsAFailureNotAButton) {
  auto boxes = win32::MakeMessageBoxes();
  // A window handle that names no window: MessageBoxA refuses it and returns zero.
  const platform::WindowRef noWindow = 0x7FFF0;
  EXPECT_EQ(boxes->Show(noWindow, "text", "caption", MessageBoxButtons::kAbortRetryIgnore,
                        MessageBoxIcon::kExclamation),
            MessageBoxAnswer::kFailed);
}

}  // namespace
}  // namespace torvek
