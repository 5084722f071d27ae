#include <windows.h>

#include "common/win32/win32_resources.h"

namespace torvek::win32 {

namespace {

class Win32Resources : public platform::Resources {
 public:
  std::span<const std::uint8_t> Find(platform::ResourceType type, std::uint16_t id) override {
    const char* typeName = type.name != nullptr ? type.name : MAKEINTRESOURCEA(type.number);
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), typeName);
    if (found == nullptr)
      return {};
    HGLOBAL loaded = LoadResource(nullptr, found);
    if (loaded == nullptr)
      return {};
    const void* data = LockResource(loaded);
    if (data == nullptr)
      return {};
    return {static_cast<const std::uint8_t*>(data), SizeofResource(nullptr, found)};
  }
};

}  // namespace

std::unique_ptr<platform::Resources> MakeResources() {
  return std::make_unique<Win32Resources>();
}

}  // namespace torvek::win32
