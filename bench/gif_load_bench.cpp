// The animation control's whole load natively: LoadFromMemory (count, split, decode every
// frame through the portable loader, prepare the canvas) against giflib's DGifSlurp of the same
// file, on each demonstration and on the third-party animations of the GIF test data. Both run
// in every iteration, one after the other, and are timed in processor time, so that the ratio
// holds on a machine that is busy with other work. decode_ms is the part of the load spent in
// the picture loader.
//
// Heap/140: the heap bytes a load of demonstration 140 adds (mallinfo2, the caller's copy of
// the file included), against its frames' areas + 768 bytes a frame + the file's size + the
// canvas.
//
//   gif_load_bench [--benchmark_filter=...]
//   (TORVEK_DEMONSTRATION_DIR: the built demonstrations; TORVEK_TESTDATA_DIR: the test data)
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/giflib_slurp.h"
#include "bench/timed_picture_loader.h"
#include "common/portable/embedded_resources.h"
#include "common/portable/memory_display.h"
#include "common/portable/portable_picture_loader.h"
#include "viewer/gif_animation.h"

namespace {

using torvek::platform::MemoryBlock;
using Bytes = std::vector<std::uint8_t>;

const char* const kDemonstrations[] = {"133", "134", "135", "136", "137", "138",
                                       "139", "140", "141", "143", "144"};
const char* const kThirdParty[] = {
    "wuffs-test-data/gifplayer-muybridge.gif",
    "wuffs-test-data/muybridge.gif",
    "image-rs-gif-tests/tests/samples/sample_big.gif",
    "image-rs-gif-tests/tests/samples/moon_impact.gif",
    "libnsgif-test/test/data/waves.gif",
};

std::string Folder(const char* variable, const char* fallback) {
  const char* value = std::getenv(variable);
  return std::string(value != nullptr ? value : fallback) + "/";
}

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

double ProcessorSeconds() {
  return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

MemoryBlock CopyToBlock(const Bytes& file) {
  MemoryBlock block = MemoryBlock::Allocate(file.size(), MemoryBlock::Kind::kMoveable);
  std::memcpy(block.Lock(), file.data(), file.size());
  block.Unlock();
  return block;
}

// The player as the viewer runs it natively, with no window and no companions.
struct Player {
  torvek::portable::MemoryDisplay display;
  torvek::portable::PortablePictureLoader decoder;
  torvek::bench::TimedPictureLoader pictures{decoder, ProcessorSeconds};
  torvek::portable::EmbeddedResources noResources{{}};
  torvek::viewer::GifAnimation animation{{noResources, pictures, display}};

  Player() {
    // The control of the viewer's dialog is larger than every demonstration.
    animation.maxWidth = 1024;
    animation.maxHeight = 768;
  }
};

void LoadAgainstSlurp(benchmark::State& state, const Bytes& file) {
  Player player;
  MemoryBlock block = CopyToBlock(file);
  const auto size = static_cast<std::uint32_t>(file.size());
  double load = 0;
  double decode = 0;
  double slurp = 0;
  for (auto _ : state) {
    player.pictures.Clear();
    const double start = ProcessorSeconds();
    if (!player.animation.LoadFromMemory(block, size)) {
      state.SkipWithError("LoadFromMemory failed");
      return;
    }
    const double loaded = ProcessorSeconds();
    if (torvek::bench::SlurpGif(file) < 0) {
      state.SkipWithError("DGifSlurp failed");
      return;
    }
    load += loaded - start;
    decode += player.pictures.Seconds();
    slurp += ProcessorSeconds() - loaded;
  }
  const auto iterations = static_cast<double>(state.iterations());
  state.counters["frames"] = player.animation.FrameCount();
  state.counters["load_ms"] = load / iterations * 1000;
  state.counters["decode_ms"] = decode / iterations * 1000;
  state.counters["slurp_ms"] = slurp / iterations * 1000;
  state.counters["ratio"] = load / slurp;
}

std::size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

void HeapOfLoad(benchmark::State& state, const Bytes& file) {
  std::size_t added = 0;
  std::uint64_t expected = 0;
  for (auto _ : state) {
    const std::size_t before = HeapInUse();
    auto player = std::make_unique<Player>();
    // The caller's copy of the file, as LoadFromResource makes it.
    MemoryBlock block = CopyToBlock(file);
    if (!player->animation.LoadFromMemory(block, static_cast<std::uint32_t>(file.size()))) {
      state.SkipWithError("LoadFromMemory failed");
      return;
    }
    added = HeapInUse() - before;

    torvek::viewer::GifStream stream;
    std::int32_t width = 0;
    std::int32_t height = 0;
    stream.BeginGif(file.data(), static_cast<std::uint32_t>(file.size()), width, height);
    stream.RewindToFirstBlock();
    expected = file.size() + std::uint64_t{4} * player->animation.CanvasWidth() *
                                 player->animation.CanvasHeight();
    torvek::viewer::GifFrameValues values;
    while (stream.ExtractNextFrame(values).IsValid())
      expected += std::uint64_t{768} + std::uint64_t(values.width) * values.height;
  }
  state.counters["added_bytes"] = static_cast<double>(added);
  state.counters["expected_bytes"] = static_cast<double>(expected);
  state.counters["ratio"] = static_cast<double>(added) / static_cast<double>(expected);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string demonstrations =
      Folder("TORVEK_DEMONSTRATION_DIR", TORVEK_DEFAULT_DEMONSTRATION_DIR);
  const std::string testdata = Folder("TORVEK_TESTDATA_DIR", TORVEK_DEFAULT_TESTDATA_DIR);
  static std::vector<Bytes> files;
  std::vector<std::string> names;
  for (const char* id : kDemonstrations) {
    files.push_back(ReadFile(demonstrations + id + ".gif"));
    names.push_back(std::string(id) + ".gif");
  }
  for (const char* path : kThirdParty) {
    files.push_back(ReadFile(testdata + "gif/" + path));
    names.push_back(std::strrchr(path, '/') + 1);
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    benchmark::RegisterBenchmark(("LoadAgainstSlurp/" + names[i]).c_str(), LoadAgainstSlurp,
                                 files[i])
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RegisterBenchmark("Heap/140", HeapOfLoad, files[7])->Iterations(1);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
