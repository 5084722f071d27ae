// gifinspect: what the viewer makes of a GIF file, for support staff and for tests. It runs the
// viewer's own frame splitter, so its listing and its one-frame files are exactly what the
// animation control hands to the picture loader.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "common/platform/memory_block.h"
#include "tools/gifinspect/command.h"
#include "viewer/gif_stream.h"
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

using torvek::platform::MemoryBlock;
using torvek::viewer::GifFrameKind;
using torvek::viewer::GifFrameValues;
using torvek::viewer::GifStream;

constexpr char kHelp[] = R"help(usage: gifinspect frames FILE
       gifinspect split FILE DIR
       gifinspect render FILE --frames N --out OUT.png|OUT.rgba [--max WxH] [--menu-colour R,G,B]
       gifinspect render FILE --frames N --out OUT.png|OUT.rgba --standard
       gifinspect --help

Runs the demonstration viewer's frame splitter, or its whole player, over FILE.

frames   lists the frames. The first line is
           count=<n> screen=<W>x<H>
         where n is the number of frames the viewer counts and W, H are the logical screen's
         width and height as stored (before the viewer limits them to its window). Then one
         line per one-frame stream cut from the file, numbered from 0, even for a file of one
         frame (which the viewer shows whole):
           <k> size=<bytes> delay=<hundredths|none> disposal=<d> left=<x> top=<y> width=<w> height=<h> kind=image
         delay is "none" for a frame without a graphic control block. A plain-text frame has
         no image, so no geometry, and the viewer leaves it out:
           <k> size=<bytes> delay=<hundredths|none> disposal=<d> left=- top=- width=- height=- kind=text
split    writes each of those one-frame streams as DIR/<k>.gif (DIR is made when missing;
         other files in it are left alone).
render   writes the player's canvas as it stands right after its N-th frame is drawn (N from
         1; before that frame's wait and disposal), played by the viewer's own code: the
         canvas starts in the menu colour, disposal 2 fills with black, and the canvas is
         cleared to black after the last frame of each pass. A still picture (a GIF of one
         image, a bitmap) is drawn once, whatever N. The canvas is the logical screen, no
         larger than --max when given (the size of the viewer's picture control);
         --menu-colour is the system's menu colour, by default Windows 7's 240,240,240
         (Wine 8 has 255,255,255). OUT.rgba is raw 8-bit RGBA, row by row from the top,
         alpha 255; OUT.png a PNG of the same pixels. Natively only: the Windows build says
         so and exits 2.
         With --standard, the canvas is composed as GIF89a viewers and the public
         conformance suites compose it, not as the viewer plays it: the logical screen starts
         transparent (0,0,0,0), disposal 2 clears to transparent, disposal 3 puts back what
         was under the image, images are clipped to the screen, and N counts images (plain
         text frames are left out; past the last image the canvas stays as the last one left
         it). The frames are cut and decoded by the viewer's own splitter and portable
         loader. A screen of more than 16M pixels is not composed. Alpha is 0 or 255.

frames and split print "not a GIF" for other data and write nothing; render prints "nothing
to show" when the viewer cannot load the file (with --standard: when it is not a GIF, or its
screen has no pixels or too many).
Exit status: 0 done, 1 not a GIF (frames, split) or nothing to show (render), 2 bad
arguments, or a file that cannot be read or written.
)help";

using namespace torvek::gifinspect;

// The file, begun as the viewer begins a load. Prints why when it cannot be.
class LoadedGif {
 public:
  LoadedGif() = default;
  // The splitter borrows the bytes.
  LoadedGif(const LoadedGif&) = delete;
  LoadedGif& operator=(const LoadedGif&) = delete;

  // kDone with the splitter at the first block, or the status to exit with.
  int Load(const std::string& path) {
    if (!ReadFile(path, bytes_) || bytes_.size() > UINT32_MAX) {
      std::fprintf(stderr, "gifinspect: cannot read %s\n", path.c_str());
      return kTrouble;
    }
    if (!gif_.BeginGif(bytes_.data(), static_cast<std::uint32_t>(bytes_.size()), screenWidth_,
                       screenHeight_)) {
      std::printf("not a GIF\n");
      return kRefused;
    }
    gif_.RewindToFirstBlock();
    return kDone;
  }

  GifStream& gif() { return gif_; }
  std::int32_t screenWidth() const { return screenWidth_; }
  std::int32_t screenHeight() const { return screenHeight_; }

 private:
  std::vector<std::uint8_t> bytes_;
  GifStream gif_;
  std::int32_t screenWidth_ = 0;
  std::int32_t screenHeight_ = 0;
};

int Frames(const Arguments& arguments) {
  if (arguments.size() != 1)
    return kBadArguments;
  LoadedGif file;
  if (const int status = file.Load(arguments[0]); status != kDone)
    return status;
  GifStream& gif = file.gif();
  int count = 0;
  while (gif.SkipFrame())
    ++count;
  std::printf("count=%d screen=%dx%d\n", count, file.screenWidth(), file.screenHeight());

  gif.RewindToFirstBlock();
  GifFrameValues values;
  for (int k = 0; gif.ExtractNextFrame(values).IsValid(); ++k) {
    const std::string delay = values.delay < 0 ? "none" : std::to_string(values.delay);
    std::printf("%d size=%d delay=%s disposal=%d ", k, values.streamSize, delay.c_str(),
                values.disposal);
    if (values.kind == GifFrameKind::kImage) {
      std::printf("left=%d top=%d width=%d height=%d kind=image\n", values.left, values.top,
                  values.width, values.height);
    } else {
      std::printf("left=- top=- width=- height=- kind=text\n");
    }
  }
  return kDone;
}

int Split(const Arguments& arguments) {
  if (arguments.size() != 2)
    return kBadArguments;
  LoadedGif file;
  if (const int status = file.Load(arguments[0]); status != kDone)
    return status;
  const std::filesystem::path folder = arguments[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    std::fprintf(stderr, "gifinspect: cannot make %s\n", arguments[1].c_str());
    return kTrouble;
  }
  GifFrameValues values;
  for (int k = 0;; ++k) {
    MemoryBlock stream = file.gif().ExtractNextFrame(values);
    if (!stream.IsValid())
      return kDone;
    const std::filesystem::path path = folder / (std::to_string(k) + ".gif");
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(stream.Lock()), values.streamSize);
    stream.Unlock();
    out.close();
    if (!out) {
      std::fprintf(stderr, "gifinspect: cannot write %s\n", path.string().c_str());
      return kTrouble;
    }
  }
}

// A new command is one more row; each checks its own arguments and answers kBadArguments when
// they do not fit.
struct Command {
  const char* name;
  int (*run)(const Arguments& arguments);
};
constexpr Command kCommands[] = {
    {"frames", Frames},
    {"split", Split},
    {"render", Render},
};

}  // namespace

bool torvek::gifinspect::ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

int main(int argc, char** argv) {
#ifdef _WIN32
  // The listing is read by programs: lines end in LF on every system.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  const Arguments words(argv + 1, argv + argc);
  if (words.size() == 1 && (words[0] == "--help" || words[0] == "-h")) {
    std::fputs(kHelp, stdout);
    return kDone;
  }
  for (const Command& command : kCommands) {
    if (!words.empty() && words[0] == command.name) {
      const int status = command.run(Arguments(words.begin() + 1, words.end()));
      if (status != kBadArguments)
        return status;
      break;
    }
  }
  std::fputs(kHelp, stderr);
  return kTrouble;
}
