// OleLoadPicture on the one-frame streams of an animation, under Wine or Windows: the time of
// each load (the frame splitter cuts the stream into a fresh block, the picture is loaded from
// a stream that owns it and kept) and of each Render of the kept pictures onto a canvas, by
// QueryPerformanceCounter. Google Benchmark is not to be had for mingw.
//
//   ole_picture_bench_win32.exe FILE [ROUNDS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "common/win32/gdi_display.h"
#include "common/win32/ole_picture_loader.h"
#include "common/win32/ole_session.h"
#include "viewer/gif_stream.h"

namespace {

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER value;
    QueryPerformanceFrequency(&value);
    return value;
  }();
  LARGE_INTEGER count;
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::vector<std::uint8_t> ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>());
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: ole_picture_bench_win32 FILE [ROUNDS]\n");
    return 2;
  }
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  torvek::win32::OleSession ole;
  const std::vector<std::uint8_t> file = ReadFile(argv[1]);
  torvek::viewer::GifStream splitter;
  std::int32_t screenWidth = 0;
  std::int32_t screenHeight = 0;
  if (!splitter.BeginGif(file.data(), static_cast<std::uint32_t>(file.size()), screenWidth,
                         screenHeight)) {
    std::fprintf(stderr, "%s is not a GIF\n", argv[1]);
    return 1;
  }
  torvek::win32::OlePictureLoader loader;
  torvek::win32::GdiDisplay display;
  std::vector<double> loads;
  std::vector<double> renders;
  std::size_t frames = 0;
  for (int round = 0; round < rounds; ++round) {
    std::vector<std::unique_ptr<torvek::platform::Picture>> pictures;
    splitter.RewindToFirstBlock();
    const double loadStart = Now();
    for (;;) {
      torvek::viewer::GifFrameValues values;
      torvek::platform::MemoryBlock block = splitter.ExtractNextFrame(values);
      if (!block.IsValid())
        break;
      pictures.push_back(
          loader.LoadOwned(std::move(block), static_cast<std::uint32_t>(values.streamSize)));
    }
    loads.push_back((Now() - loadStart) /
                    static_cast<double>(std::max<std::size_t>(pictures.size(), 1)));
    frames = pictures.size();
    int width = 1;
    int height = 1;
    for (const auto& picture : pictures) {
      if (picture != nullptr) {
        width = std::max(width, MulDiv(picture->ExtentWidth(), 96, 2540));
        height = std::max(height, MulDiv(picture->ExtentHeight(), 96, 2540));
      }
    }
    auto canvas = display.CreateCanvas(0, width, height);
    const double renderStart = Now();
    int drawn = 0;
    for (const auto& picture : pictures) {
      if (picture != nullptr && canvas != nullptr &&
          torvek::platform::RenderWhole(*picture, *canvas, 0, 0,
                                        MulDiv(picture->ExtentWidth(), 96, 2540),
                                        MulDiv(picture->ExtentHeight(), 96, 2540)))
        ++drawn;
    }
    GdiFlush();
    renders.push_back((Now() - renderStart) / std::max(drawn, 1));
  }
  std::printf(
      "%s: %zu frames, median of %d rounds: OleLoadPicture %.3f ms a frame, Render %.3f "
      "ms a frame\n",
      argv[1], frames, rounds, Median(loads) * 1000, Median(renders) * 1000);
  return 0;
}
