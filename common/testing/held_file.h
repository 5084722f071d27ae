// A file held open as a running AutoCAD holds its modules: others may read it, but copying
// onto it, replacing or deleting it fails with a sharing violation until it is let go. For
// tests of what an installer does when a file it must replace is in use.
#pragma once

#include <memory>
#include <string>

namespace torvek::testing {

class HeldFile {
 public:
  // Null when the file cannot be opened.
  static std::unique_ptr<HeldFile> Hold(const std::string& path);
  ~HeldFile();
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;

 private:
  explicit HeldFile(void* handle) : handle_(handle) {}
  void* handle_;
};

}  // namespace torvek::testing
