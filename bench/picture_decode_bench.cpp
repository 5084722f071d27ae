// The portable picture loader against giflib's own whole-file decoder, on animations of the
// shared test data. Split and decode: the frame splitter cuts every one-frame stream and the
// loader decodes each into a picture that lives until the file is done, as a load keeps them.
// Decode only: the same on streams cut beforehand. Against DGifSlurp of the whole file. Also
// the bytes the pictures hold.
//
//   picture_decode_bench [--benchmark_...]   (TORVEK_TESTDATA_DIR: the shared test data)
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "bench/giflib_slurp.h"
#include "common/portable/portable_picture_loader.h"
#include "viewer/gif_stream.h"

namespace {

using torvek::platform::MemoryBlock;
using torvek::platform::Picture;
using torvek::viewer::GifFrameValues;
using torvek::viewer::GifStream;
using Bytes = std::vector<std::uint8_t>;

const char* const kFiles[] = {
    "gifplayer-muybridge.gif",
    "sample_big.gif",
    "moon_impact.gif",
    "waves.gif",
};
const char* const kFolders[] = {
    "gif/wuffs-test-data/",
    "gif/image-rs-gif-tests/tests/samples/",
    "gif/image-rs-gif-tests/tests/samples/",
    "gif/libnsgif-test/test/data/",
};

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every one-frame stream of `file`, with its size, as the splitter cuts them.
void CutFrames(const Bytes& file, std::vector<MemoryBlock>& blocks,
               std::vector<std::uint32_t>& sizes) {
  GifStream stream;
  std::int32_t width = 0;
  std::int32_t height = 0;
  if (!stream.BeginGif(file.data(), static_cast<std::uint32_t>(file.size()), width, height))
    return;
  stream.RewindToFirstBlock();
  for (;;) {
    GifFrameValues values;
    MemoryBlock block = stream.ExtractNextFrame(values);
    if (!block.IsValid())
      break;
    sizes.push_back(static_cast<std::uint32_t>(values.streamSize));
    blocks.push_back(std::move(block));
  }
}

void Report(benchmark::State& state, std::size_t frames) {
  state.counters["frames"] = static_cast<double>(frames);
  state.counters["per_frame"] = benchmark::Counter(
      static_cast<double>(frames),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void SplitAndDecode(benchmark::State& state, const Bytes& file) {
  torvek::portable::PortablePictureLoader loader;
  std::vector<std::unique_ptr<Picture>> pictures;
  std::uint64_t held = 0;
  for (auto _ : state) {
    std::vector<MemoryBlock> blocks;
    std::vector<std::uint32_t> sizes;
    CutFrames(file, blocks, sizes);
    for (std::size_t i = 0; i < blocks.size(); ++i)
      pictures.push_back(loader.LoadOwned(std::move(blocks[i]), sizes[i]));
    held = loader.LiveBytes();
    pictures.clear();
  }
  state.counters["held_bytes"] = static_cast<double>(held);
  std::vector<MemoryBlock> blocks;
  std::vector<std::uint32_t> sizes;
  CutFrames(file, blocks, sizes);
  Report(state, blocks.size());
}

void DecodeOnly(benchmark::State& state, const Bytes& file) {
  std::vector<MemoryBlock> blocks;
  std::vector<std::uint32_t> sizes;
  CutFrames(file, blocks, sizes);
  torvek::portable::PortablePictureLoader loader;
  std::vector<std::unique_ptr<Picture>> pictures;
  for (auto _ : state) {
    for (std::size_t i = 0; i < blocks.size(); ++i)
      pictures.push_back(loader.LoadBorrowed(blocks[i], sizes[i]));
    pictures.clear();
  }
  Report(state, blocks.size());
}

void Slurp(benchmark::State& state, const Bytes& file) {
  int frames = 0;
  for (auto _ : state) {
    frames = torvek::bench::SlurpGif(file);
    if (frames < 0) {
      state.SkipWithError("DGifSlurp failed");
      break;
    }
  }
  Report(state, static_cast<std::size_t>(frames));
}

}  // namespace

int main(int argc, char** argv) {
  const char* top = std::getenv("TORVEK_TESTDATA_DIR");
  const std::string root = std::string(top != nullptr ? top : TORVEK_DEFAULT_TESTDATA_DIR) + "/";
  static std::vector<Bytes> files;
  files.reserve(std::size(kFiles));
  for (std::size_t i = 0; i < std::size(kFiles); ++i) {
    files.push_back(ReadFile(root + kFolders[i] + kFiles[i]));
    const std::string name = kFiles[i];
    benchmark::RegisterBenchmark(("SplitAndDecode/" + name).c_str(), SplitAndDecode, files.back())
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("DecodeOnly/" + name).c_str(), DecodeOnly, files.back())
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("DGifSlurp/" + name).c_str(), Slurp, files.back())
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
