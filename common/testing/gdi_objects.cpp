#include <windows.h>

#include <winternl.h>

#include <vector>

#include "common/testing/gdi_objects.h"

namespace torvek::testing {

namespace {

// Wine's GDI handle table, as its 32-bit programs on a 64-bit Wine (the WoW64 layout) have it:
// 65536 entries below the address kept in the 64-bit PEB, which lies one page below the 32-bit
// one. An entry is in use when its type byte is not zero.
constexpr std::size_t kHandleCount = 0x10000;
constexpr std::size_t kEntryBytes = 24;
constexpr std::size_t kTypeOffset = 14;
constexpr std::uintptr_t kPeb64BelowPeb32 = 0x1000;
constexpr std::uintptr_t kTableInPeb64 = 0xF8;

bool ReadWineHandleTable(HANDLE process, std::uint32_t& count) {
  PROCESS_BASIC_INFORMATION basic{};
  ULONG length = 0;
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof(basic), &length) !=
          0 ||
      basic.PebBaseAddress == nullptr)
    return false;
  const auto peb64 = reinterpret_cast<std::uintptr_t>(basic.PebBaseAddress) - kPeb64BelowPeb32;
  std::uint64_t table = 0;
  SIZE_T read = 0;
  if (!ReadProcessMemory(process, reinterpret_cast<const void*>(peb64 + kTableInPeb64), &table,
                         sizeof(table), &read) ||
      read != sizeof(table) || table == 0 || table > UINTPTR_MAX)
    return false;
  std::vector<std::uint8_t> entries(kHandleCount * kEntryBytes);
  if (!ReadProcessMemory(process, reinterpret_cast<const void*>(static_cast<std::uintptr_t>(table)),
                         entries.data(), entries.size(), &read) ||
      read != entries.size())
    return false;
  count = 0;
  for (std::size_t entry = 0; entry < kHandleCount; ++entry)
    count += entries[entry * kEntryBytes + kTypeOffset] != 0 ? 1 : 0;
  return true;
}

// Whether the table read for this process follows its objects: up by each brush made, and
// back down when they go.
bool TableFollowsOwnObjects() {
  constexpr int kBrushes = 16;
  std::uint32_t before = 0;
  std::uint32_t made = 0;
  std::uint32_t after = 0;
  HBRUSH brushes[kBrushes] = {};
  const bool read = ReadWineHandleTable(GetCurrentProcess(), before);
  for (int k = 0; k < kBrushes; ++k)
    brushes[k] = CreateSolidBrush(RGB(k, 0, 0));
  const bool readMade = read && ReadWineHandleTable(GetCurrentProcess(), made);
  for (HBRUSH brush : brushes)
    DeleteObject(brush);
  return readMade && ReadWineHandleTable(GetCurrentProcess(), after) && made == before + kBrushes &&
         after == before;
}

}  // namespace

bool CountGdiObjects(std::uintptr_t process, std::uint32_t& count, std::string& fault) {
  HANDLE handle = reinterpret_cast<HANDLE>(process);
  SetLastError(0);
  count = GetGuiResources(handle, GR_GDIOBJECTS);
  if (count != 0)
    return true;
  if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) {
    fault = "GetGuiResources failed with error " + std::to_string(GetLastError());
    return false;
  }
  if (!TableFollowsOwnObjects()) {
    fault = "GetGuiResources is not implemented, and the GDI handle table cannot be read here";
    return false;
  }
  if (!ReadWineHandleTable(handle, count)) {
    fault = "the program's GDI handle table cannot be read";
    return false;
  }
  return true;
}

}  // namespace torvek::testing
