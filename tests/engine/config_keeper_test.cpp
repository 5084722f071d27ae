// What decides whether there is anything to keep: the install-location record and the
// extension test on the earlier product folder's names.
#include <gtest/gtest.h>

#include "installer/engine/config_keeper.h"
#include "tests/support/test_machine.h"

namespace torvek::engine {
namespace {

TEST(ConfigKeeper, TheExtensionMayStandAnywhereAfterTheFirstCharacter) {
  EXPECT_TRUE(MatchesExtension("USER.cfg", ".CFG"));
  EXPECT_TRUE(MatchesExtension("SETTINGS.CFG.BAK", ".CFG"));
  EXPECT_TRUE(MatchesExtension("PLAN.SECTION", ".SEC"));
  EXPECT_TRUE(MatchesExtension("梁.sjy", ".SJY"));
  EXPECT_FALSE(MatchesExtension(".CFG", ".CFG"));
  EXPECT_FALSE(MatchesExtension("CFG", ".CFG"));
}

class InstallRecord : public ::testing::Test {
 protected:
  void Record(const std::string& value) {
    platform::RegKey key = platform::kNoKey;
    ASSERT_EQ(machine_.registry().CreateKey(platform::kLocalMachine, "SOFTWARE\\Torvek", key),
              platform::kErrorSuccess);
    // Stored without its zero, and with no zero after it in memory either.
    std::string bytes = value + "X";
    machine_.registry().SetValue(key, "Torvek_Path", platform::kRegSz,
                                 reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                 static_cast<std::uint32_t>(value.size()));
    machine_.registry().CloseKey(key);
  }

  torvek::testing::TestMachine machine_;
  ConfigKeeper keeper_{machine_.registry(), machine_.files(), "C:\\Program Files"};
};

TEST_F(InstallRecord, ReadsBackWhatWasWrittenAndRefusesWhatCannotBeAPath) {
  EXPECT_EQ(keeper_.targetFolder, "C:\\Program Files\\Torvek结构工具箱");
  EXPECT_FALSE(keeper_.ReadInstallRecord());

  keeper_.WriteInstallRecord();
  ASSERT_TRUE(keeper_.ReadInstallRecord());
  EXPECT_EQ(keeper_.previousFolder, "C:\\Program Files\\Torvek结构工具箱");
  // 33 bytes in code page 936, given without a terminating zero; the registry stores the zero
  // that follows them in memory anyway, as RegSetValueExA does with a string type.
  std::uint8_t data[64] = {};
  std::uint32_t length = sizeof data;
  platform::RegKey key = platform::kNoKey;
  ASSERT_EQ(machine_.registry().OpenKey(platform::kLocalMachine, "Software\\Torvek", key),
            platform::kErrorSuccess);
  EXPECT_EQ(machine_.registry().QueryValue(key, "Torvek_Path", nullptr, data, &length),
            platform::kErrorSuccess);
  machine_.registry().CloseKey(key);
  EXPECT_EQ(length, 34u);
  EXPECT_EQ(data[32], 0xE4);
  EXPECT_EQ(data[33], 0);

  Record("D:\\Old\\");  // written by hand, used as it is
  ASSERT_TRUE(keeper_.ReadInstallRecord());
  EXPECT_EQ(keeper_.previousFolder, "D:\\Old\\");

  Record("D");
  EXPECT_FALSE(keeper_.ReadInstallRecord());

  // 259 bytes fit the path buffer; 260 would have to be cut, and a cut path is another folder.
  Record("D:\\" + std::string(256, 'p'));
  EXPECT_TRUE(keeper_.ReadInstallRecord());
  Record("D:\\" + std::string(257, 'p'));
  EXPECT_FALSE(keeper_.ReadInstallRecord());
  EXPECT_EQ(keeper_.previousFolder, "");
  Record("D:\\" + std::string(400, 'p'));
  EXPECT_FALSE(keeper_.ReadInstallRecord());
}

TEST_F(InstallRecord, AnEarlierConfigurationNeedsASettingsFile) {
  Record("D:\\Old");
  machine_.Put("D:\\Old\\STEEL.SEC", "sections");
  machine_.Put("D:\\Old\\Torvek扩展绘图库\\梁.SJY", "beam");
  EXPECT_FALSE(keeper_.HasPreviousConfig());
  machine_.Put("D:\\Old\\user.cfg", "settings");
  EXPECT_TRUE(keeper_.HasPreviousConfig());
  Record("D:\\Gone");
  EXPECT_FALSE(keeper_.HasPreviousConfig());
}

}  // namespace
}  // namespace torvek::engine
