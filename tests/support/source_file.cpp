#include "tests/support/source_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace torvek::testing {

std::string SourceFile(const std::string& relativePath) {
  const char* top = std::getenv("TORVEK_SOURCE_DIR");
  const std::string path = std::string(top != nullptr ? top : ".") + "/" + relativePath;
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.good()) << path;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace torvek::testing
