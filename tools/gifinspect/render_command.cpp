// gifinspect render: the viewer's own player, run headless on the portable picture loader, held
// by its frame hook after the N-th frame while its canvas is painted into a surface. What it
// writes is therefore what the player shows, by the player's rules, not a second compositor's.
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <limits>

#include "common/platform/manual_reset_event.h"
#include "common/platform/surface.h"
#include "common/portable/embedded_resources.h"
#include "common/portable/memory_display.h"
#include "common/portable/portable_picture_loader.h"
#include "common/testing/png_image.h"
#include "tools/gifinspect/command.h"
#include "tools/gifinspect/standard_compositor.h"
#include "viewer/gif_animation.h"

namespace torvek::gifinspect {
namespace {

struct RenderOptions {
  std::string file;
  std::string out;
  bool rgba = false;
  int frames = 0;
  // No clamp unless asked for: a GIF's screen is at most 65535 wide.
  int maxWidth = 0xFFFF;
  int maxHeight = 0xFFFF;
  platform::Colour menuColour = platform::Rgb(240, 240, 240);
  bool standard = false;
  // --max or --menu-colour, which only the player's rules take.
  bool playerOptions = false;
};

// `count` integers from `lowest` to `highest`, separated by `separator`, and nothing else.
bool ParseNumbers(const std::string& text, char separator, int count, int lowest, int highest,
                  int* numbers) {
  const char* at = text.data();
  const char* end = text.data() + text.size();
  for (int k = 0; k < count; ++k) {
    if (k > 0 && (at == end || *at++ != separator))
      return false;
    const auto [next, error] = std::from_chars(at, end, numbers[k]);
    if (error != std::errc() || numbers[k] < lowest || numbers[k] > highest)
      return false;
    at = next;
  }
  return at == end;
}

bool EndsWith(const std::string& text, const char* suffix) {
  const std::size_t length = std::strlen(suffix);
  return text.size() > length && text.compare(text.size() - length, length, suffix) == 0;
}

bool ParseRender(const Arguments& arguments, RenderOptions& options) {
  if (arguments.empty())
    return false;
  options.file = arguments[0];
  for (std::size_t k = 1; k < arguments.size(); ++k) {
    const std::string& option = arguments[k];
    if (option == "--standard") {
      options.standard = true;
      continue;
    }
    if (k + 1 == arguments.size())
      return false;
    const std::string& value = arguments[++k];
    int numbers[3] = {};
    if (option == "--frames" &&
        ParseNumbers(value, ',', 1, 1, std::numeric_limits<int>::max(), numbers)) {
      options.frames = numbers[0];
    } else if (option == "--max" && ParseNumbers(value, 'x', 2, 1, 0xFFFF, numbers)) {
      options.maxWidth = numbers[0];
      options.maxHeight = numbers[1];
      options.playerOptions = true;
    } else if (option == "--menu-colour" && ParseNumbers(value, ',', 3, 0, 255, numbers)) {
      options.menuColour = platform::Rgb(static_cast<std::uint8_t>(numbers[0]),
                                         static_cast<std::uint8_t>(numbers[1]),
                                         static_cast<std::uint8_t>(numbers[2]));
      options.playerOptions = true;
    } else if (option == "--out" && (EndsWith(value, ".rgba") || EndsWith(value, ".png"))) {
      options.out = value;
      options.rgba = EndsWith(value, ".rgba");
    } else {
      return false;
    }
  }
  return options.frames > 0 && !options.out.empty() && !(options.standard && options.playerOptions);
}

bool WriteBytes(const std::vector<std::uint8_t>& bytes, const RenderOptions& options) {
  std::ofstream out(options.out, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

bool WriteCanvas(const platform::Surface& canvas, const RenderOptions& options) {
  std::vector<std::uint8_t> bytes;
  if (options.rgba) {
    bytes.reserve(static_cast<std::size_t>(canvas.Width()) * canvas.Height() * 4);
    for (int y = 0; y < canvas.Height(); ++y) {
      for (int x = 0; x < canvas.Width(); ++x) {
        const platform::Colour colour = canvas.ColourAt(x, y);
        bytes.insert(bytes.end(), {platform::RedOf(colour), platform::GreenOf(colour),
                                   platform::BlueOf(colour), 0xFF});
      }
    }
  } else if (!testing::EncodePng(canvas, bytes)) {
    return false;
  }
  return WriteBytes(bytes, options);
}

int RenderStandard(const std::vector<std::uint8_t>& file, const RenderOptions& options) {
  RgbaImage canvas;
  if (ComposeStandard(file.data(), static_cast<std::uint32_t>(file.size()), options.frames,
                      canvas) != StandardOutcome::kComposed) {
    std::printf("nothing to show\n");
    return kRefused;
  }
  std::vector<std::uint8_t> png;
  if (options.rgba ? !WriteBytes(canvas.pixels, options)
                   : !testing::EncodePngRgba(canvas.width, canvas.height, canvas.pixels, png) ||
                         !WriteBytes(png, options)) {
    std::fprintf(stderr, "gifinspect: cannot write %s\n", options.out.c_str());
    return kTrouble;
  }
  return kDone;
}

}  // namespace

int Render(const Arguments& arguments) {
  RenderOptions options;
  if (!ParseRender(arguments, options))
    return kBadArguments;
  std::vector<std::uint8_t> file;
  if (!ReadFile(options.file, file) || file.size() > std::numeric_limits<std::uint32_t>::max()) {
    std::fprintf(stderr, "gifinspect: cannot read %s\n", options.file.c_str());
    return kTrouble;
  }
  if (options.standard)
    return RenderStandard(file, options);

  portable::MemoryDisplay display;
  display.SetMenuColour(options.menuColour);
  portable::PortablePictureLoader pictures;
  portable::EmbeddedResources noResources({});
  viewer::GifAnimation animation({noResources, pictures, display});
  animation.maxWidth = options.maxWidth;
  animation.maxHeight = options.maxHeight;
  platform::MemoryBlock block =
      platform::MemoryBlock::Allocate(file.size(), platform::MemoryBlock::Kind::kMoveable);
  if (std::uint8_t* bytes = block.Lock()) {
    std::memcpy(bytes, file.data(), file.size());
    block.Unlock();
  }
  if (!animation.LoadFromMemory(block, static_cast<std::uint32_t>(file.size()))) {
    std::printf("nothing to show\n");
    return kRefused;
  }

  platform::MemorySurface canvas(animation.CanvasWidth(), animation.CanvasHeight());
  if (animation.IsAnimated()) {
    // The frames follow each other without their waits; the worker is held after the N-th
    // while the canvas is painted from here, as the interface thread paints it.
    platform::ManualResetEvent reached;
    platform::ManualResetEvent released;
    animation.SetFrameHook({[&](int framesRendered) {
                              if (framesRendered != options.frames)
                                return;
                              reached.Set();
                              released.Wait(platform::kWaitForever);
                            },
                            /*skipWaits=*/true});
    animation.Play();
    reached.Wait(platform::kWaitForever);
    dialog::ControlDispatch::Paint(animation, canvas);
    released.Set();
    animation.Stop();
  } else {
    animation.Play();
    dialog::ControlDispatch::Paint(animation, canvas);
  }
  if (!WriteCanvas(canvas, options)) {
    std::fprintf(stderr, "gifinspect: cannot write %s\n", options.out.c_str());
    return kTrouble;
  }
  return kDone;
}

}  // namespace torvek::gifinspect
