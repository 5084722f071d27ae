#include "common/portable/host_files.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

#if !defined(_WIN32) && __has_include(<sys/xattr.h>)
#include <sys/xattr.h>
#define TORVEK_HAVE_XATTR 1
#endif

#include "common/text/code_page.h"

namespace torvek::portable {

namespace fs = std::filesystem;
using platform::ReadStatus;
using platform::WinError;

namespace {

std::FILE* OpenHostFile(const fs::path& host, platform::TextMode mode) {
  // "x": the C library's exclusive creation, so that no file made meanwhile is truncated.
#ifdef _WIN32
  const wchar_t* modes[] = {L"rb", L"wb", L"wbx"};
  return _wfopen(host.c_str(), modes[static_cast<int>(mode)]);
#else
  const char* modes[] = {"rb", "wb", "wbx"};
  return std::fopen(host.c_str(), modes[static_cast<int>(mode)]);
#endif
}

// The C runtime's text mode over a binary host file.
class HostTextStream : public platform::TextStream {
 public:
  HostTextStream(std::FILE* file, bool writing) : file_(file), writing_(writing) {}
  ~HostTextStream() override { Close(); }

  ReadStatus ReadLine(std::string& line) override {
    line.clear();
    if (file_ == nullptr || writing_)
      return ReadStatus::kError;
    while (!ended_) {
      int c = std::getc(file_);
      if (c == EOF) {
        if (std::ferror(file_))
          return ReadStatus::kError;
        ended_ = true;
        break;
      }
      // Ctrl+Z ends the input, whatever follows it.
      if (c == 0x1A) {
        ended_ = true;
        break;
      }
      // Only CR LF becomes a line feed; a lone CR stays what it is.
      if (c == '\r') {
        const int next = std::getc(file_);
        if (next == '\n')
          c = '\n';
        else if (next != EOF)
          std::ungetc(next, file_);
        else if (std::ferror(file_))
          return ReadStatus::kError;
      }
      line.push_back(static_cast<char>(c));
      if (c == '\n')
        return ReadStatus::kLine;
    }
    return line.empty() ? ReadStatus::kEnd : ReadStatus::kLine;
  }

  bool Write(std::string_view text) override {
    if (file_ == nullptr || !writing_)
      return false;
    std::string disk;
    disk.reserve(text.size() + text.size() / 8 + 1);
    for (const char c : text) {
      if (c == '\n')
        disk.push_back('\r');
      disk.push_back(c);
    }
    return std::fwrite(disk.data(), 1, disk.size(), file_) == disk.size();
  }

  bool Close() override {
    if (file_ == nullptr)
      return false;
    bool ok = !writing_ || (std::fflush(file_) == 0 && !std::ferror(file_));
    ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    return ok;
  }

 private:
  std::FILE* file_;
  bool writing_;
  bool ended_ = false;
};

}  // namespace

fs::path HostName(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8Name(const fs::path& host) {
  const std::u8string name = host.filename().u8string();
  return std::string(name.begin(), name.end());
}

std::string Cp936FromHost(const std::string& utf8) {
  std::string text;
  if (Utf8ToCp936(utf8, text))
    return text;
  std::u16string wide;
  if (!Utf8ToUtf16(utf8, wide))
    return std::string(utf8.size(), '?');
  text.clear();
  for (const char16_t unit : wide) {
    std::string one;
    text += Utf16ToCp936(std::u16string_view(&unit, 1), one) ? one : "?";
  }
  return text;
}

WinError WinErrorFrom(const std::error_code& error) {
  if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory)
    return platform::kErrorPathNotFound;
  if (error == std::errc::no_space_on_device)
    return platform::kErrorDiskFull;
  if (error == std::errc::file_exists)
    return platform::kErrorAlreadyExists;
  if (error == std::errc::directory_not_empty)
    return platform::kErrorDirNotEmpty;
  if (error == std::errc::cross_device_link)
    return kErrorNotSameDevice;
  if (error == std::errc::device_or_resource_busy)
    return platform::kErrorSharingViolation;
  if (error == std::errc::filename_too_long)
    return platform::kErrorFilenameExcedRange;
  return platform::kErrorAccessDenied;
}

WinError WinErrorFromErrno() {
  return WinErrorFrom(std::error_code(errno, std::generic_category()));
}

namespace {

// Hidden and system are kept as Wine keeps them, so that Wine and this class read the same
// tree alike. A host without extended attributes keeps neither.
#ifdef TORVEK_HAVE_XATTR
constexpr char kDosAttributeName[] = "user.DOSATTRIB";
constexpr std::uint32_t kDosAttributeMask = platform::kAttributeHidden | platform::kAttributeSystem;

std::uint32_t ReadDosAttributes(const fs::path& host) {
  char value[32];
  const ssize_t length = getxattr(host.c_str(), kDosAttributeName, value, sizeof value - 1);
  if (length < 3 || value[0] != '0' || (value[1] != 'x' && value[1] != 'X'))
    return 0;
  value[length] = '\0';
  return static_cast<std::uint32_t>(std::strtoul(value + 2, nullptr, 16)) & kDosAttributeMask;
}
#else
std::uint32_t ReadDosAttributes(const fs::path&) {
  return 0;
}
#endif

}  // namespace

#ifdef TORVEK_HAVE_XATTR
void WriteDosAttributes(const fs::path& host, std::uint32_t attributes) {
  attributes &= kDosAttributeMask;
  if (attributes == 0) {
    removexattr(host.c_str(), kDosAttributeName);
    return;
  }
  char value[16];
  const int length = std::snprintf(value, sizeof value, "0x%x", static_cast<unsigned>(attributes));
  if (length > 0 && static_cast<std::size_t>(length) < sizeof value)
    setxattr(host.c_str(), kDosAttributeName, value, static_cast<std::size_t>(length), 0);
}
#else
void WriteDosAttributes(const fs::path&, std::uint32_t) {}
#endif

std::uint32_t HostAttributes(const fs::path& host, bool readOnlyDrive, bool root) {
  std::error_code error;
  const fs::file_status status = fs::status(host, error);
  if (error || !fs::exists(status))
    return platform::kInvalidAttributes;
  // Wine shows every file with the archive bit and never "normal"; a folder is only a folder.
  std::uint32_t attributes = platform::kAttributeDirectory;
  if (!fs::is_directory(status)) {
    attributes = platform::kAttributeArchive;
    if (readOnlyDrive || (status.permissions() & fs::perms::owner_write) == fs::perms::none)
      attributes |= platform::kAttributeReadOnly;
  }
  if (!root) {
    // Wine hides Unix dot-files.
    const std::string name = Utf8Name(host);
    if (name.size() > 1 && name[0] == '.' && name != "..")
      attributes |= platform::kAttributeHidden;
  }
  return attributes | ReadDosAttributes(host);
}

// Read-only is the missing write permission, as Wine keeps it: setting it takes every write bit
// away, clearing it gives the owner's back.
bool SetHostReadOnly(const fs::path& host, bool readOnly) {
  std::error_code error;
  if (readOnly) {
    fs::permissions(host, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove, error);
  } else {
    fs::permissions(host, fs::perms::owner_write, fs::perm_options::add, error);
  }
  return !error;
}

// Byte for byte rather than fs::copy_file, which on a Windows host takes any two files of one
// drive for the same file.
WinError CopyHostFile(const fs::path& from, const fs::path& to) {
  std::FILE* source = OpenHostFile(from, platform::TextMode::kRead);
  if (source == nullptr)
    return WinErrorFromErrno();
  std::FILE* target = OpenHostFile(to, platform::TextMode::kWrite);
  if (target == nullptr) {
    const WinError error = WinErrorFromErrno();
    std::fclose(source);
    return error;
  }
  WinError error = platform::kErrorSuccess;
  std::vector<char> buffer(64 * 1024);
  for (;;) {
    const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), source);
    if (got == 0) {
      if (std::ferror(source))
        error = WinErrorFromErrno();
      break;
    }
    if (std::fwrite(buffer.data(), 1, got, target) != got) {
      error = WinErrorFromErrno();
      break;
    }
  }
  std::fclose(source);
  if (std::fclose(target) != 0 && error == platform::kErrorSuccess)
    error = WinErrorFromErrno();
  if (error != platform::kErrorSuccess) {
    std::error_code ignored;
    fs::remove(to, ignored);
  }
  return error;
}

std::unique_ptr<platform::TextStream> OpenHostTextStream(const fs::path& host,
                                                         platform::TextMode mode, WinError& error) {
  std::FILE* stream = OpenHostFile(host, mode);
  if (stream == nullptr) {
    error = errno == EEXIST ? platform::kErrorFileExists : WinErrorFromErrno();
    return nullptr;
  }
  error = platform::kErrorSuccess;
  return std::make_unique<HostTextStream>(stream, mode != platform::TextMode::kRead);
}

}  // namespace torvek::portable
