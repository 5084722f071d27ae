#include "installer/wizard/folder_page.h"

#include "common/text/strip_trailing_backslash.h"
#include "installer/engine/completion_message.h"
#include "installer/engine/config_keeper.h"
#include "installer/wizard/folder_browser.h"
#include "installer/wizard/folder_validation.h"
#include "resources/setup/setup_ids.h"
#include "resources/setup/setup_templates.h"

namespace torvek::setup {

namespace {

constexpr const char* kBrowsePrompt = "请选择安装目录：";
constexpr const char* kDoneCaption = "Torvek安装";

bool IsDriveRoot(std::string_view path) {
  return path.size() == 3 && path[1] == ':' && path[2] == '\\';
}

}  // namespace

FolderPage::PageProgress::PageProgress(dialog::Dialog& page) : bar_(page, kIdProgressInstall) {}

FolderPage::FolderPage(const SetupServices& services, InstallOptions& options,
                       acad::AcadInstallTable& table)
    : WizardPage(services.host, kFolderTemplate),
      services_(services),
      options_(options),
      table_(table),
      progress_(*this) {
  MapCommand(kIdCheckKeepOldConfig, dialog::kBnClicked, &FolderPage::OnKeepOldConfigClicked);
  MapCommand(kIdCheckKeepSettings, dialog::kBnClicked, &FolderPage::OnKeepOptionClicked);
  MapCommand(kIdCheckKeepSectionLibrary, dialog::kBnClicked, &FolderPage::OnKeepOptionClicked);
  MapCommand(kIdCheckKeepExtendedLibrary, dialog::kBnClicked, &FolderPage::OnKeepOptionClicked);
  MapCommand(kIdButtonBrowse, dialog::kBnClicked, &FolderPage::OnBrowse);
  MapCommand(kIdButtonBack, dialog::kBnClicked, &FolderPage::OnBack);
}

// Whether there is anything to keep is asked once, here: choosing another folder later does not
// ask again.
void FolderPage::OnInitPage() {
  folder = options_.installFolder;
  keepOldConfig = options_.keepOldConfig;
  keepSettings = options_.keepSettings;
  keepSectionLibrary = options_.keepSectionLibrary;
  keepExtendedLibrary = options_.keepExtendedLibrary;
  engine::ConfigKeeper keeper(services_.registry, services_.files, InstallFolder());
  if (!keeper.HasPreviousConfig()) {
    for (int id : {kIdCheckKeepOldConfig, kIdCheckKeepSettings, kIdCheckKeepSectionLibrary,
                   kIdCheckKeepExtendedLibrary})
      EnableItem(id, false);
    keepOldConfig = keepSettings = keepSectionLibrary = keepExtendedLibrary = 0;
  }
  UpdateData(dialog::Exchange::kPush);
  Refresh();
}

void FolderPage::DoDataExchange(dialog::DataExchange& exchange) {
  exchange.ExchangeText(kIdEditFolder, folder);
  exchange.ExchangeCheck(kIdCheckKeepOldConfig, keepOldConfig);
  exchange.ExchangeCheck(kIdCheckKeepSettings, keepSettings);
  exchange.ExchangeCheck(kIdCheckKeepSectionLibrary, keepSectionLibrary);
  exchange.ExchangeCheck(kIdCheckKeepExtendedLibrary, keepExtendedLibrary);
}

// The folder box keeps an opaque background behind its text; everything else is as the frame
// has it.
void FolderPage::OnCtlColor(int controlId, dialog::ColourTarget target,
                            dialog::ControlColours& colours) {
  WizardPage::OnCtlColor(controlId, target, colours);
  if (controlId == kIdEditFolder)
    colours.backgroundMode = dialog::BackgroundMode::kOpaque;
}

void FolderPage::OnOK() {
  UpdateData(dialog::Exchange::kPull);
  if (!AcceptFolder()) {
    FocusItem(kIdEditFolder);
    return;
  }
  const engine::InstallOutcome outcome = RunInstall();
  switch (outcome.end) {
    case engine::InstallEnd::kNoRoom:
      ReportInvalidFolder(Check(), folder);
      FocusItem(kIdEditFolder);
      return;
    case engine::InstallEnd::kCancelled:
      // The page is closing; files that did not go back must still be accounted for.
      if (!outcome.kept.empty()) {
        ShowMessageBox(engine::KeptFilesNote(outcome.kept).c_str(), kDoneCaption,
                       platform::MessageBoxButtons::kOk, platform::MessageBoxIcon::kNone);
      }
      return;
    case engine::InstallEnd::kInstalled:
      break;
  }
  StoreOptions();
  ShowMessageBox(engine::CompletionMessage(outcome.kept).c_str(), kDoneCaption,
                 platform::MessageBoxButtons::kOk, platform::MessageBoxIcon::kNone);
  LeaveTo(kNoPage);
}

// A typed folder passes the same checks as a chosen one before anything is written: an empty or
// relative folder would otherwise install beside the kit or at the current drive's root, and
// register a module path AutoCAD cannot find. One trailing backslash is dropped first, unless
// the folder is a drive root.
bool FolderPage::AcceptFolder() {
  const std::string typed = IsDriveRoot(folder) ? folder : InstallFolder();
  // A folder so deep that a path built below it would not fit is refused before anything is
  // made: part of the installation would silently be missing.
  if (!engine::HasRoomForInstall(services_.files, InstallFolder())) {
    ReportInvalidFolder(Check(), typed);
    return false;
  }
  if (ValidateFolder(Check(), typed) != kFolderValid)
    return false;
  folder = typed;
  UpdateData(dialog::Exchange::kPush);
  return true;
}

FolderCheck FolderPage::Check() {
  return {services_.files, services_.host.MessageBoxes(), Window(), services_.applicationName};
}

engine::InstallOutcome FolderPage::RunInstall() {
  return engine::RunInstall(
      *this, {services_.registry, services_.files, table_, options_.releaseChosen}, InstallFolder(),
      {keepSettings, keepSectionLibrary, keepExtendedLibrary});
}

std::string FolderPage::InstallFolder() const {
  return StripTrailingBackslash(folder);
}

platform::MessageBoxAnswer FolderPage::Ask(const char* text, const char* caption,
                                           platform::MessageBoxButtons buttons,
                                           platform::MessageBoxIcon icon) {
  return ShowMessageBox(text, caption, buttons, icon);
}

void FolderPage::OnKeepOldConfigClicked() {
  UpdateData(dialog::Exchange::kPull);
  const int keep = keepOldConfig != 0 ? 1 : 0;
  keepSettings = keepSectionLibrary = keepExtendedLibrary = keep;
  UpdateData(dialog::Exchange::kPush);
  Refresh();
}

void FolderPage::OnKeepOptionClicked() {
  Refresh();
}

// The chooser is owned by the page, so the page takes no clicks while it is open.
void FolderPage::OnBrowse() {
  UpdateData(dialog::Exchange::kPull);
  FolderBrowser browser({services_.files, services_.folderDialogs, services_.host.MessageBoxes(),
                         services_.applicationName},
                        kBrowsePrompt, kBrowsePrompt, folder, Window());
  if (browser.Run() == kBrowseAccepted) {
    folder = browser.Result();
    UpdateData(dialog::Exchange::kPush);
  }
  Refresh();
}

void FolderPage::OnBack() {
  UpdateData(dialog::Exchange::kPull);
  StoreOptions();
  LeaveTo(kReleasePageNumber);
}

// The master option follows the three: with none of them left it goes off too, and the three
// can be changed only while it is on.
void FolderPage::Refresh() {
  UpdateData(dialog::Exchange::kPull);
  if (keepSettings == 0 && keepSectionLibrary == 0 && keepExtendedLibrary == 0) {
    keepOldConfig = 0;
    UpdateData(dialog::Exchange::kPush);
  }
  for (int id : {kIdCheckKeepSettings, kIdCheckKeepSectionLibrary, kIdCheckKeepExtendedLibrary})
    EnableItem(id, keepOldConfig != 0);
}

void FolderPage::StoreOptions() {
  options_.installFolder = folder;
  options_.keepOldConfig = keepOldConfig;
  options_.keepSettings = keepSettings;
  options_.keepSectionLibrary = keepSectionLibrary;
  options_.keepExtendedLibrary = keepExtendedLibrary;
}

}  // namespace torvek::setup
