// The install-location record: HKEY_LOCAL_MACHINE\SOFTWARE\Torvek, value Torvek_Path, the
// product folder of the last complete installation, stored without its terminating zero.
#include <cstring>

#include "common/text/path_buffer.h"
#include "installer/engine/config_keeper.h"

namespace torvek::engine {

namespace {
constexpr char kRecordKey[] = "SOFTWARE\\Torvek";
constexpr char kRecordValue[] = "Torvek_Path";
}  // namespace

bool ConfigKeeper::ReadInstallRecord() {
  std::uint8_t buffer[PathBuffer::kCapacity] = {};
  std::uint32_t length = sizeof buffer;
  bool read = false;
  platform::RegKey key = platform::kNoKey;
  if (registry_.OpenKey(platform::kLocalMachine, kRecordKey, key) == platform::kErrorSuccess) {
    read = registry_.QueryValue(key, kRecordValue, nullptr, buffer, &length) ==
           platform::kErrorSuccess;
    registry_.CloseKey(key);
  }
  previousFolder.clear();
  if (read) {
    // The buffer was zero-filled, so data stored without its zero still ends in one.
    const auto* text = reinterpret_cast<const char*>(buffer);
    const void* zero = std::memchr(text, '\0', sizeof buffer);
    // 260 bytes with no zero among them is a path the platform cannot hold: cutting it would
    // name another folder, so it is no record at all.
    if (zero != nullptr)
      previousFolder.assign(text, static_cast<const char*>(zero));
  }
  return previousFolder.size() > 1;
}

void ConfigKeeper::WriteInstallRecord() {
  PathBuffer folder;
  if (!folder.Assign(targetFolder))
    return;
  platform::RegKey key = platform::kNoKey;
  if (registry_.CreateKey(platform::kLocalMachine, kRecordKey, key) != platform::kErrorSuccess) {
    return;
  }
  registry_.SetValue(key, kRecordValue, platform::kRegSz,
                     reinterpret_cast<const std::uint8_t*>(folder.c_str()),
                     static_cast<std::uint32_t>(folder.size()));
  registry_.CloseKey(key);
}

}  // namespace torvek::engine
