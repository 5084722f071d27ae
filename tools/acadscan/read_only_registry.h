// A registry that can only be read: every call that would change it is refused, so a
// diagnostic run against a live machine cannot alter it whatever the code it runs.
#pragma once

#include <memory>
#include <utility>

#include "common/platform/registry.h"

namespace torvek::tools {

class ReadOnlyRegistry final : public platform::Registry {
 public:
  explicit ReadOnlyRegistry(std::unique_ptr<platform::Registry> inner) : inner_(std::move(inner)) {}

  platform::WinError OpenKey(platform::RegKey parent, const char* subKey,
                             platform::RegKey& result) override {
    // RegOpenKeyA opens with every right; ask for reading only.
    if (subKey == nullptr || *subKey == '\0')
      return inner_->OpenKey(parent, subKey, result);
    return inner_->OpenKeyEx(parent, subKey, platform::kKeyRead, result);
  }
  platform::WinError OpenKeyEx(platform::RegKey parent, const char* subKey, std::uint32_t,
                               platform::RegKey& result) override {
    return inner_->OpenKeyEx(parent, subKey, platform::kKeyRead, result);
  }
  platform::WinError CreateKey(platform::RegKey, const char*, platform::RegKey&) override {
    return platform::kErrorAccessDenied;
  }
  platform::WinError DeleteKey(platform::RegKey, const char*) override {
    return platform::kErrorAccessDenied;
  }
  platform::WinError QuerySubKeyCount(platform::RegKey key, std::uint32_t& count) override {
    return inner_->QuerySubKeyCount(key, count);
  }
  platform::WinError EnumKey(platform::RegKey key, std::uint32_t index, char* name,
                             std::uint32_t& nameLength) override {
    return inner_->EnumKey(key, index, name, nameLength);
  }
  platform::WinError QueryValue(platform::RegKey key, const char* valueName, std::uint32_t* type,
                                std::uint8_t* data, std::uint32_t* dataLength) override {
    return inner_->QueryValue(key, valueName, type, data, dataLength);
  }
  platform::WinError SetValue(platform::RegKey, const char*, std::uint32_t, const std::uint8_t*,
                              std::uint32_t) override {
    return platform::kErrorAccessDenied;
  }
  platform::WinError CloseKey(platform::RegKey key) override { return inner_->CloseKey(key); }
  std::string KeyPath(platform::RegKey key) override { return inner_->KeyPath(key); }

 private:
  std::unique_ptr<platform::Registry> inner_;
};

}  // namespace torvek::tools
