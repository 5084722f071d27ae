// The window driver works another program's real dialog under Wine, as the wizard's and the
// viewer's end-to-end tests will: start it, wait for its window, click, type, pick a row,
// answer its message box, read what it shows through the W functions, take a screenshot
// (kept as screenshots/dialog_test.png in the build tree) and see the program end.
#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

#include "common/testing/screenshot.h"
#include "common/testing/window_driver.h"
#include "tests/dialog/test_dialog.h"

namespace torvek::dialogtest {
namespace {

using namespace torvek::testing;
using platform::MessageBoxAnswer;

constexpr std::uint32_t kWaitMs = 20000;

// ctest hands over a host path; Wine shows the host's root as drive Z:.
std::string WindowsPath(const char* hostPath) {
  std::string path = hostPath != nullptr ? hostPath : "";
  if (!path.empty() && path[0] == '/')
    path = "Z:" + path;
  for (char& c : path) {
    if (c == '/')
      c = '\\';
  }
  return path;
}

bool WaitForText(dialog::DialogView& view, int id, const std::string& text) {
  for (int tries = 0; tries < 200; ++tries) {
    if (view.Text(id) == text)
      return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
  return false;
}

// How many pixels of two equally sized screen areas differ, and how many of the first are
// darker than its brightest colour (ink).
struct Comparison {
  int differing = 0;
  int ink = 0;
};

Comparison Compare(const platform::Surface& screen, const platform::Rect& a,
                   const platform::Rect& b) {
  Comparison result;
  const platform::Colour paper = screen.ColourAt(a.right - 1, a.bottom - 1);
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      const platform::Colour first = screen.ColourAt(a.left + x, a.top + y);
      if (first != screen.ColourAt(b.left + x, b.top + y))
        ++result.differing;
      if (first != paper)
        ++result.ink;
    }
  }
  return result;
}

TEST(DialogEndToEnd, TheDriverWorksAnotherProgramsDialog) {
  StartedProgram program;
  std::string command = "\"";
  command += ProgramFolder();
  command += "\\dialog_test_program.exe\"";
  ASSERT_TRUE(StartProgram(command, "", program));
  struct Ender {
    StartedProgram& program;
    ~Ender() { EndProgram(program); }
  } ender{program};
  const WindowRef dialog = WaitForWindow(program.processId, kTitle, kWaitMs);
  ASSERT_NE(dialog, 0u) << "the dialog did not show";
  auto view = ViewOf(dialog);

  EXPECT_EQ(view->Text(kIdStaticLabel), "汉字");
  EXPECT_EQ(view->ListItems(kIdListRows).size(), 3u);
  EXPECT_EQ(view->ListItems(kIdListRows).at(2), "第三行");
  // The Chinese label must be drawn as Chinese: code page 936 text shown through a font that
  // lacks it, or through the wrong code page, would come out as the question marks beside it.
  SettleSent(dialog, kWaitMs);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  platform::Rect label;
  platform::Rect marks;
  ASSERT_TRUE(ScreenRect(dialog, kIdStaticLabel, label));
  ASSERT_TRUE(ScreenRect(dialog, kIdStaticMarks, marks));
  auto screen = CaptureScreen();
  ASSERT_NE(screen, nullptr);
  const Comparison comparison = Compare(*screen, label, marks);
  EXPECT_GT(comparison.ink, 20) << "the label shows nothing";
  EXPECT_GT(comparison.differing, 20) << "the label looks like the question marks";
  const char* folder = std::getenv("TORVEK_SCREENSHOT_DIR");
  ASSERT_NE(folder, nullptr);
  EXPECT_TRUE(SaveScreenshot(WindowsPath(folder) + "\\dialog_test.png"));

  dialog::ControlColours colours;
  EXPECT_FALSE(view->Colours(0, colours)) << "colour answers cannot be read across processes";

  std::string fault;
  ASSERT_TRUE(Click(dialog, kIdCheckShowSwatch, fault)) << fault;
  ASSERT_TRUE(TypeText(dialog, kIdEditName, "E:\\数据", fault)) << fault;
  ASSERT_TRUE(SelectRow(dialog, kIdListRows, 2, fault)) << fault;
  EXPECT_FALSE(Click(dialog, 4321, fault));
  SettleSent(dialog, kWaitMs);
  EXPECT_EQ(view->CheckState(kIdCheckShowSwatch), 0);
  EXPECT_EQ(view->Text(kIdEditName), "E:\\数据");
  EXPECT_EQ(view->ListSelection(kIdListRows), 2);
  EXPECT_TRUE(WaitForText(*view, kIdStaticLabel, "第三行"));

  ASSERT_TRUE(Click(dialog, kIdButtonAsk, fault)) << fault;
  const WindowRef box = WaitForWindow(program.processId, kAskCaption, kWaitMs);
  ASSERT_NE(box, 0u) << "the message box did not show";
  std::string caption;
  std::string text;
  EXPECT_TRUE(ReadMessageBox(box, caption, text));
  EXPECT_EQ(text, "要继续吗？");
  ASSERT_TRUE(AnswerMessageBox(box, MessageBoxAnswer::kYes));
  EXPECT_TRUE(WaitForText(*view, kIdStaticLabel, "是"));

  PressEnter(dialog);
  std::uint32_t exitCode = 0;
  ASSERT_TRUE(WaitForExit(program, kWaitMs, exitCode));
  EXPECT_EQ(exitCode, 1u + 10 * 2 + 100 * 1 + 1000 * 0);
}

}  // namespace
}  // namespace torvek::dialogtest
