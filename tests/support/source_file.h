#pragma once

#include <string>

namespace torvek::testing {

// The bytes of a file of the source tree, by its path from the top ("tools/x/y.reg"); fails
// the test when it cannot be read.
std::string SourceFile(const std::string& relativePath);

// The bytes of a file of the shared test data, by its path below it ("gif/x/y.gif"); fails the
// test when it cannot be read.
std::string TestDataFile(const std::string& relativePath);

}  // namespace torvek::testing
