// What gifinspect's commands share: their arguments, their exit statuses and the reading of
// the file they inspect.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace torvek::gifinspect {

// kRefused: the file is not what the command takes: not a GIF for frames and split, nothing
// the viewer can load for render.
enum ExitStatus { kDone = 0, kRefused = 1, kTrouble = 2 };
// A command's answer when its arguments do not fit: the usage is printed, the exit is kTrouble.
inline constexpr int kBadArguments = -1;

using Arguments = std::vector<std::string>;

bool ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes);

// gifinspect render FILE --frames N --out OUT.png|OUT.rgba [--max WxH] [--menu-colour R,G,B]
//   or FILE --frames N --out OUT.png|OUT.rgba --standard
int Render(const Arguments& arguments);

}  // namespace torvek::gifinspect
