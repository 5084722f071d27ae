#include <windows.h>

#include <cstring>
#include <string_view>
#include <vector>

#include "common/text/code_page.h"
#include "common/win32/win32_registry.h"

namespace torvek::win32 {

namespace {

using platform::RegKey;
using platform::WinError;

// A predefined key is a small negative number to Windows, which a 64-bit build sign-extends;
// RegKey keeps its 32-bit value on both.
bool IsPredefined(RegKey key) {
  return key >= 0x80000000u && key <= 0x80000006u;
}

HKEY ToHkey(RegKey key) {
  if (IsPredefined(key)) {
    const auto value = static_cast<LONG>(static_cast<std::uint32_t>(key));
    return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(value));
  }
  return reinterpret_cast<HKEY>(key);
}

RegKey FromHkey(HKEY key) {
  const auto value = reinterpret_cast<ULONG_PTR>(key);
  const auto low = static_cast<std::uint32_t>(value);
  if (IsPredefined(low) && reinterpret_cast<ULONG_PTR>(ToHkey(low)) == value)
    return low;
  return value;
}

using NtQueryKeyFunction = LONG(NTAPI*)(HANDLE, int, void*, ULONG, ULONG*);
constexpr int kKeyNameInformation = 3;
constexpr auto kStatusBufferOverflow = static_cast<LONG>(0x80000005u);
constexpr auto kStatusBufferTooSmall = static_cast<LONG>(0xC0000023u);

NtQueryKeyFunction NtQueryKeyEntry() {
  static const NtQueryKeyFunction entry = [] {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    FARPROC proc = ntdll != nullptr ? GetProcAddress(ntdll, "NtQueryKey") : nullptr;
    return reinterpret_cast<NtQueryKeyFunction>(reinterpret_cast<void (*)()>(proc));
  }();
  return entry;
}

// The kernel's name of an open key, such as \REGISTRY\MACHINE\SOFTWARE; empty when there is
// none (a deleted key, say).
std::u16string KernelName(HKEY key) {
  const NtQueryKeyFunction query = NtQueryKeyEntry();
  if (query == nullptr)
    return {};
  std::vector<std::uint8_t> buffer(512);
  for (int attempt = 0; attempt < 4; ++attempt) {
    ULONG written = 0;
    const LONG status =
        query(key, kKeyNameInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &written);
    if ((status == kStatusBufferOverflow || status == kStatusBufferTooSmall) &&
        written > buffer.size()) {
      buffer.resize(written);
      continue;
    }
    if (status != 0 || written < sizeof(ULONG) || written > buffer.size())
      return {};
    ULONG length = 0;
    std::memcpy(&length, buffer.data(), sizeof length);
    if (length > written - sizeof(ULONG) || length % 2 != 0)
      return {};
    std::u16string name(length / 2, u'\0');
    std::memcpy(name.data(), buffer.data() + sizeof(ULONG), length);
    return name;
  }
  return {};
}

// True when `name` is `prefix` or starts with it and a backslash; ASCII letters without case,
// since Wine says \REGISTRY\Machine where Windows says \REGISTRY\MACHINE.
bool HasRoot(std::u16string_view name, std::u16string_view prefix) {
  if (prefix.empty() || name.size() < prefix.size() ||
      (name.size() > prefix.size() && name[prefix.size()] != u'\\')) {
    return false;
  }
  const auto upper = [](char16_t c) {
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 0x20) : c;
  };
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (upper(name[i]) != upper(prefix[i]))
      return false;
  }
  return true;
}

// \REGISTRY\USER\<the user's SID>: what HKEY_CURRENT_USER stands for.
const std::u16string& CurrentUserName() {
  static const std::u16string name = [] {
    HKEY key = nullptr;
    if (RegOpenCurrentUser(KEY_READ, &key) != ERROR_SUCCESS)
      return std::u16string();
    std::u16string found = KernelName(key);
    RegCloseKey(key);
    return found;
  }();
  return name;
}

class Win32Registry final : public platform::Registry {
 public:
  WinError OpenKey(RegKey parent, const char* subKey, RegKey& result) override {
    HKEY key = nullptr;
    const LONG error = RegOpenKeyA(ToHkey(parent), subKey, &key);
    if (error == ERROR_SUCCESS)
      result = FromHkey(key);
    return static_cast<WinError>(error);
  }

  WinError OpenKeyEx(RegKey parent, const char* subKey, std::uint32_t access,
                     RegKey& result) override {
    HKEY key = nullptr;
    const LONG error = RegOpenKeyExA(ToHkey(parent), subKey, 0, access, &key);
    if (error == ERROR_SUCCESS)
      result = FromHkey(key);
    return static_cast<WinError>(error);
  }

  WinError CreateKey(RegKey parent, const char* subKey, RegKey& result) override {
    HKEY key = nullptr;
    const LONG error = RegCreateKeyA(ToHkey(parent), subKey, &key);
    if (error == ERROR_SUCCESS)
      result = FromHkey(key);
    return static_cast<WinError>(error);
  }

  WinError DeleteKey(RegKey parent, const char* subKey) override {
    return static_cast<WinError>(RegDeleteKeyA(ToHkey(parent), subKey));
  }

  WinError QuerySubKeyCount(RegKey key, std::uint32_t& count) override {
    DWORD subKeys = 0;
    const LONG error = RegQueryInfoKeyA(ToHkey(key), nullptr, nullptr, nullptr, &subKeys, nullptr,
                                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    if (error == ERROR_SUCCESS)
      count = subKeys;
    return static_cast<WinError>(error);
  }

  WinError EnumKey(RegKey key, std::uint32_t index, char* name,
                   std::uint32_t& nameLength) override {
    DWORD length = nameLength;
    const LONG error =
        RegEnumKeyExA(ToHkey(key), index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (error == ERROR_SUCCESS)
      nameLength = length;
    return static_cast<WinError>(error);
  }

  WinError QueryValue(RegKey key, const char* valueName, std::uint32_t* type, std::uint8_t* data,
                      std::uint32_t* dataLength) override {
    DWORD foundType = 0;
    DWORD length = dataLength != nullptr ? *dataLength : 0;
    const LONG error =
        RegQueryValueExA(ToHkey(key), valueName, nullptr, type != nullptr ? &foundType : nullptr,
                         data, dataLength != nullptr ? &length : nullptr);
    if (error == ERROR_SUCCESS || error == ERROR_MORE_DATA) {
      if (type != nullptr)
        *type = foundType;
      if (dataLength != nullptr)
        *dataLength = length;
    }
    return static_cast<WinError>(error);
  }

  WinError SetValue(RegKey key, const char* valueName, std::uint32_t type, const std::uint8_t* data,
                    std::uint32_t dataLength) override {
    return static_cast<WinError>(RegSetValueExA(ToHkey(key), valueName, 0, type, data, dataLength));
  }

  WinError CloseKey(RegKey key) override { return static_cast<WinError>(RegCloseKey(ToHkey(key))); }

  std::string KeyPath(RegKey key) override {
    if (key == platform::kLocalMachine)
      return "HKEY_LOCAL_MACHINE";
    if (key == platform::kCurrentUser)
      return "HKEY_CURRENT_USER";
    const std::u16string name = KernelName(ToHkey(key));
    struct Root {
      std::u16string_view kernel;
      std::u16string_view win32;
    };
    const Root roots[] = {
        {u"\\REGISTRY\\MACHINE", u"HKEY_LOCAL_MACHINE"},
        {CurrentUserName(), u"HKEY_CURRENT_USER"},
        {u"\\REGISTRY\\USER", u"HKEY_USERS"},
    };
    for (const Root& root : roots) {
      if (!HasRoot(name, root.kernel))
        continue;
      std::u16string path(root.win32);
      path.append(name, root.kernel.size());
      std::string converted;
      return Utf16ToCp936(path, converted) ? converted : std::string();
    }
    return {};
  }
};

}  // namespace

std::unique_ptr<platform::Registry> MakeRegistry() {
  return std::make_unique<Win32Registry>();
}

bool RegistryIsRedirected() {
  BOOL wow64 = FALSE;
  return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

bool IsWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace torvek::win32
