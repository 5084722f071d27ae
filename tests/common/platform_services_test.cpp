#include <gtest/gtest.h>

#include <atomic>
#include <thread>  // also the durations: <chrono> cannot be compiled to code page 936

#include "common/clear_read_only.h"
#include "common/platform/manual_reset_event.h"
#include "common/portable/embedded_resources.h"
#include "common/testing/scripted_message_boxes.h"

namespace torvek {
namespace {

using platform::MessageBoxAnswer;
using platform::MessageBoxButtons;
using platform::MessageBoxIcon;

TEST(ScriptedMessageBoxes, AnswersInOrderAndFailsWhenTheScriptRunsOut) {
  torvek::testing::ScriptedMessageBoxes boxes;
  boxes.Answer(MessageBoxAnswer::kRetry);
  EXPECT_EQ(
      boxes.Show(7, "text", "caption", MessageBoxButtons::kAbortRetryIgnore, MessageBoxIcon::kNone),
      MessageBoxAnswer::kRetry);
  EXPECT_EQ(boxes.Show(7, "again", "caption", MessageBoxButtons::kAbortRetryIgnore,
                       MessageBoxIcon::kNone),
            MessageBoxAnswer::kFailed);
  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[0].owner, 7u);
  EXPECT_EQ(boxes.Shown()[1].text, "again");
  EXPECT_EQ(boxes.Shown()[1].answer, MessageBoxAnswer::kFailed);
}

TEST(ManualResetEvent, StaysSetForEveryWaiterUntilReset) {
  platform::ManualResetEvent event;
  EXPECT_FALSE(event.Wait(0));
  std::atomic<int> woken = 0;
  std::thread first([&] { woken += event.Wait(platform::kWaitForever) ? 1 : 0; });
  std::thread second([&] { woken += event.Wait(5000) ? 1 : 0; });
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  event.Set();
  first.join();
  second.join();
  EXPECT_EQ(woken, 2);
  EXPECT_TRUE(event.Wait(0));
  event.Reset();
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(event.Wait(50));
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(40));
}

TEST(EmbeddedResources, FindsByNumberedOrNamedType) {
  static const std::uint8_t kGif[] = {'G', 'I', 'F'};
  static const std::uint8_t kDialog[] = {1, 2};
  static const portable::EmbeddedResource kTable[] = {
      {0, "GIF", 130, kGif, sizeof kGif},
      {5, nullptr, 130, kDialog, sizeof kDialog},
  };
  portable::EmbeddedResources resources(kTable);
  EXPECT_EQ(resources.Find(platform::NamedResourceType("gif"), 130).size(), 3u);
  EXPECT_EQ(resources.Find(platform::kResourceDialog, 130).data(), kDialog);
  EXPECT_TRUE(resources.Find(platform::kResourceDialog, 131).empty());
  EXPECT_TRUE(resources.Find(platform::NamedResourceType("PNG"), 130).empty());
}

}  // namespace
}  // namespace torvek
