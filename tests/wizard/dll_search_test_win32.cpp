// SetUp's first act: DLLs from the system folder only. Wine, like Windows 8 and later (and 7
// with its update), has SetDefaultDllDirectories and refuses flags it does not know, so the
// function reached by name and the flag given to it are both checked here.
#include <gtest/gtest.h>

#include "common/platform/dll_search.h"

namespace torvek::platform {
namespace {

TEST(DllSearch, IsRestrictedToTheSystemFolder) {
  EXPECT_TRUE(RestrictDllSearchToSystemFolder());
}

}  // namespace
}  // namespace torvek::platform
