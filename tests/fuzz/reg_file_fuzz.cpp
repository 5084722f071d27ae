// Fuzz target: untrusted bytes as a registry export, as support staff get them. The reader
// either takes the file or names a line; what it takes goes through the installer's discovery
// and out through the writer in each format, and what the writer writes must read back to the
// same registry (written again, the same bytes). Built with libFuzzer by tools/fuzz.sh, and
// behind a plain main for the test that replays the corpus.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/portable/host_file_system.h"
#include "common/portable/memory_registry.h"
#include "common/portable/reg_file.h"
#include "installer/acad/acad_install_table.h"
#include "tests/fuzz/fuzz_target.h"

namespace {

using torvek::portable::MemoryRegistry;
using torvek::portable::RegFileFormat;
using torvek::portable::RegistryView;

const std::string kRoots[] = {"HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER"};
constexpr std::string_view kWithoutSoftware =
    "Windows Registry Editor Version 5.00\r\n\r\n[-HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n";

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "reg_file_fuzz: %s\n", what);
  std::abort();
}

// Discovery reads every value into 256 bytes and keeps every product key open.
void Discover(MemoryRegistry& registry) {
  torvek::portable::HostFileSystem files({}, "C:\\", "C:\\Temp\\");
  torvek::acad::AcadInstallTable table(registry, files);
  table.DiscoverAcadInstallations();
  for (int release = 0; release < torvek::acad::kReleaseCount; ++release) {
    for (int k = 0; k < table.LocationCount(release); ++k) {
      if (table.Location(release, k).size() > 256)
        Fail("a location longer than the value buffer");
      if (registry.KeyPath(table.ProductKey(release, k)).empty())
        Fail("a product key that is not open");
    }
  }
}

void RoundTrip(MemoryRegistry& registry, RegFileFormat format) {
  std::string first;
  // A registry that a .reg file of this format cannot hold is refused, never written short.
  if (!torvek::portable::ExportRegFile(registry, format, first, kRoots).ok())
    return;
  // A fresh registry has the keys every machine has (HKLM\SOFTWARE, and its Wow6432Node as a
  // 32-bit program sees it). The file may have deleted them, which nothing the writer writes can
  // say, so the copy starts without them.
  MemoryRegistry copy(RegistryView::kWow64);
  if (!torvek::portable::ImportRegFile(copy, kWithoutSoftware).ok())
    Fail("the copy's keys cannot be deleted");
  const torvek::portable::RegFileResult read = torvek::portable::ImportRegFile(copy, first);
  if (!read.ok()) {
    std::fprintf(stderr, "line %zu: %s\n%s\n", read.line, read.message.c_str(), first.c_str());
    Fail("the writer wrote what the reader refuses");
  }
  std::string second;
  if (!torvek::portable::ExportRegFile(copy, format, second, kRoots).ok() || second != first) {
    std::fprintf(stderr, "first:\n%s\nsecond:\n%s\n", first.c_str(), second.c_str());
    Fail("what the writer wrote reads back as another registry");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  MemoryRegistry registry(RegistryView::kWow64);
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const torvek::portable::RegFileResult result = torvek::portable::ImportRegFile(registry, bytes);
  if (!result.ok()) {
    // Only a UTF-16 file cut inside a character has no one line to blame.
    if (result.line == 0 && !bytes.starts_with("\xFF\xFE"))
      Fail("an error that names no line");
    return 0;
  }
  Discover(registry);
  for (const RegFileFormat format :
       {RegFileFormat::kUtf16, RegFileFormat::kUtf8, RegFileFormat::kRegedit4}) {
    RoundTrip(registry, format);
  }
  return 0;
}
