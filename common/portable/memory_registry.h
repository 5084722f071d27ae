// The registry of a Windows machine, held in memory, as a 32-bit program's ANSI calls see it.
//
// The tree is the literal one, as the 64-bit regedit shows it; the view decides how the
// platform::Registry calls read paths below HKEY_LOCAL_MACHINE\SOFTWARE. Names and string data
// are code page 936 bytes, stored as the A functions give them and read them back.
//
// A handle may do what it was opened for: reading values and RegQueryInfoKey want
// KEY_QUERY_VALUE, listing subkeys KEY_ENUMERATE_SUB_KEYS, writing values KEY_SET_VALUE.
// Opening, creating and deleting keys below a handle want nothing of it. RegOpenKeyA and
// RegCreateKeyA open with every right; the view flags KEY_WOW64_* are not honoured.
//
// Windows' limits on the tree hold: no key lies more than 512 levels below its root key, and one
// call makes at most 32 new levels; a create past either makes nothing and answers
// kErrorFilenameExcedRange. (Wine 8 enforces neither limit, and which code Windows answers is
// not checked here.) Values are found by their name through an index, not by a scan of the key.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "common/platform/registry.h"

namespace torvek::portable {

enum class RegistryView {
  // A 32-bit program on 64-bit Windows: HKLM\SOFTWARE\X is HKLM\SOFTWARE\Wow6432Node\X, and so
  // is the literal path SOFTWARE\Wow6432Node\X.
  kWow64,
  // A 32-bit program on 32-bit Windows: paths read as written.
  kPlain32,
};

// One value of a key, as RegEnumValueA would give it.
struct RegValue {
  std::string name;  // empty for the key's default value
  std::uint32_t type = platform::kRegNone;
  std::vector<std::uint8_t> data;
};

class MemoryRegistry final : public platform::Registry {
 public:
  // Starts as a fresh machine: HKEY_LOCAL_MACHINE\SOFTWARE, with its Wow6432Node on a 64-bit one,
  // and an empty HKEY_CURRENT_USER.
  explicit MemoryRegistry(RegistryView view = RegistryView::kWow64);
  ~MemoryRegistry() override;
  MemoryRegistry(const MemoryRegistry&) = delete;
  MemoryRegistry& operator=(const MemoryRegistry&) = delete;

  RegistryView View() const { return view_; }

  platform::WinError OpenKey(platform::RegKey parent, const char* subKey,
                             platform::RegKey& result) override;
  platform::WinError OpenKeyEx(platform::RegKey parent, const char* subKey, std::uint32_t access,
                               platform::RegKey& result) override;
  platform::WinError CreateKey(platform::RegKey parent, const char* subKey,
                               platform::RegKey& result) override;
  platform::WinError DeleteKey(platform::RegKey parent, const char* subKey) override;
  platform::WinError QuerySubKeyCount(platform::RegKey key, std::uint32_t& count) override;
  platform::WinError EnumKey(platform::RegKey key, std::uint32_t index, char* name,
                             std::uint32_t& nameLength) override;
  platform::WinError QueryValue(platform::RegKey key, const char* valueName, std::uint32_t* type,
                                std::uint8_t* data, std::uint32_t* dataLength) override;
  platform::WinError SetValue(platform::RegKey key, const char* valueName, std::uint32_t type,
                              const std::uint8_t* data, std::uint32_t dataLength) override;
  platform::WinError CloseKey(platform::RegKey key) override;
  std::string KeyPath(platform::RegKey key) override;

  // The literal tree, whatever the view: what .reg files describe and `reg import /reg:64`
  // writes. The handles are ordinary handles of this registry, closed with CloseKey.
  platform::WinError OpenLiteralKey(platform::RegKey parent, const char* subKey,
                                    platform::RegKey& result);
  platform::WinError CreateLiteralKey(platform::RegKey parent, const char* subKey,
                                      platform::RegKey& result);
  // RegDeleteTree on the literal tree: the key itself and everything below it. Handles still
  // open on any of those keys answer kErrorKeyDeleted from then on.
  platform::WinError DeleteLiteralTree(platform::RegKey parent, const char* subKey);

  // RegDeleteValueA.
  platform::WinError DeleteValue(platform::RegKey key, const char* valueName);
  // RegEnumValueA without buffer sizes: the values in the order they were first set, as Windows
  // keeps them (Wine 8 keeps them sorted by name, so its regedit writes them in that order).
  platform::WinError EnumValue(platform::RegKey key, std::uint32_t index, RegValue& value);
  // RegEnumKeyExA without buffer sizes.
  platform::WinError EnumKeyName(platform::RegKey key, std::uint32_t index, std::string& name);

 private:
  struct Node;
  struct Handle {
    std::shared_ptr<Node> node;
    std::uint32_t rights = 0;
  };
  enum class Walk { kOpen, kCreate };

  platform::WinError Resolve(platform::RegKey parent, const char* subKey, bool applyView, Walk walk,
                             std::shared_ptr<Node>& found);
  std::shared_ptr<Node> Find(platform::RegKey key) const;
  platform::WinError FindLive(platform::RegKey key, std::uint32_t rightsNeeded,
                              std::shared_ptr<Node>& node) const;
  platform::WinError Open(platform::RegKey parent, const char* subKey, bool applyView, Walk walk,
                          std::uint32_t access, platform::RegKey& result);

  const RegistryView view_;
  mutable std::mutex mutex_;
  std::shared_ptr<Node> localMachine_;
  std::shared_ptr<Node> currentUser_;
  std::map<platform::RegKey, Handle> handles_;
  platform::RegKey nextHandle_ = 0x100;
};

}  // namespace torvek::portable
