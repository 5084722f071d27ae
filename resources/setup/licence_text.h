// The end-user licence agreement shown on the first page: fixed pieces of code page 936 text,
// joined without separators into four screens that the user pages through.
#pragma once

#include <span>
#include <string>

namespace torvek::setup {

class LicenceText {
 public:
  static constexpr int kScreenCount = 4;

  // The pieces of one screen, in order; none for a screen that does not exist.
  static std::span<const char* const> Pieces(int screen);
  // The pieces of one screen joined; empty for a screen that does not exist.
  static std::string Screen(int screen);
};

}  // namespace torvek::setup
