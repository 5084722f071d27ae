// The file system one build of the contract cases runs against, with a fresh scratch folder
// that goes when the object goes.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "common/platform/file_system.h"

namespace torvek::contract {

class FilesUnderTest {
 public:
  enum class Side { kPortable, kWine, kWindows };

  static std::unique_ptr<FilesUnderTest> Make();
  virtual ~FilesUnderTest() = default;

  virtual platform::FileSystem& Files() = 0;
  // The scratch folder, without a trailing backslash.
  virtual const std::string& Scratch() const = 0;
  // The root of the scratch folder's drive, "X:\".
  virtual std::string DriveRoot() const = 0;
  // A drive letter that names nothing.
  virtual char UnmappedDrive() = 0;
  // The bytes of a file as they lie on the disk, past any text mode.
  virtual bool ReadBytes(const std::string& path, std::string& bytes) = 0;
  virtual bool WriteBytes(const std::string& path, std::string_view bytes) = 0;
  // Makes the scratch folder the current directory, for cases with relative paths; the old one
  // is current again when the object goes.
  virtual void EnterScratch() = 0;

  // Wine run as root lets a read-only file be overwritten; Windows and Wine as a normal user
  // do not (ctest runs the Windows build a second time as an unprivileged user).
  virtual bool ReadOnlyEnforced() const = 0;
  virtual Side WhichSide() const = 0;

  std::string Path(std::string_view name) const { return Scratch() + "\\" + std::string(name); }
};

}  // namespace torvek::contract
