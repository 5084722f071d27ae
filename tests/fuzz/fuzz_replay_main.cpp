// A plain main for a fuzz target: runs every file of the folders (or the files) it is given
// through LLVMFuzzerTestOneInput once, so that a GCC build under ASan and UBSan replays a
// corpus without clang or libFuzzer. A crash or a sanitizer's report ends the run.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/fuzz/fuzz_target.h"

namespace {

bool Replay(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in)
    return false;
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                        std::istreambuf_iterator<char>()};
  LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int replayed = 0;
  for (int k = 1; k < argc; ++k) {
    std::error_code error;
    const std::filesystem::path path = argv[k];
    if (!std::filesystem::is_directory(path, error)) {
      if (!Replay(path)) {
        std::fprintf(stderr, "cannot read %s\n", argv[k]);
        return 2;
      }
      ++replayed;
      continue;
    }
    for (const auto& entry : std::filesystem::directory_iterator(path, error)) {
      if (!entry.is_regular_file())
        continue;
      if (!Replay(entry.path())) {
        std::fprintf(stderr, "cannot read %s\n", entry.path().string().c_str());
        return 2;
      }
      ++replayed;
    }
    if (error) {
      std::fprintf(stderr, "cannot list %s\n", argv[k]);
      return 2;
    }
  }
  std::printf("%d inputs replayed\n", replayed);
  // An empty corpus replays nothing, and proves nothing.
  return replayed > 0 ? 0 : 1;
}
