#include "common/clear_read_only.h"

namespace torvek {

void ClearReadOnly(platform::FileSystem& files, const char* path) {
  const std::uint32_t attributes = files.GetAttributes(path);
  if (attributes == platform::kInvalidAttributes)
    return;
  if ((attributes & platform::kAttributeReadOnly) == 0)
    return;
  files.SetAttributes(path, attributes & ~platform::kAttributeReadOnly);
}

}  // namespace torvek
