#include "installer/wizard/release_page.h"

#include <algorithm>

#include "resources/setup/setup_ids.h"
#include "resources/setup/setup_templates.h"

namespace torvek::setup {

static_assert(kIdCheckRelease.size() == acad::kReleaseCount, "one check box per release");

ReleasePage::ReleasePage(dialog::DialogHost& host, InstallOptions& options,
                         const acad::AcadInstallTable& table)
    : WizardPage(host, kReleaseTemplate), options_(options), table_(table) {
  MapCommand(kIdButtonBack, dialog::kBnClicked, &ReleasePage::OnBack);
  for (int id : kIdCheckRelease)
    MapCommand(id, dialog::kBnClicked, &ReleasePage::OnReleaseClicked);
}

void ReleasePage::OnInitPage() {
  boxState = options_.releaseChosen;
  for (int release = 0; release < acad::kReleaseCount; ++release) {
    if (table_.LocationCount(release) > 0)
      continue;
    const auto index = static_cast<std::size_t>(release);
    EnableItem(kIdCheckRelease[index], false);
    boxState[index] = 0;
  }
  UpdateData(dialog::Exchange::kPush);
  UpdateNext();
}

void ReleasePage::DoDataExchange(dialog::DataExchange& exchange) {
  for (std::size_t release = 0; release < kIdCheckRelease.size(); ++release)
    exchange.ExchangeCheck(kIdCheckRelease[release], boxState[release]);
}

void ReleasePage::OnBack() {
  UpdateData(dialog::Exchange::kPull);
  options_.releaseChosen = boxState;
  LeaveTo(kLicencePageNumber);
}

// Next, and Enter: with nothing chosen there is nothing to install into.
void ReleasePage::OnOK() {
  UpdateData(dialog::Exchange::kPull);
  if (!AnyChosen())
    return;
  options_.releaseChosen = boxState;
  LeaveTo(kFolderPageNumber);
}

void ReleasePage::OnReleaseClicked() {
  UpdateNext();
}

void ReleasePage::UpdateNext() {
  UpdateData(dialog::Exchange::kPull);
  EnableItem(dialog::kIdOk, AnyChosen());
}

bool ReleasePage::AnyChosen() const {
  return std::any_of(boxState.begin(), boxState.end(), [](int chosen) { return chosen != 0; });
}

}  // namespace torvek::setup
