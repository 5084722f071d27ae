// The demonstration dialog, the viewer's one window: the features on the left, the chosen
// feature's demonstration playing in the picture area, and beneath it the feature's description,
// or the loading bar while a demonstration is decoded. The first feature plays as soon as the
// dialog is on the screen; Enter, Esc and the close box end it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/dialog/dialog.h"
#include "common/platform/surface_text.h"
#include "viewer/animation_companions.h"
#include "viewer/gif_animation.h"
#include "viewer/gradient_progress.h"
#include "viewer/viewer_platform.h"

namespace torvek::viewer {

// The dialog's background and that of every control but the list, and the list's own.
inline constexpr platform::Colour kDialogBrushColour = platform::Rgb(130, 150, 190);
inline constexpr platform::Colour kListBrushColour = platform::Rgb(0, 128, 128);
inline constexpr platform::Colour kDescriptionTextColour = platform::Rgb(0, 0, 128);
inline const dialog::ControlFont kCaptionFont = {"宋体", 14, 600};
inline const dialog::ControlFont kListFont = {"宋体", 13, 400};
// The loading bar's range: it wraps past the top, so a long load runs round it again.
inline constexpr std::int32_t kLoadingRangeTop = 250;

class DemoDialog : public dialog::Dialog {
 public:
  // `platform` and `text` outlive the dialog.
  DemoDialog(dialog::DialogHost& host, const ViewerPlatform& platform, platform::SurfaceText& text);

  // The catalogue, filled when the dialog starts and emptied when it ends; row i of each list
  // is row i of the list box.
  std::vector<std::string> featureNames;
  std::vector<std::uint16_t> featureGifIds;
  std::vector<std::string> featureDescriptions;
  // Where the picture control lies, in the dialog's client area; painted black.
  platform::Rect pictureRect;
  // Bound to the list's selection and to the description line.
  int currentIndex = -1;
  std::string descriptionText;

  // For tests and benchmarks, which hold the player's worker with its frame hook.
  GifAnimation& Animation() { return animation_; }

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(dialog::DataExchange& exchange) override;
  void OnCtlColor(int controlId, dialog::ColourTarget target,
                  dialog::ControlColours& colours) override;
  void OnPaint(platform::Surface& client) override;
  void OnOK() override;
  void OnCancel() override;

 private:
  // The description line as the player's caption: hidden while a demonstration loads.
  class DescriptionLine : public CaptionCompanion {
   public:
    explicit DescriptionLine(dialog::Dialog& dialog) : dialog_(dialog) {}
    void Show(bool visible) override;

   private:
    dialog::Dialog& dialog_;
  };

  void OnFeatureSelected();
  void FillCatalogue();
  void EmptyCatalogue();

  GifAnimation animation_;
  GradientProgress progress_;
  DescriptionLine description_{*this};
};

}  // namespace torvek::viewer
