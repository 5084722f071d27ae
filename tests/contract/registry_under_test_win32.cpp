#include "common/win32/win32_registry.h"
#include "tests/contract/registry_under_test.h"

namespace torvek::contract {

portable::RegistryView RegistryViewUnderTest() {
  return win32::RegistryIsRedirected() ? portable::RegistryView::kWow64
                                       : portable::RegistryView::kPlain32;
}

std::unique_ptr<platform::Registry> MakeRegistryUnderTest() {
  return win32::MakeRegistry();
}

bool RegistryIsWine() {
  return win32::IsWine();
}

}  // namespace torvek::contract
