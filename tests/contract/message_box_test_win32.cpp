// Real message boxes under Wine: the answer that comes back is the button pressed, a box that
// cannot be shown is kFailed and never a button, and code page 936 text reaches the screen
// as the Chinese it stands for.
#include <gtest/gtest.h>

#include <thread>

#include "common/testing/window_automation.h"
#include "common/win32/win32_message_boxes.h"

namespace torvek {
namespace {

using platform::MessageBoxAnswer;
using platform::MessageBoxButtons;
using platform::MessageBoxIcon;

constexpr int kIdOk = 1;
constexpr int kIdAbort = 3;
constexpr int kIdRetry = 4;
constexpr int kIdIgnore = 5;
constexpr int kIdNo = 7;

struct Press {
  int button;
  MessageBoxAnswer expected;
};

TEST(Win32MessageBoxes, ReturnsTheButtonThatWasPressed) {
  auto boxes = win32::MakeMessageBoxes();
  for (const Press press :
       {Press{kIdAbort, MessageBoxAnswer::kAbort}, Press{kIdRetry, MessageBoxAnswer::kRetry},
        Press{kIdIgnore, MessageBoxAnswer::kIgnore}}) {
    std::u16string shown;
    bool answered = false;
    std::thread user([&] {
      answered = torvek::testing::AnswerMessageBox("Torvek安装", press.button, 10000, shown);
    });
    const MessageBoxAnswer answer =
        boxes->Show(0, "无法复制文件 C:\\乗\\TORVEK2008.ARX", "Torvek安装",
                    MessageBoxButtons::kAbortRetryIgnore, MessageBoxIcon::kNone);
    user.join();
    ASSERT_TRUE(answered);
    EXPECT_EQ(answer, press.expected);
    // 乗 ends in the byte of a backslash; the box must still show it as one character.
    EXPECT_EQ(shown, u"无法复制文件 C:\\乗\\TORVEK2008.ARX");
  }

  std::u16string shown;
  std::thread user([&] { torvek::testing::AnswerMessageBox("The folder:", kIdNo, 10000, shown); });
  EXPECT_EQ(
      boxes->Show(0, "创建?", "The folder:", MessageBoxButtons::kYesNo, MessageBoxIcon::kQuestion),
      MessageBoxAnswer::kNo);
  user.join();

  std::thread closer([&] { torvek::testing::AnswerMessageBox("完成", kIdOk, 10000, shown); });
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
