// The registry as the Win32 ANSI calls show it. Names and string data are code page 936 bytes.
// Results are the Win32 error codes; out-parameters are written only on success unless a call
// says otherwise.
#pragma once

#include <cstdint>
#include <string>

#include "common/platform/win_error.h"

namespace torvek::platform {

// An open key. Zero is no key; the predefined root keeps its Win32 value.
using RegKey = std::uintptr_t;
inline constexpr RegKey kNoKey = 0;
inline constexpr RegKey kCurrentUser = 0x80000001u;
inline constexpr RegKey kLocalMachine = 0x80000002u;

inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kKeyWrite = 0x20006;
inline constexpr std::uint32_t kKeyAllAccess = 0xF003F;

inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;
inline constexpr std::uint32_t kRegQword = 11;

class Registry {
 public:
  virtual ~Registry() = default;

  // RegOpenKeyA: a null or empty subKey hands back `parent` itself, not a new handle.
  virtual WinError OpenKey(RegKey parent, const char* subKey, RegKey& result) = 0;
  // RegOpenKeyExA: a null or empty subKey opens `parent` once more, as a new handle; a predefined
  // root comes back as itself.
  virtual WinError OpenKeyEx(RegKey parent, const char* subKey, std::uint32_t access,
                             RegKey& result) = 0;
  // RegCreateKeyA: opens the key, creating every missing level of a multi-level path.
  virtual WinError CreateKey(RegKey parent, const char* subKey, RegKey& result) = 0;
  // RegDeleteKeyA: fails with kErrorAccessDenied on a key that has subkeys. An empty subKey
  // deletes `parent` itself; a null one is kErrorInvalidParameter.
  virtual WinError DeleteKey(RegKey parent, const char* subKey) = 0;
  // RegQueryInfoKeyA, the number of direct subkeys only.
  virtual WinError QuerySubKeyCount(RegKey key, std::uint32_t& count) = 0;
  // RegEnumKeyExA: `nameLength` holds the buffer's size in bytes, zero included, and comes back
  // as the name's length without it. A name that does not fit gives kErrorMoreData; past the
  // last subkey the answer is kErrorNoMoreItems.
  virtual WinError EnumKey(RegKey key, std::uint32_t index, char* name,
                           std::uint32_t& nameLength) = 0;
  // RegQueryValueExA: `type` and `data` may be null. `dataLength` holds the buffer's size and
  // comes back as the data's size, also with kErrorMoreData when the buffer is too small. String
  // data that does not end in a zero gets one written after it when the buffer has room, not
  // counted in `dataLength`.
  virtual WinError QueryValue(RegKey key, const char* valueName, std::uint32_t* type,
                              std::uint8_t* data, std::uint32_t* dataLength) = 0;
  // RegSetValueExA: stores exactly `dataLength` bytes; a REG_SZ written without its zero is
  // read back without it. Except, as Windows does: a string type whose last byte is not zero
  // but whose next byte (data[dataLength], which must be readable) is, is stored with that zero.
  // A string from a C string thus gets its zero either way; to store one without, the byte
  // after the data must not be zero.
  virtual WinError SetValue(RegKey key, const char* valueName, std::uint32_t type,
                            const std::uint8_t* data, std::uint32_t dataLength) = 0;
  // RegCloseKey. Closing the predefined root succeeds and leaves it usable.
  virtual WinError CloseKey(RegKey key) = 0;

  // The full path of an open key as the registry holds it, such as
  // "HKEY_LOCAL_MACHINE\SOFTWARE\Wow6432Node\Autodesk": for diagnostics, never for logic.
  // Empty when the key is not known.
  virtual std::string KeyPath(RegKey key) = 0;
};

}  // namespace torvek::platform
