// A path built by formatted printing into the platform's 260-byte path buffer (259 bytes and
// the terminating zero). A result that does not fit is refused whole: the buffer is left
// empty and Format answers false, so a cut path can never be taken for another one.
#pragma once

#include <cstddef>
#include <string_view>

namespace torvek {

class PathBuffer {
 public:
  static constexpr std::size_t kCapacity = 260;

  PathBuffer() = default;

  [[nodiscard]] bool Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // Takes `text` as it is; false (and empty) when it is 260 bytes or longer.
  [[nodiscard]] bool Assign(std::string_view text);
  // "%s\%s" from a folder and a name.
  [[nodiscard]] bool Join(std::string_view folder, std::string_view name);

  const char* c_str() const { return data_; }
  std::string_view view() const { return std::string_view(data_, size_); }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  void clear();

 private:
  char data_[kCapacity] = {};
  std::size_t size_ = 0;
};

}  // namespace torvek
