// CopyProductFiles through the Win32 layer, as SetUp.exe copies, for a comparison with cp on
// the same files (bench/copy_under_wine.sh runs it under Wine). Timed inside the program with
// QueryPerformanceCounter, so Wine's start-up is not counted.
//
//   copy_product_files_bench_win32 kit FOLDER        makes the kit in FOLDER\d\Kit
//   copy_product_files_bench_win32 copy FOLDER RUN   copies it below FOLDER\cRUN; prints seconds
#include <cstdio>
#include <cstring>
#include <string>

#include "bench/copy_bench_kit.h"
#include "common/win32/win32_file_system.h"
#include "installer/engine/product_copier.h"

#include <windows.h>

namespace {

double Seconds() {
  LARGE_INTEGER count;
  LARGE_INTEGER frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

int Usage() {
  std::fprintf(stderr, "usage: copy_product_files_bench_win32 kit FOLDER | copy FOLDER RUN\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "kit") == 0) {
    torvek::bench::MakeKit(std::string(argv[2]) + "\\d\\Kit");
    return 0;
  }
  if (argc != 4 || std::strcmp(argv[1], "copy") != 0)
    return Usage();
  const std::string folder = argv[2];
  const std::string installFolder = folder + "\\c" + argv[3];
  // The kit's folder is the current directory, as when SetUp.exe is started from it.
  if (!CreateDirectoryA(installFolder.c_str(), nullptr) ||
      !SetCurrentDirectoryA((folder + "\\d\\Kit").c_str())) {
    std::fprintf(stderr, "cannot prepare %s\n", installFolder.c_str());
    return 1;
  }
  const auto files = torvek::win32::MakeFileSystem();
  torvek::bench::QuietPage page;
  torvek::engine::ProductCopier copier(*files, installFolder, page);
  const double start = Seconds();
  if (!copier.CopyProductFiles()) {
    std::fprintf(stderr, "the copy failed\n");
    return 1;
  }
  std::printf("%.4f\n", Seconds() - start);
  return 0;
}
