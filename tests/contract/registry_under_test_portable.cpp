#include <cstdlib>
#include <string_view>

#include "tests/contract/registry_under_test.h"

namespace torvek::contract {

portable::RegistryView RegistryViewUnderTest() {
  const char* view = std::getenv("TORVEK_REGISTRY_VIEW");
  return (view != nullptr && std::string_view(view) == "plain32") ? portable::RegistryView::kPlain32
                                                                  : portable::RegistryView::kWow64;
}

std::unique_ptr<platform::Registry> MakeRegistryUnderTest() {
  return std::make_unique<portable::MemoryRegistry>(RegistryViewUnderTest());
}

bool RegistryIsWine() {
  return false;
}

}  // namespace torvek::contract
