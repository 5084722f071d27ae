// How CopyProductFiles, through the portable file system, compares with cp copying the same
// kit: 1000 files of mixed sizes, each copy into a fresh product folder, runs interleaved so
// that both meet the same disk cache. Each run copies into folders of its own: a folder
// emptied and filled again makes the file system hunt through the inodes it just freed, which
// would measure the disk's bookkeeping rather than the copy. Prints the median of each and
// their ratio.
//
//   copy_product_files_bench [RUNS] [FOLDER]   (FOLDER: where to work, the temporary folder)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>  // the clocks: <chrono> cannot be compiled to code page 936
#include <vector>

#include "common/portable/host_file_system.h"
#include "installer/engine/product_copier.h"

namespace {

namespace fs = std::filesystem;
using torvek::engine::InstallPage;
using torvek::engine::InstallProgress;

class QuietPage : public InstallPage, public InstallProgress {
 public:
  InstallProgress& Progress() override { return *this; }
  torvek::platform::MessageBoxAnswer Ask(const char*, const char*,
                                         torvek::platform::MessageBoxButtons,
                                         torvek::platform::MessageBoxIcon) override {
    return torvek::platform::MessageBoxAnswer::kAbort;
  }
  void CloseAsCancelled() override {}
  void SetRange(int, int) override {}
  void SetStep(int) override {}
  void SetPos(int) override {}
  void StepIt() override {}
};

// Sizes from 200 bytes to 2 MB, most of them small, as a kit's settings, libraries and
// modules are: 1000 files, about 60 MB in all.
void MakeKit(const fs::path& kit) {
  fs::create_directories(kit);
  std::mt19937 random(20140108);
  std::vector<char> bytes(2 << 20);
  for (char& byte : bytes)
    byte = static_cast<char>(random());
  for (int i = 0; i < 1000; ++i) {
    const std::size_t size = i % 100 == 0 ? (2u << 20) : i % 10 == 0 ? 200'000u : 200u + 37u * i;
    std::ofstream(kit / ("FILE" + std::to_string(i) + ".DAT"), std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(size));
  }
}

double Seconds(std::chrono::steady_clock::duration duration) {
  return std::chrono::duration<double>(duration).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  std::error_code error;
  const fs::path root =
      (argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path()) / "torvek-copy-bench";
  fs::remove_all(root, error);
  MakeKit(root / "d" / "Kit");

  std::vector<double> ours;
  std::vector<double> cp;
  for (int run = 0; run < runs; ++run) {
    const std::string name = std::to_string(run);
    fs::create_directories(root / ("c" + name) / "Program Files");
    torvek::portable::HostFileSystem files({{'C', root / ("c" + name)}, {'D', root / "d"}},
                                           "D:\\Kit", "C:\\Temp\\");
    QuietPage page;
    torvek::engine::ProductCopier copier(files, "C:\\Program Files", page);
    auto start = std::chrono::steady_clock::now();
    if (!copier.CopyProductFiles()) {
      std::fprintf(stderr, "the copy failed\n");
      return 1;
    }
    ours.push_back(Seconds(std::chrono::steady_clock::now() - start));

    fs::create_directories(root / ("cp" + name));
    const std::string command = "cp -p '" + (root / "d" / "Kit").string() + "'/* '" +
                                (root / ("cp" + name)).string() + "'/";
    start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) {
      std::fprintf(stderr, "cp failed\n");
      return 1;
    }
    cp.push_back(Seconds(std::chrono::steady_clock::now() - start));
  }
  fs::remove_all(root, error);

  const double oursMedian = Median(ours);
  const double cpMedian = Median(cp);
  std::printf("CopyProductFiles, 1000 files: %.3f s (median of %d)\n", oursMedian, runs);
  std::printf("cp -p of the same files:      %.3f s\n", cpMedian);
  std::printf("ratio CopyProductFiles / cp:  %.2f\n", oursMedian / cpMedian);
  return 0;
}
