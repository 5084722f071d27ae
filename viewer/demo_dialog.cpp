#include "viewer/demo_dialog.h"

#include "common/dialog/list_box.h"
#include "resources/demonstration/demonstration_ids.h"
#include "resources/demonstration/demonstration_template.h"
#include "viewer/feature_catalogue.h"

namespace torvek::viewer {

namespace {

using namespace dialog;
using namespace demonstration;

constexpr int kListItemHeight = 20;

}  // namespace

DemoDialog::DemoDialog(DialogHost& host, const ViewerPlatform& platform,
                       platform::SurfaceText& text)
    : Dialog(host, kDemoTemplate), animation_(platform), progress_(host, platform.display, text) {
  MapCommand(kIdListFeatures, kLbnSelChange, &DemoDialog::OnFeatureSelected);
  TakeOver(kIdProgressLoading, progress_);
  TakeOver(kIdPictureAnimation, animation_);
}

bool DemoDialog::OnInitDialog() {
  // The list has no selection yet and the description line is emptied.
  Dialog::OnInitDialog();
  SetIcon(kIdIconDemo);
  SetItemFont(kIdStaticDescription, kCaptionFont);
  SetItemFont(kIdListFeatures, kListFont);
  FillCatalogue();
  ListBox features(*this, kIdListFeatures);
  for (const std::string& name : featureNames)
    features.AddString(name.c_str());
  features.SetItemHeight(kListItemHeight);

  ItemRect(kIdPictureAnimation, pictureRect);
  animation_.maxWidth = pictureRect.Width();
  animation_.maxHeight = pictureRect.Height();
  progress_.showPercent = false;
  progress_.SetRange(0, kLoadingRangeTop);
  animation_.progressCompanion = &progress_;
  animation_.captionCompanion = &description_;

  currentIndex = 0;
  UpdateData(Exchange::kPush);
  // Not here: the dialog is not on the screen until its start returns, and the first
  // demonstration takes seconds to decode. Once it shows, the bar shows that decoding.
  PostCall([this] { OnFeatureSelected(); });
  return true;
}

void DemoDialog::FillCatalogue() {
  for (const FeatureRow& row : kFeatureCatalogue) {
    featureNames.emplace_back(row.name);
    featureGifIds.push_back(row.gifId);
    featureDescriptions.emplace_back(row.description);
  }
}

void DemoDialog::EmptyCatalogue() {
  featureNames.clear();
  featureGifIds.clear();
  featureDescriptions.clear();
}

void DemoDialog::DoDataExchange(DataExchange& exchange) {
  exchange.ExchangeListIndex(kIdListFeatures, currentIndex);
  exchange.ExchangeText(kIdStaticDescription, descriptionText);
}

// The load runs on this thread and takes no input until it ends; the wait cursor says so.
void DemoDialog::OnFeatureSelected() {
  UpdateData(Exchange::kPull);
  if (currentIndex < 0 || static_cast<std::size_t>(currentIndex) >= featureGifIds.size())
    return;
  const auto row = static_cast<std::size_t>(currentIndex);
  BeginWaitCursor();
  animation_.LoadFromResource(featureGifIds[row], platform::NamedResourceType("GIF"));
  // A failed load leaves the control without a canvas, and Play then does nothing.
  animation_.Play();
  EndWaitCursor();
  descriptionText = featureDescriptions[row];
  UpdateData(Exchange::kPush);
}

void DemoDialog::OnCtlColor(int controlId, ColourTarget, ControlColours& colours) {
  if (controlId == kIdListFeatures) {
    colours.text = platform::Rgb(0, 0, 0);
    colours.backgroundMode = BackgroundMode::kTransparent;
    colours.brush = kListBrushColour;
    // Wine fills the rows and the empty area with the text background, where Windows uses the
    // brush: the same colour for both looks the same everywhere.
    colours.textBackground = kListBrushColour;
    return;
  }
  if (controlId == kIdStaticDescription) {
    colours.text = kDescriptionTextColour;
    colours.backgroundMode = BackgroundMode::kTransparent;
  }
  colours.brush = kDialogBrushColour;
}

// The animation control keeps the top-left corner of the area and takes each demonstration's
// size; where it is smaller, the area shows black around it.
void DemoDialog::OnPaint(platform::Surface& client) {
  client.Fill(pictureRect, platform::Rgb(0, 0, 0));
}

void DemoDialog::OnOK() {
  EmptyCatalogue();
  Dialog::OnOK();
}

void DemoDialog::OnCancel() {
  EmptyCatalogue();
  Dialog::OnCancel();
}

void DemoDialog::DescriptionLine::Show(bool visible) {
  dialog_.ShowItem(kIdStaticDescription, visible);
}

}  // namespace torvek::viewer
