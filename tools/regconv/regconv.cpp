// regconv IN.reg OUT.reg --to utf16|utf8|regedit4 [--key PATH]
//
// Converts a .reg file between its encodings by reading it into a registry and writing that
// out again. The repository keeps its .reg files in UTF-8; `wine reg import` wants them in
// UTF-16 or in the ANSI code page. Without --key it writes all of HKEY_LOCAL_MACHINE, and
// HKEY_CURRENT_USER when the file gave it anything.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "common/portable/memory_registry.h"
#include "common/portable/reg_file.h"
#include "common/text/code_page.h"

namespace {

using torvek::portable::MemoryRegistry;
using torvek::portable::RegFileFormat;

int Usage() {
  std::cerr << "usage: regconv IN.reg OUT.reg --to utf16|utf8|regedit4 [--key PATH]\n";
  return 2;
}

bool ReadFile(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

bool HasContent(MemoryRegistry& registry, torvek::platform::RegKey root) {
  std::string name;
  torvek::portable::RegValue value;
  return registry.EnumKeyName(root, 0, name) == torvek::platform::kErrorSuccess ||
         registry.EnumValue(root, 0, value) == torvek::platform::kErrorSuccess;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5)
    return Usage();
  const std::string in = argv[1];
  const std::string out = argv[2];
  std::string to;
  std::vector<std::string> keys;
  for (int i = 3; i + 1 < argc; i += 2) {
    const std::string_view option = argv[i];
    if (option == "--to") {
      to = argv[i + 1];
    } else if (option == "--key") {
#ifdef _WIN32
      keys.emplace_back(argv[i + 1]);  // already the ANSI code page
#else
      std::string key;
      if (!torvek::Utf8ToCp936(argv[i + 1], key)) {
        std::cerr << "regconv: --key " << argv[i + 1] << " has no code page 936 form\n";
        return 2;
      }
      keys.push_back(std::move(key));
#endif
    } else {
      return Usage();
    }
  }
  if (argc % 2 == 0)
    return Usage();
  RegFileFormat format;
  if (to == "utf16")
    format = RegFileFormat::kUtf16;
  else if (to == "utf8")
    format = RegFileFormat::kUtf8;
  else if (to == "regedit4")
    format = RegFileFormat::kRegedit4;
  else
    return Usage();

  std::string bytes;
  if (!ReadFile(in, bytes)) {
    std::cerr << "regconv: cannot read " << in << '\n';
    return 1;
  }
  // The view does not matter to .reg files; a 32-bit machine's adds no Wow6432Node of its own.
  MemoryRegistry registry(torvek::portable::RegistryView::kPlain32);
  if (const auto result = torvek::portable::ImportRegFile(registry, bytes); !result.ok()) {
    std::cerr << in << ':' << result.line << ": " << result.message << '\n';
    return 1;
  }
  if (keys.empty()) {
    keys.emplace_back("HKEY_LOCAL_MACHINE");
    if (HasContent(registry, torvek::platform::kCurrentUser))
      keys.emplace_back("HKEY_CURRENT_USER");
  }
  std::string written;
  if (const auto result = torvek::portable::ExportRegFile(registry, format, written, keys);
      !result.ok()) {
    std::cerr << "regconv: " << result.message << '\n';
    return 1;
  }
  if (!WriteFile(out, written)) {
    std::cerr << "regconv: cannot write " << out << '\n';
    return 1;
  }
  return 0;
}
