#include "tests/support/source_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace torvek::testing {

namespace {

std::string FileBelow(const char* variable, const std::string& relativePath) {
  const char* top = std::getenv(variable);
  const std::string path = std::string(top != nullptr ? top : ".") + "/" + relativePath;
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.good()) << path;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

std::string SourceFile(const std::string& relativePath) {
  return FileBelow("TORVEK_SOURCE_DIR", relativePath);
}

std::string TestDataFile(const std::string& relativePath) {
  return FileBelow("TORVEK_TESTDATA_DIR", relativePath);
}

}  // namespace torvek::testing
