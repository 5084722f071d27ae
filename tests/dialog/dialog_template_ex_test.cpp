// The DLGTEMPLATEEX bytes, read back field by field where Windows reads them: a template that
// is off by one word is refused (or worse, misread) by DialogBoxIndirectParamA.
#include <gtest/gtest.h>

#include <string>

#include "common/dialog/dialog_template_ex.h"
#include "common/dialog/window_constants.h"

namespace torvek::dialogtest {
namespace {

using namespace dialog;

class Reader {
 public:
  explicit Reader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
  std::uint16_t Word() {
    const auto value = static_cast<std::uint16_t>(bytes_.at(at_) | bytes_.at(at_ + 1) << 8);
    at_ += 2;
    return value;
  }
  std::uint32_t Dword() {
    const std::uint32_t low = Word();
    return low | static_cast<std::uint32_t>(Word()) << 16;
  }
  std::u16string Wide() {
    std::u16string text;
    while (std::uint16_t unit = Word())
      text.push_back(static_cast<char16_t>(unit));
    return text;
  }
  void Skip(std::size_t bytes) { at_ += bytes; }
  std::size_t At() const { return at_; }
  void AlignToDword() { at_ = (at_ + 3) & ~std::size_t{3}; }

 private:
  const std::vector<std::uint8_t>& bytes_;
  std::size_t at_ = 0;
};

constexpr DialogItemTemplate kItems[] = {
    {7, ControlClass::kStatic, "甲", {1, 2, 3, 4}, kWsChild},
    {-1, ControlClass::kProgressBar, "", {5, 6, 7, 8}, kWsChild | kWsBorder, kWsExClientEdge},
};
constexpr DialogTemplate kTemplate = {
    99, "安装", {"宋体", 9}, {0, 0, 283, 172}, kWsPopup | kWsCaption, kWsExAppWindow, kItems,
};

TEST(DialogTemplateEx, LaysOutHeaderFontAndAlignedItems) {
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(BuildDialogTemplateEx(kTemplate, bytes));
  Reader read(bytes);
  EXPECT_EQ(read.Word(), 1);
  EXPECT_EQ(read.Word(), 0xFFFF);
  EXPECT_EQ(read.Dword(), 0u);
  EXPECT_EQ(read.Dword(), kWsExAppWindow);
  EXPECT_EQ(read.Dword(), kWsPopup | kWsCaption | kDsSetFont) << "a named font needs DS_SETFONT";
  EXPECT_EQ(read.Word(), 2);
  read.Skip(4);
  EXPECT_EQ(read.Word(), 283);
  EXPECT_EQ(read.Word(), 172);
  EXPECT_EQ(read.Word(), 0);
  EXPECT_EQ(read.Word(), 0);
  EXPECT_EQ(read.Wide(), u"安装");
  EXPECT_EQ(read.Word(), 9);
  read.Skip(4);  // weight, italic, character set
  EXPECT_EQ(read.Wide(), u"宋体");

  read.AlignToDword();
  read.Skip(4);
  EXPECT_EQ(read.Dword(), 0u);
  EXPECT_EQ(read.Dword(), kWsChild);
  read.Skip(8);
  EXPECT_EQ(read.Dword(), 7u);
  EXPECT_EQ(read.Word(), 0xFFFF);
  EXPECT_EQ(read.Word(), 0x0082) << "the Static atom";
  EXPECT_EQ(read.Wide(), u"甲");
  EXPECT_EQ(read.Word(), 0) << "no creation data";

  read.AlignToDword();
  EXPECT_EQ(read.At() % 4, 0u);
  read.Skip(4);
  EXPECT_EQ(read.Dword(), kWsExClientEdge);
  EXPECT_EQ(read.Dword(), kWsChild | kWsBorder);
  read.Skip(8);
  EXPECT_EQ(read.Dword(), 0xFFFFFFFFu) << "-1 stays -1 in the 32-bit id";
  EXPECT_EQ(read.Wide(), u"msctls_progress32");
  EXPECT_EQ(read.Wide(), u"");
  EXPECT_EQ(read.Word(), 0);
  EXPECT_EQ(read.At(), bytes.size());
}

TEST(DialogTemplateEx, RefusesTextThatIsNotCodePage936) {
  const DialogItemTemplate broken[] = {{1, ControlClass::kStatic, "\x81", {0, 0, 1, 1}, 0}};
  DialogTemplate dialogTemplate = kTemplate;
  dialogTemplate.items = broken;
  std::vector<std::uint8_t> bytes;
  EXPECT_FALSE(BuildDialogTemplateEx(dialogTemplate, bytes));
}

}  // namespace
}  // namespace torvek::dialogtest
