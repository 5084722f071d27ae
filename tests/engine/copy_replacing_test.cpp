// The installer's one way of copying a file: whatever the source's attributes, no copy is left
// read-only, and a failed copy is retried, passed over or stopped as the caller answers.
#include <gtest/gtest.h>

#include <tuple>

#include "common/copy_replacing.h"
#include "tests/support/test_machine.h"

namespace torvek {
namespace {

using Operation = torvek::testing::FaultyFileSystem::Operation;

constexpr char kFrom[] = "D:\\Kit\\TORVEK.CFG";
constexpr char kTo[] = "C:\\Product\\TORVEK.CFG";

class CopyReplacingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    machine_.Put(kFrom, "new");
    machine_.Put(kTo, "old");
    machine_.SetReadOnly(kFrom);
    machine_.SetReadOnly(kTo);
  }

  bool ReadOnly(const char* path) {
    return (machine_.Attributes(path) & platform::kAttributeReadOnly) != 0;
  }

  testing::TestMachine machine_;
};

TEST_F(CopyReplacingTest, ReplacesAReadOnlyFileAndLeavesNoCopyReadOnly) {
  // A source that cannot be made writable (a CD) gives a read-only copy, made writable after.
  machine_.faults().FailNext(Operation::kSetAttributes, kFrom, platform::kErrorAccessDenied);
  EXPECT_EQ(CopyReplacing(machine_.files(), kFrom, kTo), CopyEnd::kCopied);
  EXPECT_EQ(machine_.Get(kTo), "new");
  EXPECT_FALSE(ReadOnly(kTo));
  EXPECT_TRUE(ReadOnly(kFrom));
}

TEST_F(CopyReplacingTest, AFailedCopyIsRetriedPassedOverOrStoppedAsAnswered) {
  machine_.faults().FailNext(Operation::kCopyFile, kTo, platform::kErrorSharingViolation, 2);
  int asked = 0;
  EXPECT_EQ(CopyReplacing(machine_.files(), kFrom, kTo,
                          [&asked] {
                            ++asked;
                            return AfterFailedCopy::kRetry;
                          }),
            CopyEnd::kCopied);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(machine_.Get(kTo), "new");

  // A destination that stayed read-only through a failed copy is made writable when the
  // caller goes on, and left as it is when the caller stops.
  for (const auto& [after, end, leftReadOnly] :
       {std::tuple{AfterFailedCopy::kGoOn, CopyEnd::kFailed, false},
        std::tuple{AfterFailedCopy::kStop, CopyEnd::kStopped, true}}) {
    machine_.SetReadOnly(kTo);
    machine_.faults().FailNext(Operation::kSetAttributes, kTo, platform::kErrorAccessDenied);
    machine_.faults().FailNext(Operation::kCopyFile, kTo, platform::kErrorAccessDenied);
    EXPECT_EQ(CopyReplacing(machine_.files(), kFrom, kTo, [after = after] { return after; }), end);
    EXPECT_EQ(ReadOnly(kTo), leftReadOnly);
  }
}

}  // namespace
}  // namespace torvek
