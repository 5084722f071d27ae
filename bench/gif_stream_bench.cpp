// The frame splitter's part of a load: the count, then every one-frame stream cut and copied.
// Inputs: an animated screen capture of 380 frames and a large single-image file from the GIF
// test data (TORVEK_TESTDATA_DIR, else ../shared/testdata beside the source tree), and a file
// laid out as the largest demonstration is (643 frames of 826 x 633, 256-colour table, a control
// block and a partial image per frame). Throughput is over the file's size.
//
//   gif_stream_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "viewer/gif_stream.h"

namespace {

using torvek::viewer::GifFrameValues;
using torvek::viewer::GifStream;
using Bytes = std::vector<std::uint8_t>;

Bytes ReadTestFile(const std::string& name) {
  const char* root = std::getenv("TORVEK_TESTDATA_DIR");
  const std::string path =
      std::string(root != nullptr ? root : TORVEK_DEFAULT_TESTDATA_DIR) + "/gif/" + name;
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void PutU16(Bytes& bytes, int value) {
  bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
  bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

// The sizes of the pixel data are those of a recording: a full first frame, then small changes
// with a whole-screen one now and then.
Bytes DemonstrationLike() {
  Bytes file = {'G', 'I', 'F', '8', '9', 'a'};
  PutU16(file, 826);
  PutU16(file, 633);
  file.insert(file.end(), {0xF7, 0, 0});
  for (int i = 0; i < 768; ++i)
    file.push_back(static_cast<std::uint8_t>(i));
  for (int frame = 0; frame < 643; ++frame) {
    file.insert(file.end(), {0x21, 0xF9, 0x04, 0x05, 0, 0, 0xFF, 0});
    file.push_back(0x2C);
    const int width = frame == 0 ? 826 : 40 + frame % 200;
    const int height = frame == 0 ? 633 : 30 + frame % 150;
    PutU16(file, 0);
    PutU16(file, 0);
    PutU16(file, width);
    PutU16(file, height);
    file.push_back(0);
    file.push_back(8);
    std::size_t pixelBytes = frame == 0 || frame % 50 == 0 ? 60000 : 1500 + frame * 7 % 4000;
    while (pixelBytes > 0) {
      const std::size_t size = pixelBytes < 255 ? pixelBytes : 255;
      file.push_back(static_cast<std::uint8_t>(size));
      file.insert(file.end(), size, static_cast<std::uint8_t>(frame | 1));
      pixelBytes -= size;
    }
    file.push_back(0);
  }
  file.push_back(0x3B);
  return file;
}

void Split(benchmark::State& state, const Bytes& file) {
  if (file.empty()) {
    state.SkipWithError("input not found");
    return;
  }
  int frames = 0;
  for (auto _ : state) {
    GifStream gif;
    std::int32_t width = 0, height = 0;
    gif.BeginGif(file.data(), static_cast<std::uint32_t>(file.size()), width, height);
    gif.RewindToFirstBlock();
    frames = 0;
    while (gif.SkipFrame())
      ++frames;
    gif.RewindToFirstBlock();
    GifFrameValues values;
    while (gif.ExtractNextFrame(values).IsValid())
      benchmark::DoNotOptimize(values);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
  state.counters["frames"] = frames;
  state.counters["frames/s"] = benchmark::Counter(static_cast<double>(frames),
                                                  benchmark::Counter::kIsIterationInvariantRate);
}

void Muybridge(benchmark::State& state) {
  static const Bytes file = ReadTestFile("wuffs-test-data/gifplayer-muybridge.gif");
  Split(state, file);
}
void Harvesters(benchmark::State& state) {
  static const Bytes file = ReadTestFile("wuffs-test-data/harvesters.gif");
  Split(state, file);
}
void Demonstration(benchmark::State& state) {
  static const Bytes file = DemonstrationLike();
  Split(state, file);
}

BENCHMARK(Muybridge);
BENCHMARK(Harvesters);
BENCHMARK(Demonstration);

}  // namespace

BENCHMARK_MAIN();
