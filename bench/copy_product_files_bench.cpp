// How CopyProductFiles, through the portable file system, compares with cp copying the same
// kit: 1000 files of mixed sizes, each copy into a fresh product folder, runs interleaved so
// that both meet the same disk cache, each going first in every other run. Each run copies into
// folders of its own: a folder emptied and filled again makes the file system hunt through the
// inodes it just freed, which would measure the disk's bookkeeping rather than the copy. Prints the
// median of each and their ratio.
//
//   copy_product_files_bench [RUNS] [FOLDER]   (FOLDER: where to work, the temporary folder)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>  // the clocks: <chrono> cannot be compiled to code page 936
#include <vector>

#include "bench/copy_bench_kit.h"
#include "common/portable/host_file_system.h"
#include "installer/engine/product_copier.h"

namespace {

namespace fs = std::filesystem;
using torvek::bench::Median;

double Seconds(std::chrono::steady_clock::duration duration) {
  return std::chrono::duration<double>(duration).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  std::error_code error;
  const fs::path root =
      (argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path()) / "torvek-copy-bench";
  fs::remove_all(root, error);
  torvek::bench::MakeKit(root / "d" / "Kit");

  std::vector<double> ours;
  std::vector<double> cp;
  const auto copyOurs = [&](const std::string& name) {
    fs::create_directories(root / ("c" + name) / "Program Files");
    torvek::portable::HostFileSystem files({{'C', root / ("c" + name)}, {'D', root / "d"}},
                                           "D:\\Kit", "C:\\Temp\\");
    torvek::bench::QuietPage page;
    torvek::engine::ProductCopier copier(files, "C:\\Program Files", page);
    const auto start = std::chrono::steady_clock::now();
    if (!copier.CopyProductFiles())
      return false;
    ours.push_back(Seconds(std::chrono::steady_clock::now() - start));
    return true;
  };
  const auto copyCp = [&](const std::string& name) {
    fs::create_directories(root / ("cp" + name));
    const std::string command = "cp -p '" + (root / "d" / "Kit").string() + "'/* '" +
                                (root / ("cp" + name)).string() + "'/";
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0)
      return false;
    cp.push_back(Seconds(std::chrono::steady_clock::now() - start));
    return true;
  };
  // Which of the two goes first changes from run to run: the first to create files after a
  // large deletion (the last run's, another program's) pays for the file system's search
  // through the inodes just freed.
  for (int run = 0; run < runs; ++run) {
    const std::string name = std::to_string(run);
    const bool oursFirst = run % 2 == 0;
    if (!(oursFirst ? copyOurs(name) && copyCp(name) : copyCp(name) && copyOurs(name))) {
      std::fprintf(stderr, "a copy failed\n");
      return 1;
    }
  }
  fs::remove_all(root, error);

  const double oursMedian = Median(ours);
  const double cpMedian = Median(cp);
  std::printf("CopyProductFiles, %d files: %.3f s (median of %d)\n", torvek::bench::kKitFiles,
              oursMedian, runs);
  std::printf("cp -p of the same files:      %.3f s\n", cpMedian);
  std::printf("ratio CopyProductFiles / cp:  %.2f\n", oursMedian / cpMedian);
  return 0;
}
