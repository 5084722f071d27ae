#include "common/copy_replacing.h"

#include <cstring>

#include "common/clear_read_only.h"
#include "common/text/path_buffer.h"

namespace torvek {

CopyEnd CopyReplacing(platform::FileSystem& files, const char* from, const char* to,
                      const std::function<AfterFailedCopy()>& onFailure) {
  ClearReadOnly(files, from);
  ClearReadOnly(files, to);
  for (;;) {
    const bool copied = std::strlen(from) < PathBuffer::kCapacity &&
                        std::strlen(to) < PathBuffer::kCapacity &&
                        files.CopyFile(from, to, false) == platform::kErrorSuccess;
    const AfterFailedCopy after = copied || !onFailure ? AfterFailedCopy::kGoOn : onFailure();
    if (after == AfterFailedCopy::kRetry)
      continue;
    if (after == AfterFailedCopy::kStop)
      return CopyEnd::kStopped;
    ClearReadOnly(files, to);
    return copied ? CopyEnd::kCopied : CopyEnd::kFailed;
  }
}

}  // namespace torvek
