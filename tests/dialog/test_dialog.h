// A small dialog that uses every part of the framework a page uses: each kind of exchange, the
// colour query, enabling and showing, a taken-over control that paints itself, a message box
// of its own, the command table, Enter, Esc and the close box. Test code, not product code.
#pragma once

#include <string>

#include "common/dialog/dialog.h"

namespace torvek::dialogtest {

inline constexpr int kIdStaticLabel = 1100;
inline constexpr int kIdStaticMarks = 1112;
inline constexpr int kIdCheckShowSwatch = 1101;
inline constexpr int kIdRadioDisagree = 1102;
inline constexpr int kIdRadioAgree = 1103;
inline constexpr int kIdEditName = 1104;
inline constexpr int kIdListRows = 1105;
inline constexpr int kIdProgressSteps = 1106;
inline constexpr int kIdStaticSwatch = 1107;
inline constexpr int kIdButtonRecolour = 1108;
inline constexpr int kIdButtonAsk = 1109;
inline constexpr int kIdButtonStep = 1110;
inline constexpr std::uint16_t kIconId = 128;

inline constexpr platform::Colour kPageColour = platform::Rgb(160, 180, 220);
inline constexpr platform::Colour kListColour = platform::Rgb(0, 128, 128);
inline constexpr platform::Colour kButtonColour = platform::Rgb(250, 200, 0);
inline constexpr platform::Colour kSwatchLeft = platform::Rgb(200, 30, 30);
inline constexpr platform::Colour kSwatchRight = platform::Rgb(30, 30, 200);
inline constexpr platform::Colour kMarkColour = platform::Rgb(20, 140, 60);
inline constexpr int kMarkSize = 6;

extern const char kTitle[];
extern const char kAskCaption[];
extern const dialog::ControlFont kAskFont;

// Paints its left half in one colour and its right half in another.
class Swatch : public dialog::Control {
 public:
  void Swap();
  int paints = 0;
  int erases = 0;

 protected:
  void OnPaint(platform::Surface& surface) override;
  bool OnEraseBackground() override;

 private:
  platform::Colour left_ = kSwatchLeft;
  platform::Colour right_ = kSwatchRight;
};

class TestDialog : public dialog::Dialog {
 public:
  explicit TestDialog(dialog::DialogHost& host);

  // The fields, exchanged with the controls.
  int showSwatch = 1;
  int choice = 1;
  std::string name = "C:\\Program Files";
  int row = 1;

  // What the handlers saw.
  int nameChanges = 0;
  int rowChanges = 0;
  platform::MessageBoxAnswer lastAnswer = platform::MessageBoxAnswer::kFailed;
  bool destroyed = false;
  // What the call posted from the start found when it ran: whether the start had ended, and
  // how often the swatch had been painted.
  bool postedCallRan = false;
  bool startEndedBeforePostedCall = false;
  int swatchPaintsBeforePostedCall = 0;
  Swatch swatch;

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(dialog::DataExchange& exchange) override;
  void OnCtlColor(int controlId, dialog::ColourTarget target,
                  dialog::ControlColours& colours) override;
  void OnPaint(platform::Surface& client) override;
  void OnDestroy() override;

 private:
  void OnShowSwatchClicked();
  void OnChoiceClicked();
  void OnNameChanged();
  void OnRowChanged();
  void OnRecolourClicked();
  void OnAskClicked();
  void OnStepClicked();

  bool startEnded_ = false;
};

}  // namespace torvek::dialogtest
