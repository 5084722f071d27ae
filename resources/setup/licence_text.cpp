#include "resources/setup/licence_text.h"

namespace torvek::setup {

namespace {

// A heading or paragraph ends with two line breaks; the pieces within a paragraph have none.
// The paragraphs under a heading are indented with two ideographic spaces.
constexpr const char* kScreen0[] = {
    "             Torvek结构工具箱最终用户许可协议\r\n\r\n",
    "请您在安装本软件之前仔细阅读本协议。只有在您接受本协议全部条款的前提下，"
    "才可以继续安装；如果您不接受，请立即停止安装。\r\n\r\n",
    "软件产品许可协议\r\n\r\n",
    "　　本协议受中华人民共和国法律管辖。本软件产品受著作权法及其他知识产权法律和国际条约的"
    "保护，只在约定的范围和期限内许可您使用，并不出售。\r\n\r\n",
};

// Section 2's paragraph breaks off here and goes on at the top of the next screen.
constexpr const char* kScreen1[] = {
    "一、权利归属\r\n\r\n",
    "　　本软件产品及其一切复制品的著作权和其他权利，均归权利人所有。",
    "通过本软件产品访问或使用的内容，其权利归各自的所有人所有，",
    "本协议并不授予您对这些内容的任何权利。\r\n\r\n",
    "二、免责声明\r\n\r\n",
    "　　本软件产品按现状提供，权利人不作任何明示或默示的保证。",
    "对于因使用或不能使用本软件产品而",
};

constexpr const char* kScreen2[] = {
    "造成的损失，权利人不承担责任，使用的全部风险由您自行承担。\r\n\r\n",
    "三、本软件产品未经认证\r\n\r\n",
    "　　权利人不保证本软件产品生成的图形、文字和计算结果正确无误。",
    "将其用于实际工程，风险由您自行承担。\r\n\r\n",
    "四、个别授权\r\n\r\n",
    "　　未经权利人书面授权，",
    "不得向公众分发本软件产品。\r\n\r\n",
};

constexpr const char* kScreen3[] = {
    "\r\n本协议的最终解释权归权利人所有。\r\n\r\n",
    "作者：林致远\r\n",
    "本协议最后修订日期：2012-12-26",
};

}  // namespace

std::span<const char* const> LicenceText::Pieces(int screen) {
  switch (screen) {
    case 0:
      return kScreen0;
    case 1:
      return kScreen1;
    case 2:
      return kScreen2;
    case 3:
      return kScreen3;
    default:
      return {};
  }
}

std::string LicenceText::Screen(int screen) {
  std::string text;
  for (const char* piece : Pieces(screen))
    text += piece;
  return text;
}

}  // namespace torvek::setup
