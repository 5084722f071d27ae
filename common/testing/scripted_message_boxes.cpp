#include "common/testing/scripted_message_boxes.h"

namespace torvek::testing {

platform::MessageBoxAnswer ScriptedMessageBoxes::Show(platform::WindowRef owner, const char* text,
                                                      const char* caption,
                                                      platform::MessageBoxButtons buttons,
                                                      platform::MessageBoxIcon icon) {
  platform::MessageBoxAnswer answer = platform::MessageBoxAnswer::kFailed;
  if (!script_.empty()) {
    answer = script_.front();
    script_.pop_front();
  }
  shown_.push_back({owner, text != nullptr ? text : "", caption != nullptr ? caption : "", buttons,
                    icon, answer});
  return answer;
}

}  // namespace torvek::testing
