#include "common/win32/win32_resources.h"
#include "tests/contract/resources_under_test.h"

namespace torvek::contract {

std::unique_ptr<platform::Resources> MakeResourcesUnderTest() {
  return win32::MakeResources();
}

}  // namespace torvek::contract
