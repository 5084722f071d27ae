#include "common/text/path_buffer.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace torvek {

bool PathBuffer::Format(const char* format, ...) {
  // Formatting into a larger scratch buffer first keeps a refused result from ever touching
  // the path that was here before; the scratch space is twice the path limit, and anything
  // longer than the path limit is refused anyway.
  char scratch[kCapacity * 2];
  va_list arguments;
  va_start(arguments, format);
  const int length = std::vsnprintf(scratch, sizeof scratch, format, arguments);
  va_end(arguments);
  if (length < 0 || static_cast<std::size_t>(length) >= kCapacity) {
    clear();
    return false;
  }
  std::memcpy(data_, scratch, static_cast<std::size_t>(length) + 1);
  size_ = static_cast<std::size_t>(length);
  return true;
}

bool PathBuffer::Assign(std::string_view text) {
  if (text.size() >= kCapacity || text.find('\0') != std::string_view::npos) {
    clear();
    return false;
  }
  std::memcpy(data_, text.data(), text.size());
  data_[text.size()] = '\0';
  size_ = text.size();
  return true;
}

bool PathBuffer::Join(std::string_view folder, std::string_view name) {
  return Format("%.*s\\%.*s", static_cast<int>(folder.size()), folder.data(),
                static_cast<int>(name.size()), name.data());
}

void PathBuffer::clear() {
  std::memset(data_, 0, sizeof data_);
  size_ = 0;
}

}  // namespace torvek
