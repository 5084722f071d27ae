#include "installer/wizard/licence_page.h"

#include <algorithm>

#include "resources/setup/licence_text.h"
#include "resources/setup/setup_ids.h"
#include "resources/setup/setup_templates.h"

namespace torvek::setup {

LicencePage::LicencePage(dialog::DialogHost& host, InstallOptions& options)
    : WizardPage(host, kLicenceTemplate), options_(options) {
  MapCommand(kIdButtonPreviousScreen, dialog::kBnClicked, &LicencePage::OnPreviousScreen);
  MapCommand(kIdButtonNextScreen, dialog::kBnClicked, &LicencePage::OnNextScreen);
  MapCommand(kIdRadioDisagree, dialog::kBnClicked, &LicencePage::OnChoiceClicked);
  MapCommand(kIdRadioAgree, dialog::kBnClicked, &LicencePage::OnChoiceClicked);
}

void LicencePage::OnInitPage() {
  screenIndex = 0;
  ShowScreen();
  radioChoice = options_.licenceChoice;
  UpdateData(dialog::Exchange::kPush);
  UpdateNext();
}

void LicencePage::DoDataExchange(dialog::DataExchange& exchange) {
  exchange.ExchangeText(kIdStaticLicence, screenText);
  exchange.ExchangeRadio(kIdRadioDisagree, radioChoice);
}

// Next, and Enter: only an agreement goes on, whatever state the button is in.
void LicencePage::OnOK() {
  UpdateData(dialog::Exchange::kPull);
  if (radioChoice == 0)
    return;
  options_.licenceChoice = radioChoice;
  LeaveTo(kReleasePageNumber);
}

void LicencePage::OnPreviousScreen() {
  --screenIndex;
  ShowScreen();
}

void LicencePage::OnNextScreen() {
  ++screenIndex;
  ShowScreen();
}

void LicencePage::OnChoiceClicked() {
  UpdateData(dialog::Exchange::kPull);
  UpdateNext();
}

void LicencePage::ShowScreen() {
  screenIndex = std::clamp(screenIndex, 0, LicenceText::kScreenCount - 1);
  EnableItem(kIdButtonPreviousScreen, screenIndex != 0);
  EnableItem(kIdButtonNextScreen, screenIndex != LicenceText::kScreenCount - 1);
  screenText = LicenceText::Screen(screenIndex);
  UpdateData(dialog::Exchange::kPush);
}

void LicencePage::UpdateNext() {
  EnableItem(dialog::kIdOk, radioChoice != 0);
}

}  // namespace torvek::setup
