#include "bench/copy_bench_kit.h"

#include <algorithm>
#include <fstream>
#include <random>

namespace torvek::bench {

void MakeKit(const std::filesystem::path& kit) {
  std::filesystem::create_directories(kit);
  std::mt19937 random(20140108);
  std::vector<char> bytes(2 << 20);
  for (char& byte : bytes)
    byte = static_cast<char>(random());
  for (int i = 0; i < kKitFiles; ++i) {
    const std::size_t size = i % 100 == 0 ? (2u << 20) : i % 10 == 0 ? 200'000u : 200u + 37u * i;
    std::ofstream(kit / ("FILE" + std::to_string(i) + ".DAT"), std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(size));
  }
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace torvek::bench
