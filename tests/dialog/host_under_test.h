// The dialog host one build of the shared cases runs against: natively the headless host with
// the script attached, under Wine the Win32 host with a user thread acting on the real
// windows. Both report the faults of the script (steps no user could take) and the message
// boxes the user saw.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/dialog/dialog.h"
#include "common/testing/user_script.h"

namespace torvek::dialogtest {

class HostUnderTest {
 public:
  static std::unique_ptr<HostUnderTest> Make();
  virtual ~HostUnderTest() = default;

  virtual dialog::DialogHost& Host() = 0;
  // Runs `dialog` modally while `script` acts as its user; the dialog's result.
  virtual int Run(dialog::Dialog& dialog, const torvek::testing::UserScript& script) = 0;
  virtual std::vector<std::string> Faults() = 0;
  virtual std::vector<torvek::testing::SeenMessageBox> MessageBoxesSeen() = 0;
  virtual bool RealWindows() const = 0;
};

}  // namespace torvek::dialogtest
