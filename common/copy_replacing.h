#pragma once

#include <functional>

#include "common/platform/file_system.h"

namespace torvek {

// What a failed copy leads to: copy again (the attributes are not cleared again), go on as
// after a copy, or stop at once and leave the destination as the failure left it.
enum class AfterFailedCopy { kRetry, kGoOn, kStop };

enum class CopyEnd { kCopied, kFailed, kStopped };

// The installer's copy of one file: the read-only attribute is taken off the source and the
// destination, the destination is replaced, and read-only is taken off the destination again,
// so that no copy is left read-only. Without `onFailure` a failed copy goes on. A path too long
// for the platform's buffers is a failed copy: it is never cut short.
CopyEnd CopyReplacing(platform::FileSystem& files, const char* from, const char* to,
                      const std::function<AfterFailedCopy()>& onFailure = {});

}  // namespace torvek
