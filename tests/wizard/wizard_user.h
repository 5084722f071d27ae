// The dialog host the wizard's cases run in, with a scripted user: natively the headless host,
// under Wine the Win32 host with a user thread acting on the real windows. The same cases thus
// drive the same page classes through both.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/dialog/dialog_host.h"
#include "common/testing/user_script.h"

namespace torvek::setup::testing {

class WizardUser {
 public:
  static std::unique_ptr<WizardUser> Make();
  virtual ~WizardUser() = default;

  virtual dialog::DialogHost& Host() = 0;
  // Runs `dialogs` (anything that shows dialogs of this host, one after another) while
  // `script` acts as the user.
  virtual void Run(const std::function<void()>& dialogs,
                   const torvek::testing::UserScript& script) = 0;
  // Steps no user could take, boxes nobody answered, steps left over.
  virtual std::vector<std::string> Faults() = 0;
  virtual std::vector<torvek::testing::SeenMessageBox> MessageBoxesSeen() = 0;
  virtual bool RealWindows() const = 0;
};

}  // namespace torvek::setup::testing
