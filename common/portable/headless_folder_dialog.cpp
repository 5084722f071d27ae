#include "common/portable/headless_folder_dialog.h"

#include "common/dialog/dialog.h"
#include "common/dialog/list_box.h"
#include "common/platform/win_error.h"
#include "common/text/cp936_text.h"
#include "common/text/strip_trailing_backslash.h"

namespace torvek::portable {

namespace {

using namespace dialog;

constexpr std::uint32_t kChild = kWsChild | kWsVisible;

constexpr DialogItemTemplate kItems[] = {
    {kIdFolderPrompt, ControlClass::kStatic, "", {8, 6, 196, 16}, kChild | kSsLeft},
    {kIdFolderStatus, ControlClass::kStatic, "", {8, 22, 196, 8}, kChild | kSsLeft},
    {kIdFolderEdit,
     ControlClass::kEdit,
     "",
     {8, 32, 196, 12},
     kChild | kWsBorder | kEsAutoHScroll | kWsTabStop},
    {kIdFolderTree,
     ControlClass::kListBox,
     "",
     {8, 48, 196, 110},
     kChild | kWsBorder | kWsVScroll | kLbsNotify | kLbsNoIntegralHeight | kWsTabStop},
    {kIdOk,
     ControlClass::kButton,
     "确定",
     {94, 166, 50, 14},
     kChild | kBsDefPushButton | kWsTabStop},
    {kIdCancel,
     ControlClass::kButton,
     "取消",
     {154, 166, 50, 14},
     kChild | kBsPushButton | kWsTabStop},
};

constexpr DialogTemplate kTemplate = {
    14142,
    "浏览文件夹",
    {"宋体", 9},
    {0, 0, 212, 188},
    kWsPopup | kWsCaption | kWsSysMenu | kDsModalFrame,
    0,
    kItems,
};

bool SamePlace(std::string_view a, std::string_view b) {
  return EqualsNoCase(StripTrailingBackslash(a), StripTrailingBackslash(b));
}

class StandInDialog;

// The operations the caller acts through, on the stand-in's controls.
class StandInWindow : public FolderDialogWindow {
 public:
  explicit StandInWindow(StandInDialog& dialog) : dialog_(dialog) {}
  platform::WindowRef Ref() const override;
  void SetTitle(std::string_view title) override;
  void EnableOk(bool enable) override;
  void SetStatusText(std::string_view text) override;
  void SetEditText(std::string_view text) override;
  std::string EditText() const override;
  void FocusEdit() override;
  void SelectFolder(std::string_view path) override;
  void End(int result) override;

 private:
  StandInDialog& dialog_;
};

class StandInDialog : public Dialog {
 public:
  StandInDialog(DialogHost& host, std::vector<HeadlessFolderDialogs::Place> places,
                platform::FileSystem& files, const FolderDialogRequest& request,
                FolderDialogClient& client)
      : Dialog(host, kTemplate),
        places_(std::move(places)),
        files_(files),
        request_(request),
        client_(client),
        window_(*this) {
    MapCommand(kIdFolderTree, kLbnSelChange, &StandInDialog::OnTreeSelectionChanged);
    MapCommand(kIdFolderEdit, kEnChange, &StandInDialog::OnEditChanged);
  }

  void SelectFolder(std::string_view path) {
    int row = -1;
    for (std::size_t i = 0; i < places_.size(); ++i) {
      if (!places_[i].path.empty() && SamePlace(places_[i].path, path))
        row = static_cast<int>(i);
    }
    if (row < 0) {
      // The shell opens the tree down to any folder that exists, and ignores one that does not.
      const std::string folder(path);
      const std::uint32_t attributes = files_.GetAttributes(folder.c_str());
      if (attributes == platform::kInvalidAttributes ||
          (attributes & platform::kAttributeDirectory) == 0)
        return;
      places_.push_back({folder, folder});
      ListBox(*this, kIdFolderTree).AddString(folder.c_str());
      row = static_cast<int>(places_.size()) - 1;
    }
    ListBox(*this, kIdFolderTree).SetCurSel(row);
    OnTreeSelectionChanged();
  }

 protected:
  bool OnInitDialog() override {
    Dialog::OnInitDialog();
    SetItemText(kIdFolderPrompt, request_.prompt);
    ListBox tree(*this, kIdFolderTree);
    for (const auto& place : places_)
      tree.AddString(place.name.c_str());
    ShowItem(kIdFolderStatus, false);
    client_.OnInitialized(window_);
    return true;
  }

  void OnOK() override { client_.OnOk(window_); }

 private:
  void OnTreeSelectionChanged() {
    const int row = ListBox(*this, kIdFolderTree).GetCurSel();
    if (row < 0 || row >= static_cast<int>(places_.size()))
      return;
    const std::string& path = places_[static_cast<std::size_t>(row)].path;
    client_.OnSelectionChanged(window_, !path.empty(), path);
  }

  void OnEditChanged() { client_.OnEditChanged(window_); }

  std::vector<HeadlessFolderDialogs::Place> places_;
  platform::FileSystem& files_;
  const FolderDialogRequest& request_;
  FolderDialogClient& client_;
  StandInWindow window_;
};

platform::WindowRef StandInWindow::Ref() const {
  return dialog_.Window();
}

void StandInWindow::SetTitle(std::string_view title) {
  dialog_.SetTitle(title);
}

void StandInWindow::EnableOk(bool enable) {
  dialog_.EnableItem(kIdOk, enable);
}

void StandInWindow::SetStatusText(std::string_view text) {
  dialog_.SetItemText(kIdFolderStatus, text);
}

void StandInWindow::SetEditText(std::string_view text) {
  dialog_.SetItemText(kIdFolderEdit, text);
}

std::string StandInWindow::EditText() const {
  return dialog_.ItemText(kIdFolderEdit);
}

void StandInWindow::FocusEdit() {
  dialog_.FocusItem(kIdFolderEdit);
}

void StandInWindow::SelectFolder(std::string_view path) {
  dialog_.SelectFolder(path);
}

void StandInWindow::End(int result) {
  dialog_.EndDialog(result);
}

}  // namespace

bool HeadlessFolderDialogs::Browse(const FolderDialogRequest& request, FolderDialogClient& client) {
  lastRequest_ = request;
  if (unavailable_)
    return false;
  ++runs_;
  StandInDialog dialog(host_, places_, files_, lastRequest_, client);
  return dialog.DoModal(request.owner) != -1;
}

}  // namespace torvek::portable
