// acadscan: what the installer sees of the AutoCAD installations on a machine, for support
// staff. Reads a .reg file (or, on Windows, the live registry, which it never writes), runs
// the installer's own discovery and prints, per release, each install location with the full
// path of its product key. With --install-folder and --releases it also registers the module
// on the loaded copy and exports the result.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "common/portable/host_file_system.h"
#include "common/portable/memory_registry.h"
#include "common/portable/reg_file.h"
#include "common/text/code_page.h"
#include "common/text/strip_trailing_backslash.h"
#include "installer/acad/acad_install_table.h"
#include "tools/acadscan/read_only_registry.h"
#ifdef _WIN32
#include "common/win32/win32_registry.h"
#endif

namespace {

using namespace torvek;

constexpr char kHelp[] = R"help(usage: acadscan [--machine 64|32] [MACHINE.reg]
       acadscan [--machine 64|32] MACHINE.reg --install-folder FOLDER --releases 2008,2014
                [--drive C=DIR]... [--export OUT.reg] [--export-utf8]

Runs the installer's AutoCAD discovery and prints what it finds, release by release
(2000 to 2015 in the installer's order): for each installation its install location (the
AcadLocation value, as the installer reads it) and the full registry path of its product key
(the key holding ProductName, below which the installer registers the module).

  MACHINE.reg      a registry export (REGEDIT4, version 5.00 in UTF-16 or UTF-8). Without it,
                   on Windows, the live registry is read; it is never written.
  --machine 64     (default) the file is a 64-bit Windows registry as the 64-bit regedit
                   exports it, seen as the 32-bit installer sees it: SOFTWARE\X is
                   SOFTWARE\Wow6432Node\X, so 32-bit installations are found (2006 and 2008
                   twice, once by each of the installer's two scans) and 64-bit ones are not.
  --machine 32     the file is a 32-bit Windows registry: paths read as written.

With a .reg file only:
  --install-folder FOLDER   the folder the user would install into (C:\Program Files)
  --releases LIST           the chosen releases, comma-separated years
      registers the toolbox module for the chosen releases on the loaded copy, as the
      installer does: Applications\Torvek<year> below each product key, and the acad.rx
      rewrite of each install location on the drives given with --drive (others are skipped).
  --drive C=DIR    maps a drive letter to a folder of this machine (repeatable)
  --export OUT.reg writes the resulting registry (all of HKEY_LOCAL_MACHINE), as the 64-bit
                   regedit would: version 5.00, UTF-16; --export-utf8 writes UTF-8 instead.

Output lines: "AutoCAD <year>: <n> installation(s)" or "none", then per installation
"  <install location>" and "    product key <registry path>".
Exit status: 0 done, 1 a file could not be read or written, 2 bad arguments.
)help";

struct Options {
  bool help = false;
  bool plain32 = false;
  std::string regFile;
  std::string installFolder;
  std::vector<int> releases;
  std::map<char, std::string> drives;
  std::string exportFile;
  bool exportUtf8 = false;
  bool registering = false;
};

// Text of the programs is code page 936; a Linux terminal and its arguments speak UTF-8.
std::string ToConsole(const std::string& text) {
#ifdef _WIN32
  return text;
#else
  std::string utf8;
  return Cp936ToUtf8(text, utf8) ? utf8 : text;
#endif
}

std::string FromArgument(const char* argument) {
#ifdef _WIN32
  return argument;
#else
  std::string text;
  return Utf8ToCp936(argument, text) ? text : std::string(argument);
#endif
}

bool ParseReleases(const std::string& list, std::vector<int>& releases) {
  std::stringstream stream(list);
  std::string item;
  while (std::getline(stream, item, ',')) {
    char* end = nullptr;
    const long year = std::strtol(item.c_str(), &end, 10);
    if (item.empty() || *end != '\0' || !acad::ReleaseIndexOf(static_cast<int>(year))) {
      return false;
    }
    releases.push_back(static_cast<int>(year));
  }
  return !releases.empty();
}

bool Parse(int argc, char** argv, Options& options, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    const bool hasValue = i + 1 < argc;
    if (argument == "--help" || argument == "-h") {
      options.help = true;
    } else if (argument == "--machine" && hasValue) {
      const std::string kind = argv[++i];
      if (kind != "64" && kind != "32") {
        error = "--machine takes 64 or 32";
        return false;
      }
      options.plain32 = kind == "32";
    } else if (argument == "--install-folder" && hasValue) {
      options.installFolder = FromArgument(argv[++i]);
    } else if (argument == "--releases" && hasValue) {
      if (!ParseReleases(argv[++i], options.releases)) {
        error = "--releases takes years from 2000 to 2015, such as 2008,2014";
        return false;
      }
    } else if (argument == "--drive" && hasValue) {
      const std::string mapping = argv[++i];
      if (mapping.size() < 3 || mapping[1] != '=' || !std::isalpha(mapping[0])) {
        error = "--drive takes LETTER=DIR, such as C=/tmp/machine/c";
        return false;
      }
      options.drives[static_cast<char>(std::toupper(mapping[0]))] = mapping.substr(2);
    } else if (argument == "--export" && hasValue) {
      options.exportFile = argv[++i];
    } else if (argument == "--export-utf8") {
      options.exportUtf8 = true;
    } else if (!argument.empty() && argument[0] != '-' && options.regFile.empty()) {
      options.regFile = argument;
    } else {
      error = "unknown or incomplete argument: " + argument;
      return false;
    }
  }
  options.registering = !options.installFolder.empty() || !options.releases.empty();
  if (options.registering && (options.installFolder.empty() || options.releases.empty())) {
    error = "--install-folder and --releases go together";
    return false;
  }
  if ((options.registering || !options.exportFile.empty()) && options.regFile.empty()) {
    error =
        "registering and exporting work on a .reg file only; the live registry is never written";
    return false;
  }
  return true;
}

bool ReadFile(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

void PrintInstallations(const acad::AcadInstallTable& table, platform::Registry& registry) {
  for (int release = 0; release < acad::kReleaseCount; ++release) {
    const int count = table.LocationCount(release);
    const int year = acad::kReleaseYears[static_cast<std::size_t>(release)];
    if (count == 0) {
      std::printf("AutoCAD %d: none\n", year);
      continue;
    }
    std::printf("AutoCAD %d: %d installation%s\n", year, count, count == 1 ? "" : "s");
    for (int k = 0; k < count; ++k) {
      std::printf("  %s\n", ToConsole(table.Location(release, k)).c_str());
      std::printf("    product key %s\n",
                  ToConsole(registry.KeyPath(table.ProductKey(release, k))).c_str());
    }
  }
}

int Run(const Options& options) {
  std::unique_ptr<platform::Registry> live;
  std::unique_ptr<portable::MemoryRegistry> loaded;
  platform::Registry* registry = nullptr;
  if (options.regFile.empty()) {
#ifdef _WIN32
    live = std::make_unique<tools::ReadOnlyRegistry>(win32::MakeRegistry());
    registry = live.get();
#else
    std::fprintf(stderr, "acadscan: give a .reg file (the live registry is Windows' alone)\n");
    return 2;
#endif
  } else {
    std::string bytes;
    if (!ReadFile(options.regFile, bytes)) {
      std::fprintf(stderr, "acadscan: cannot read %s\n", options.regFile.c_str());
      return 1;
    }
    loaded = std::make_unique<portable::MemoryRegistry>(
        options.plain32 ? portable::RegistryView::kPlain32 : portable::RegistryView::kWow64);
    const portable::RegFileResult result = portable::ImportRegFile(*loaded, bytes);
    if (!result.ok()) {
      std::fprintf(stderr, "acadscan: %s:%zu: %s\n", options.regFile.c_str(), result.line,
                   result.message.c_str());
      return 1;
    }
    registry = loaded.get();
  }

  std::map<char, std::filesystem::path> drives;
  for (const auto& [letter, folder] : options.drives)
    drives[letter] = folder;
  portable::HostFileSystem files(drives, "C:\\", "C:\\Temp\\");
  acad::AcadInstallTable table(*registry, files);
  table.DiscoverAcadInstallations();
  PrintInstallations(table, *registry);

  if (options.registering) {
    acad::ReleaseChoices chosen{};
    for (int year : options.releases) {
      chosen[static_cast<std::size_t>(*acad::ReleaseIndexOf(year))] = 1;
    }
    table.SetInstallFolder(StripTrailingBackslash(options.installFolder));
    table.RegisterArxModules(chosen);
  }
  if (!options.exportFile.empty()) {
    std::string out;
    const portable::RegFileResult result = portable::ExportRegFile(
        *loaded,
        options.exportUtf8 ? portable::RegFileFormat::kUtf8 : portable::RegFileFormat::kUtf16, out);
    std::ofstream file(options.exportFile, std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    if (!result.ok() || !file.good()) {
      std::fprintf(stderr, "acadscan: cannot write %s\n", options.exportFile.c_str());
      return 1;
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  std::string error;
  if (!Parse(argc, argv, options, error)) {
    std::fprintf(stderr, "acadscan: %s\n(acadscan --help tells more)\n", error.c_str());
    return 2;
  }
  if (options.help) {
    std::fputs(kHelp, stdout);
    return 0;
  }
  return Run(options);
}
