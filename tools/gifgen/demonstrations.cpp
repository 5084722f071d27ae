#include "tools/gifgen/demonstrations.h"

#include <string>

#include "tools/gifgen/drafting_screen.h"
#include "tools/gifgen/gif_writer.h"
#include "tools/gifgen/palette.h"
#include "tools/gifgen/recorder.h"
#include "tools/gifgen/scenes/scenes.h"

namespace torvek::gifgen {

namespace {

// In the order of the viewer's catalogue.
constexpr Demonstration kDemonstrations[] = {
    {140, 643, 826, 633, "JLBZ", "distance dimensioning", kBlack, "S-3F slab.dwg",
     RecordDistanceDimensioning},
    {134, 324, 800, 600, "SJGJ", "change bars by double-click", kSteel, "KL-2F beams.dwg",
     RecordDoubleClickBarChange},
    {135, 123, 635, 349, "ZSGJ", "left-hand bar change", kBlack, "KL-4F beams.dwg",
     RecordLeftHandBarChange},
    {133, 210, 760, 520, "LPFYW", "move beam plane-notation texts", kNight, "KL-5F beams.dwg",
     RecordBeamNotationMove},
    {136, 288, 700, 480, "LBHGB", "merge beam numbers", kBlack, "KL-RF beams.dwg",
     RecordBeamNumberMerge},
    {143, 412, 826, 600, "ZDWBZ", "column position dimensions", kSteel, "KZ columns.dwg",
     RecordColumnPositionDimensions},
    {141, 356, 780, 560, "HTBGJ", "draw stair-slab bars", kBlack, "LT-1 stair.dwg",
     RecordStairSlabBars},
    {139, 175, 680, 420, "ZXPY", "line offset", kNight, "S-2F slab.dwg", RecordLineOffset},
    {138, 240, 720, 500, "JBFD", "local enlargement", kBlack, "KL-3F beams.dwg",
     RecordLocalEnlargement},
    {144, 305, 800, 580, "LXBH", "sequential numbering", kSteel, "KZ-1F columns.dwg",
     RecordSequentialNumbering},
    {137, 150, 660, 400, "PDY", "batch printing", kBlack, "S sheets.dwg", RecordBatchPrinting},
};

}  // namespace

std::span<const Demonstration> Demonstrations() {
  return kDemonstrations;
}

const Demonstration* FindDemonstration(int id) {
  for (const Demonstration& d : kDemonstrations)
    if (d.id == id)
      return &d;
  return nullptr;
}

std::vector<std::string> ToolboxButtons() {
  std::vector<std::string> labels;
  for (const Demonstration& d : kDemonstrations)
    labels.emplace_back(d.command, 2);
  return labels;
}

int ToolboxButtonOf(int id) {
  for (int i = 0; i < static_cast<int>(std::size(kDemonstrations)); ++i)
    if (kDemonstrations[i].id == id)
      return i;
  return -1;
}

bool RecordDemonstration(const Demonstration& demo, std::vector<std::uint8_t>& gif,
                         std::string& error, int* sceneFrames) {
  GifWriter writer;
  const std::string comment =
      std::string("Torvek structure toolbox: ") + demo.title + " (" + demo.command + ")";
  if (!writer.Begin(demo.width, demo.height, DemonstrationPalette(), comment)) {
    error = "cannot begin the file";
    return false;
  }
  Recorder recorder(writer, demo.width, demo.height);
  ScreenStyle style;
  style.background = demo.background;
  style.fileName = demo.fileName;
  style.toolboxButtons = ToolboxButtons();
  DraftingScreen screen(recorder.Still(), style);
  Session session(screen, recorder, demo.frames);
  demo.record(session);
  if (sceneFrames != nullptr)
    *sceneFrames = session.FramesAsked();
  if (!session.Finish()) {
    error = "the scene needs " + std::to_string(session.FramesAsked()) + " frames of " +
            std::to_string(demo.frames);
    return false;
  }
  if (!writer.Finish()) {
    error = "cannot finish the file";
    return false;
  }
  gif = writer.Bytes();
  return true;
}

}  // namespace torvek::gifgen
