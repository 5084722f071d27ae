#include "common/portable/program_resources.h"
#include "tests/contract/resources_under_test.h"

namespace torvek::contract {

std::unique_ptr<platform::Resources> MakeResourcesUnderTest() {
  return std::make_unique<portable::EmbeddedResources>(portable::ProgramResources());
}

}  // namespace torvek::contract
