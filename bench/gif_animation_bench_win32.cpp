// The animation control on Windows (or Wine), timed by QueryPerformanceCounter: Google Benchmark
// is not to be had for mingw.
//   - the whole LoadFromMemory of FILE, against the sum of the OleLoadPicture calls alone on the
//     same one-frame streams (each stream made beforehand), and against the picture loader's
//     calls as the load makes them (stream, OleLoadPicture, release);
//   - playing: each frame's Render by the worker with its disposal, and the paint's copy of the
//     canvas onto a screen-sized DIB, for two passes without the waits;
//   - the private bytes of the process after its first load, and what that load added.
// The machine may be busy with other work: the load and OleLoadPicture alone alternate round by
// round, and the ratio is the median of each round's own.
//
//   gif_animation_bench_win32.exe FILE [ROUNDS]
#include <windows.h>

#include <ole2.h>
#include <olectl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "bench/timed_picture_loader.h"
#include "bench/win32_clock.h"
#include "common/platform/manual_reset_event.h"
#include "common/portable/embedded_resources.h"
#include "common/win32/dib_surface.h"
#include "common/win32/gdi_display.h"
#include "common/win32/ole_picture_loader.h"
#include "common/win32/ole_session.h"
#include "viewer/gif_animation.h"

namespace {

using torvek::bench::Median;
using torvek::bench::Now;

using torvek::platform::MemoryBlock;

std::vector<std::uint8_t> ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>());
}

struct PrivateBytes {
  // GetProcessMemoryInfo's PrivateUsage (Wine 8 reports 0).
  SIZE_T usage = 0;
  // The committed pages of the address space, by VirtualQuery: private, and the rest (mapped
  // sections, where Wine keeps the pictures' bitmaps, and images).
  SIZE_T committed = 0;
  SIZE_T mapped = 0;
};

PrivateBytes MeasurePrivateBytes() {
  PrivateBytes bytes;
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof(counters);
  if (GetProcessMemoryInfo(GetCurrentProcess(),
                           reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters)))
    bytes.usage = counters.PrivateUsage;
  MEMORY_BASIC_INFORMATION region;
  for (const char* at = nullptr; VirtualQuery(at, &region, sizeof(region)) == sizeof(region);
       at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT)
      (region.Type == MEM_PRIVATE ? bytes.committed : bytes.mapped) += region.RegionSize;
  }
  return bytes;
}

MemoryBlock CopyToBlock(const std::vector<std::uint8_t>& file) {
  MemoryBlock block = MemoryBlock::Allocate(file.size(), MemoryBlock::Kind::kMoveable);
  std::memcpy(block.Lock(), file.data(), file.size());
  block.Unlock();
  return block;
}

// The seconds OleLoadPicture alone takes on every one-frame stream of `file`: the streams are
// cut and wrapped first, the pictures released after.
double OleLoadPictureAlone(const std::vector<std::uint8_t>& file) {
  torvek::viewer::GifStream splitter;
  std::int32_t width = 0;
  std::int32_t height = 0;
  splitter.BeginGif(file.data(), static_cast<std::uint32_t>(file.size()), width, height);
  splitter.RewindToFirstBlock();
  std::vector<IStream*> streams;
  std::vector<LONG> sizes;
  for (;;) {
    torvek::viewer::GifFrameValues values;
    MemoryBlock block = splitter.ExtractNextFrame(values);
    if (!block.IsValid())
      break;
    IStream* stream = nullptr;
    if (SUCCEEDED(
            CreateStreamOnHGlobal(reinterpret_cast<HGLOBAL>(block.Handle()), TRUE, &stream))) {
      block.Release();
      streams.push_back(stream);
      sizes.push_back(values.streamSize);
    }
  }
  double seconds = 0;
  std::vector<IPicture*> pictures;
  for (std::size_t i = 0; i < streams.size(); ++i) {
    IPicture* picture = nullptr;
    const double start = Now();
    const HRESULT result = OleLoadPicture(streams[i], sizes[i], FALSE, IID_IPicture,
                                          reinterpret_cast<void**>(&picture));
    seconds += Now() - start;
    if (SUCCEEDED(result) && picture != nullptr)
      pictures.push_back(picture);
  }
  for (IPicture* picture : pictures)
    picture->Release();
  for (IStream* stream : streams)
    stream->Release();
  return seconds;
}

struct PlayCost {
  double perFrame = 0;
  double copyPerFrame = 0;
};

// Two passes of the loaded animation without the waits; each frame's canvas is copied to
// `screen` from the hook, on the worker, right after its Render, as a paint would copy it.
PlayCost Play(torvek::viewer::GifAnimation& animation, torvek::platform::Surface& screen) {
  const int frames = 2 * animation.FrameCount();
  torvek::platform::ManualResetEvent done;
  double start = 0;
  double copying = 0;
  double end = 0;
  animation.SetFrameHook({[&](int rendered) {
                            if (rendered == 1)
                              start = Now();
                            const double copyStart = Now();
                            torvek::dialog::ControlDispatch::Paint(animation, screen);
                            copying += Now() - copyStart;
                            if (rendered == frames + 1) {
                              end = Now();
                              done.Set();
                            }
                          },
                          /*skipWaits=*/true});
  animation.Play();
  done.Wait(torvek::platform::kWaitForever);
  animation.Stop();
  // From the first frame's hook to the one after the last: every frame drawn, disposed of and
  // copied once.
  return {(end - start) / frames, copying / (frames + 1)};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: gif_animation_bench_win32 FILE [ROUNDS]\n");
    return 2;
  }
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  torvek::win32::OleSession ole;
  const std::vector<std::uint8_t> file = ReadFile(argv[1]);
  torvek::win32::GdiDisplay display;
  torvek::win32::OlePictureLoader oleLoader;
  torvek::bench::TimedPictureLoader pictures(oleLoader, Now);
  torvek::portable::EmbeddedResources noResources({});

  std::vector<double> loads;
  std::vector<double> loaderCalls;
  std::vector<double> alone;
  std::vector<double> play;
  std::vector<double> copy;
  PrivateBytes before;
  PrivateBytes after;
  int frames = 0;
  for (int round = 0; round < rounds; ++round) {
    // The first load in a fresh process: later ones reuse the heap the earlier ones left.
    if (round == 0)
      before = MeasurePrivateBytes();
    auto animation = std::make_unique<torvek::viewer::GifAnimation>(
        torvek::viewer::ViewerPlatform{noResources, pictures, display});
    // The size of the viewer's picture control: larger than every demonstration.
    animation->maxWidth = 1024;
    animation->maxHeight = 768;
    MemoryBlock block = CopyToBlock(file);
    pictures.Clear();
    const double start = Now();
    if (!animation->LoadFromMemory(block, static_cast<std::uint32_t>(file.size()))) {
      std::fprintf(stderr, "%s: the load failed\n", argv[1]);
      return 1;
    }
    loads.push_back(Now() - start);
    loaderCalls.push_back(pictures.Seconds());
    if (round == 0)
      after = MeasurePrivateBytes();
    frames = animation->FrameCount();

    const auto screen =
        torvek::win32::DibSurface::Create(animation->CanvasWidth(), animation->CanvasHeight());
    if (screen == nullptr || !animation->IsAnimated()) {
      std::fprintf(stderr, "%s: nothing to play\n", argv[1]);
      return 1;
    }
    const PlayCost cost = Play(*animation, *screen);
    play.push_back(cost.perFrame);
    copy.push_back(cost.copyPerFrame);
    animation.reset();
    alone.push_back(OleLoadPictureAlone(file));
    std::printf("  round %d: load %.1f ms, OleLoadPicture alone %.1f ms\n", round + 1,
                loads.back() * 1000, alone.back() * 1000);
  }

  const double load = Median(loads);
  const double oleAlone = Median(alone);
  std::printf("%s: %d frames, median of %d rounds\n", argv[1], frames, rounds);
  std::vector<double> ratios;
  for (std::size_t i = 0; i < loads.size(); ++i)
    ratios.push_back(loads[i] / alone[i]);
  std::printf(
      "  LoadFromMemory %.1f ms; OleLoadPicture alone %.1f ms (%.3f ms a frame): %.1f %% "
      "over it\n",
      load * 1000, oleAlone * 1000, oleAlone * 1000 / std::max(frames, 1),
      (Median(ratios) - 1) * 100);
  std::printf(
      "  the picture loader's calls within the load %.1f ms: the rest of the load %.1f ms\n",
      Median(loaderCalls) * 1000, (load - Median(loaderCalls)) * 1000);
  std::printf("  playing: %.3f ms a frame (Render, disposal and copy), of which the copy %.3f ms\n",
              Median(play) * 1000, Median(copy) * 1000);
  const auto megabytes = [](SIZE_T bytes) { return static_cast<double>(bytes) / 1048576; };
  std::printf(
      "  after the first load: PrivateUsage %.1f MB (%.1f MB added); committed private pages "
      "%.1f MB (%.1f MB added), other committed pages %.1f MB (%.1f MB added)\n",
      megabytes(after.usage), megabytes(after.usage - before.usage), megabytes(after.committed),
      megabytes(after.committed - before.committed), megabytes(after.mapped),
      megabytes(after.mapped - before.mapped));
  return 0;
}
