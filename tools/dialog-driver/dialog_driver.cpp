// dialog-driver: acts as the user on a Windows program's dialogs, from a script, under Wine.
//
//   dialog-driver SCRIPT [NAME=VALUE ...]
//
// The script (UTF-8; see driver_script.h) is a list of commands; ${NAME} takes a value given
// on the command line. The first command that fails stops the run with exit status 1 and says
// which line it was. Commands:
//
//   start COMMAND-LINE [FOLDER]          start the program (in FOLDER)
//   window TITLE [MS]                    wait for its visible window TITLE; later commands act on
//   it click ID | type ID TEXT | select ID ROW | enter | escape | close answer CAPTION BUTTON
//   [TEXT]         wait for the message box CAPTION (showing TEXT) and press
//                                        BUTTON: ok, cancel, abort, retry, ignore, yes or no
//   expect-title TITLE | expect-text ID TEXT | expect-enabled ID yes|no
//   expect-visible ID yes|no | expect-checked ID STATE | expect-selection ID ROW
//                                        wait up to 5 s (or MS, given last) for what the window
//                                        shows to be so
//   screenshot PATH                      the whole screen as a PNG file
//   sleep MS
//   wait-exit [MS] [CODE]                wait for the program to end (with exit code CODE)
#include <charconv>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <thread>

#include "common/testing/screenshot.h"
#include "common/testing/window_driver.h"
#include "common/text/code_page.h"
#include "tools/dialog-driver/driver_script.h"

namespace {

using namespace torvek;
using driver::DriverCommand;

constexpr std::uint32_t kDefaultWaitMs = 20000;
constexpr int kExpectationMs = 5000;

bool ToInt(const std::string& text, int& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end && !text.empty();
}

bool AnswerOf(const std::string& name, platform::MessageBoxAnswer& answer) {
  using A = platform::MessageBoxAnswer;
  static const std::map<std::string, A> kAnswers = {
      {"ok", A::kOk},         {"cancel", A::kCancel}, {"abort", A::kAbort}, {"retry", A::kRetry},
      {"ignore", A::kIgnore}, {"yes", A::kYes},       {"no", A::kNo}};
  const auto found = kAnswers.find(name);
  if (found == kAnswers.end())
    return false;
  answer = found->second;
  return true;
}

class Driver {
 public:
  ~Driver() { torvek::testing::EndProgram(program_); }

  bool Run(const DriverCommand& command, std::string& error) {
    std::vector<std::string> args;
    for (const std::string& argument : command.arguments) {
      std::string text;
      if (!Utf8ToCp936(argument, text)) {
        error = "\"" + argument + "\" cannot be written in code page 936";
        return false;
      }
      args.push_back(std::move(text));
    }
    return Perform(command.verb, args, error);
  }

 private:
  bool Perform(const std::string& verb, const std::vector<std::string>& args, std::string& error) {
    int id = 0;
    int number = 0;
    const bool hasId = !args.empty() && ToInt(args[0], id);
    if (verb == "start" && !args.empty())
      return Check(torvek::testing::StartProgram(args[0], args.size() > 1 ? args[1] : "", program_),
                   "the program cannot be started", error);
    if (verb == "window" && !args.empty()) {
      const std::uint32_t wait =
          args.size() > 1 && ToInt(args[1], number) ? number : kDefaultWaitMs;
      window_ = torvek::testing::WaitForWindow(program_.processId, args[0], wait);
      return Check(window_ != 0, "no such window appeared", error);
    }
    if (verb == "sleep" && hasId) {
      std::this_thread::sleep_for(std::chrono::milliseconds(id));
      return true;
    }
    if (verb == "screenshot" && !args.empty())
      return Check(torvek::testing::SaveScreenshot(args[0]), "the screenshot cannot be written",
                   error);
    if (verb == "answer" && args.size() >= 2)
      return Answer(args, error);
    if (verb == "wait-exit")
      return WaitExit(args, error);
    if (window_ == 0) {
      error = "no window to act on: use \"window\" first";
      return false;
    }
    std::string fault;
    if (verb == "click" && hasId)
      return Act(torvek::testing::Click(window_, id, fault), fault, error);
    if (verb == "type" && hasId && args.size() == 2)
      return Act(torvek::testing::TypeText(window_, id, args[1], fault), fault, error);
    if (verb == "select" && hasId && args.size() == 2 && ToInt(args[1], number))
      return Act(torvek::testing::SelectRow(window_, id, number, fault), fault, error);
    if (verb == "enter" || verb == "escape" || verb == "close") {
      if (verb == "enter")
        torvek::testing::PressEnter(window_);
      else if (verb == "escape")
        torvek::testing::PressEscape(window_);
      else
        torvek::testing::PressCloseBox(window_);
      return true;
    }
    return Expect(verb, args, hasId, id, error);
  }

  bool Expect(const std::string& verb, const std::vector<std::string>& args, bool hasId, int id,
              std::string& error) {
    auto view = torvek::testing::ViewOf(window_);
    std::function<bool()> holds;
    const std::string wanted = args.size() > 1 ? args[1] : "";
    int number = 0;
    // The title alone, or a control and what it shows; then, maybe, how long to wait.
    const std::size_t given = verb == "expect-title" ? 1 : 2;
    int waitMs = kExpectationMs;
    const bool sized =
        args.size() == given || (args.size() == given + 1 && ToInt(args[given], waitMs));
    if (!sized)
      holds = nullptr;
    else if (verb == "expect-title")
      holds = [&] { return view->Title() == args[0]; };
    else if (verb == "expect-text" && hasId)
      holds = [&] { return view->Text(id) == wanted; };
    else if (verb == "expect-enabled" && hasId)
      holds = [&] { return view->IsEnabled(id) == (wanted == "yes"); };
    else if (verb == "expect-visible" && hasId)
      holds = [&] { return view->IsVisible(id) == (wanted == "yes"); };
    else if (verb == "expect-checked" && hasId && ToInt(wanted, number))
      holds = [&] { return view->CheckState(id) == number; };
    else if (verb == "expect-selection" && hasId && ToInt(wanted, number))
      holds = [&] { return view->ListSelection(id) == number; };
    if (!holds) {
      error = "\"" + verb + "\" is not a command, or its arguments are wrong";
      return false;
    }
    for (int waited = 0; waited < waitMs; waited += 25) {
      if (holds())
        return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    error = "the window does not show what \"" + verb + "\" expects";
    return false;
  }

  bool Answer(const std::vector<std::string>& args, std::string& error) {
    platform::MessageBoxAnswer answer;
    if (!AnswerOf(args[1], answer)) {
      error = "\"" + args[1] + "\" is not a message box button";
      return false;
    }
    const platform::WindowRef box =
        torvek::testing::WaitForWindow(program_.processId, args[0], kDefaultWaitMs);
    if (box == 0) {
      error = "no such message box appeared";
      return false;
    }
    std::string caption;
    std::string text;
    torvek::testing::ReadMessageBox(box, caption, text);
    if (args.size() > 2 && text != args[2]) {
      error = "the message box says something else";
      return false;
    }
    return Check(torvek::testing::AnswerMessageBox(box, answer), "the box has no such button",
                 error);
  }

  bool WaitExit(const std::vector<std::string>& args, std::string& error) {
    int wait = static_cast<int>(kDefaultWaitMs);
    int expected = 0;
    if (!args.empty() && !ToInt(args[0], wait)) {
      error = "\"" + args[0] + "\" is not a number of milliseconds";
      return false;
    }
    std::uint32_t code = 0;
    if (!torvek::testing::WaitForExit(program_, static_cast<std::uint32_t>(wait), code)) {
      error = "the program is still running";
      return false;
    }
    if (args.size() > 1 && (!ToInt(args[1], expected) || static_cast<int>(code) != expected)) {
      error = "the program ended with " + std::to_string(code);
      return false;
    }
    return true;
  }

  bool Act(bool done, const std::string& fault, std::string& error) {
    if (!done) {
      error = fault;
      return false;
    }
    torvek::testing::SettleSent(window_, kDefaultWaitMs);
    return true;
  }

  static bool Check(bool done, const char* failure, std::string& error) {
    if (!done)
      error = failure;
    return done;
  }

  torvek::testing::StartedProgram program_;
  platform::WindowRef window_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: dialog-driver SCRIPT [NAME=VALUE ...]\n");
    return 2;
  }
  std::ifstream file(argv[1], std::ios::binary);
  if (!file) {
    std::fprintf(stderr, "dialog-driver: cannot read %s\n", argv[1]);
    return 2;
  }
  std::stringstream text;
  text << file.rdbuf();
  std::map<std::string, std::string> values;
  for (int i = 2; i < argc; ++i) {
    const std::string pair = argv[i];
    const std::size_t equals = pair.find('=');
    if (equals != std::string::npos)
      values[pair.substr(0, equals)] = pair.substr(equals + 1);
  }
  std::vector<driver::DriverCommand> commands;
  std::string error;
  if (!driver::ParseDriverScript(text.str(), values, commands, error)) {
    std::fprintf(stderr, "dialog-driver: %s: %s\n", argv[1], error.c_str());
    return 2;
  }
  Driver driver;
  for (const driver::DriverCommand& command : commands) {
    if (!driver.Run(command, error)) {
      std::fprintf(stderr, "dialog-driver: %s line %d (%s): %s\n", argv[1], command.line,
                   command.verb.c_str(), error.c_str());
      return 1;
    }
  }
  return 0;
}
