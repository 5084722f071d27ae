// The dialog host a test's dialogs run in, with a scripted user: natively the headless host
// with the script attached, under Wine the Win32 host with a user thread acting on the real
// windows. The same cases thus drive the same dialogs through both. Each build links one of
// scripted_host_*.cpp.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/dialog/dialog.h"
#include "common/testing/user_script.h"

namespace torvek::testing {

class ScriptedHost {
 public:
  static std::unique_ptr<ScriptedHost> Make();
  virtual ~ScriptedHost() = default;

  virtual dialog::DialogHost& Host() = 0;
  // Runs `dialogs` (anything that shows dialogs of this host, one after another) while
  // `script` acts as the user.
  virtual void Run(const std::function<void()>& dialogs, const UserScript& script) = 0;
  // Runs one dialog modally; its result.
  int Run(dialog::Dialog& dialog, const UserScript& script) {
    int result = 0;
    Run([&] { result = dialog.DoModal(); }, script);
    return result;
  }
  // Steps no user could take, boxes nobody answered, steps left over.
  virtual std::vector<std::string> Faults() = 0;
  virtual std::vector<SeenMessageBox> MessageBoxesSeen() = 0;
  virtual bool RealWindows() const = 0;
};

}  // namespace torvek::testing
