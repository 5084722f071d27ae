#include "installer/engine/failed_copy_question.h"

namespace torvek::engine {

AfterFailedCopy AskAfterFailedCopy(InstallPage& page, const std::string& file) {
  const std::string question = "拷贝文件 " + file + " 失败，请确认AutoCAD已关闭或文件权限开放 !";
  switch (page.Ask(question.c_str(), "Torvek安装", platform::MessageBoxButtons::kAbortRetryIgnore,
                   platform::MessageBoxIcon::kNone)) {
    case platform::MessageBoxAnswer::kRetry:
      return AfterFailedCopy::kRetry;
    case platform::MessageBoxAnswer::kIgnore:
      return AfterFailedCopy::kGoOn;
    case platform::MessageBoxAnswer::kAbort:
    default:
      // A question that could not be shown has no answer to repeat: retrying would ask for
      // ever, so it stops the copy as Abort does.
      return AfterFailedCopy::kStop;
  }
}

}  // namespace torvek::engine
