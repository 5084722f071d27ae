// gifgen: writes the viewer's demonstrations as <id>.gif into a folder. The same build
// machine writes the same bytes every time: drawing is integer-only and nothing depends on
// the clock, the locale or the order of a hash table.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "tools/gifgen/demonstrations.h"

namespace {

using namespace torvek::gifgen;

constexpr char kHelp[] = R"help(usage: gifgen [--report] OUT_DIR [ID...]

Writes the demonstrations (all, or those given by resource id) as OUT_DIR/<id>.gif.
--report prints, per file, the frames its scene drew before idling and the size.
)help";

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::string temporary = path + ".part";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size())))
      return false;
  }
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  bool report = false;
  std::string outDir;
  std::vector<const Demonstration*> chosen;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) {
      std::fputs(kHelp, stdout);
      return 0;
    }
    if (std::strcmp(argv[i], "--report") == 0) {
      report = true;
    } else if (outDir.empty()) {
      outDir = argv[i];
    } else {
      const Demonstration* demo = FindDemonstration(std::atoi(argv[i]));
      if (demo == nullptr) {
        std::fprintf(stderr, "gifgen: no demonstration %s\n", argv[i]);
        return 2;
      }
      chosen.push_back(demo);
    }
  }
  if (outDir.empty()) {
    std::fputs(kHelp, stderr);
    return 2;
  }
  if (chosen.empty())
    for (const Demonstration& demo : Demonstrations())
      chosen.push_back(&demo);

  for (const Demonstration* demo : chosen) {
    std::vector<std::uint8_t> gif;
    std::string error;
    int sceneFrames = 0;
    if (!RecordDemonstration(*demo, gif, error, &sceneFrames)) {
      std::fprintf(stderr, "gifgen: %d: %s\n", demo->id, error.c_str());
      return 1;
    }
    const std::string path = outDir + "/" + std::to_string(demo->id) + ".gif";
    if (!WriteFile(path, gif)) {
      std::fprintf(stderr, "gifgen: cannot write %s\n", path.c_str());
      return 1;
    }
    if (report)
      std::printf("%d: scene %d of %d frames, %zu bytes\n", demo->id, sceneFrames, demo->frames,
                  gif.size());
  }
  return 0;
}
