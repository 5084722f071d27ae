// The eleven demonstrations: resource id, length, size, the command each records, and the
// scene that records it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "tools/gifgen/session.h"

namespace torvek::gifgen {

struct Demonstration {
  int id;
  int frames;
  int width;
  int height;
  const char* command;  // as typed at the command line
  const char* title;
  std::uint8_t background;
  const char* fileName;
  void (*record)(Session&);
};

std::span<const Demonstration> Demonstrations();
const Demonstration* FindDemonstration(int id);

// The toolbox's toolbar: one button per command, in the order of the table.
std::vector<std::string> ToolboxButtons();
// The button of the command a demonstration records.
int ToolboxButtonOf(int id);

// Records one demonstration into a GIF file's bytes. False, with `error` set, when the scene
// does not fit its length or writing failed.
bool RecordDemonstration(const Demonstration& demo, std::vector<std::uint8_t>& gif,
                         std::string& error, int* sceneFrames = nullptr);

}  // namespace torvek::gifgen
