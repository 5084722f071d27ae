#include <windows.h>

#include "common/testing/held_file.h"

namespace torvek::testing {

std::unique_ptr<HeldFile> HeldFile::Hold(const std::string& path) {
  HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE)
    return nullptr;
  return std::unique_ptr<HeldFile>(new HeldFile(handle));
}

HeldFile::~HeldFile() {
  CloseHandle(static_cast<HANDLE>(handle_));
}

}  // namespace torvek::testing
