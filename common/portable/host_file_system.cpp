#include "common/portable/host_file_system.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <system_error>
#include <utility>
#include <vector>

#if !defined(_WIN32) && __has_include(<sys/xattr.h>)
#include <sys/xattr.h>
#define TORVEK_HAVE_XATTR 1
#endif

#include "common/text/code_page.h"
#include "common/text/cp936_text.h"
#include "common/text/path_split.h"

namespace torvek::portable {

namespace fs = std::filesystem;
using platform::FindData;
using platform::ReadStatus;
using platform::WinError;

namespace {

// Codes only this file answers with.
constexpr WinError kErrorNotSameDevice = 17;
constexpr WinError kErrorDirectory = 267;

// The C runtime's errno values (Microsoft's numbering, which is not always the host's).
constexpr int kErrnoNoEntry = 2;
constexpr int kErrnoAccess = 13;
constexpr int kErrnoExists = 17;
constexpr int kErrnoCrossDevice = 18;
constexpr int kErrnoInvalid = 22;
constexpr int kErrnoNoSpace = 28;
constexpr int kErrnoNotEmpty = 41;

constexpr PathSeparators kSeparators = PathSeparators::kBackslashOrSlash;

// Characters Windows refuses in a name; the wildcards only where a pattern is allowed. Only
// single-byte characters count: a trail byte may be 0x7C ('|') and still be half of a name.
bool IsValidName(std::string_view name, bool wildcards) {
  for (const std::string_view character : Characters(name)) {
    if (character.size() == 2)
      continue;
    const auto c = static_cast<unsigned char>(character[0]);
    if (c < 0x20 || c == '<' || c == '>' || c == ':' || c == '"' || c == '|')
      return false;
    if (!wildcards && (c == '*' || c == '?'))
      return false;
  }
  return true;
}

// The ANSI calls take a path through a buffer of MAX_PATH UTF-16 characters, terminating zero
// included; a longer path fails there, before any folder is looked at.
bool TooLong(std::string_view path) {
  return CharacterCount(path) >= 260;
}

struct ParsedPath {
  char drive = 0;
  std::vector<std::string> components;
};

// An absolute, relative or drive-relative Windows path against the current directory, with
// "." and ".." taken out.
WinError ParsePath(std::string_view path, const ParsedPath& current, ParsedPath& parsed) {
  if (path.empty())
    return platform::kErrorPathNotFound;
  std::vector<std::string> base;
  if (HasDrive(path)) {
    parsed.drive = UpperAscii(path[0]);
    path.remove_prefix(2);
    // "D:name" is relative to D:'s own current directory; only the current drive has one here.
    if (!StartsWithSeparator(path, kSeparators) && parsed.drive == current.drive)
      base = current.components;
  } else if (StartsWithSeparator(path, kSeparators)) {
    // A UNC name ("\\server\share") names no drive.
    if (StartsWithSeparator(path.substr(1), kSeparators))
      return platform::kErrorPathNotFound;
    parsed.drive = current.drive;
  } else {
    parsed.drive = current.drive;
    base = current.components;
  }
  parsed.components = std::move(base);
  for (const std::string_view part : SplitPath(path, kSeparators)) {
    if (part == ".")
      continue;
    if (part == "..") {
      if (!parsed.components.empty())
        parsed.components.pop_back();
      continue;
    }
    parsed.components.emplace_back(part);
  }
  return platform::kErrorSuccess;
}

std::string PathText(const ParsedPath& parsed) {
  std::string text{parsed.drive, ':'};
  for (const std::string& part : parsed.components)
    text += "\\" + part;
  if (parsed.components.empty())
    text += "\\";
  return text;
}

fs::path HostName(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8Name(const fs::path& host) {
  const std::u8string name = host.filename().u8string();
  return std::string(name.begin(), name.end());
}

// A host name as the ANSI calls show it: a character code page 936 lacks becomes '?', as
// WideCharToMultiByte makes it.
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

// The name under which `name` exists in `folder`, looked up without case; the exact spelling
// first, as Wine takes it when two names differ only in case. A host that ignores case itself
// (Windows) would find any spelling at once, so there the folder is read for the real one.
bool FindHostName(const fs::path& folder, const std::string& name, std::string& hostName) {
  std::string utf8;
  if (!Cp936ToUtf8(name, utf8))
    return false;
  std::error_code error;
#ifndef _WIN32
  if (fs::exists(folder / HostName(utf8), error)) {
    hostName = utf8;
    return true;
  }
#endif
  // Only ASCII letters have case here, and UTF-8 keeps them as they are in code page 936, so
  // the names are compared as UTF-8: no conversion for every entry of a large folder.
  const auto sameIgnoringAsciiCase = [](std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
             return UpperAscii(x) == UpperAscii(y);
           });
  };
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string candidate = Utf8Name(it->path());
    if (sameIgnoringAsciiCase(candidate, utf8)) {
      hostName = candidate;
      return true;
    }
  }
  return false;
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
std::uint32_t ReadDosAttributes(const fs::path&) {
  return 0;
}
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

std::FILE* OpenHostFile(const fs::path& host, bool write) {
#ifdef _WIN32
  return _wfopen(host.c_str(), write ? L"wb" : L"rb");
#else
  return std::fopen(host.c_str(), write ? "wb" : "rb");
#endif
}

WinError WinErrorFromErrno() {
  return WinErrorFrom(std::error_code(errno, std::generic_category()));
}

// Byte for byte rather than fs::copy_file, which on a Windows host takes any two files of one
// drive for the same file. A copy that fails part-way is removed, as CopyFile removes it.
WinError CopyHostFile(const fs::path& from, const fs::path& to) {
  std::FILE* source = OpenHostFile(from, false);
  if (source == nullptr)
    return WinErrorFromErrno();
  std::FILE* target = OpenHostFile(to, true);
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

// A search is a list taken when it starts, as Wine reads a whole folder at its first call.
class HostSearch : public platform::DirectorySearch {
 public:
  explicit HostSearch(std::vector<FindData> entries) : entries_(std::move(entries)) {}

  WinError Next(FindData& entry) override {
    if (next_ >= entries_.size())
      return platform::kErrorNoMoreFiles;
    entry = entries_[next_++];
    return platform::kErrorSuccess;
  }

 private:
  std::vector<FindData> entries_;
  std::size_t next_ = 0;
};

// '*' is any run of characters, '?' one character; `mask` and `name` are upper-cased.
bool MatchesMask(std::string_view mask, std::string_view name) {
  if (mask.empty())
    return name.empty();
  if (mask[0] == '*') {
    while (!mask.empty() && mask[0] == '*')
      mask.remove_prefix(1);
    for (std::size_t i = 0;; i += CharLength(name, i)) {
      if (MatchesMask(mask, name.substr(i)))
        return true;
      if (i >= name.size())
        return false;
    }
  }
  if (name.empty())
    return false;
  const std::size_t nameLength = CharLength(name, 0);
  if (mask[0] == '?')
    return MatchesMask(mask.substr(1), name.substr(nameLength));
  const std::size_t maskLength = CharLength(mask, 0);
  return mask.substr(0, maskLength) == name.substr(0, nameLength) &&
         MatchesMask(mask.substr(maskLength), name.substr(nameLength));
}

// Wine's order: by name in UTF-16, letters compared without case, and a tie broken by case.
struct SortedEntry {
  std::u16string upper;
  std::u16string exact;
  FindData data;
};

std::u16string SortKey(const std::string& utf8, const std::string& cp936) {
  std::u16string key;
  if (!Utf8ToUtf16(utf8, key))
    Cp936ToUtf16(cp936, key);
  return key;
}

std::u16string UpperKey(std::u16string key) {
  for (char16_t& unit : key) {
    if (unit >= u'a' && unit <= u'z')
      unit = static_cast<char16_t>(unit - u'a' + u'A');
  }
  return key;
}

}  // namespace

int ErrnoFromWinError(WinError error) {
  switch (error) {
    case platform::kErrorSuccess:
      return 0;
    case platform::kErrorFileNotFound:
    case platform::kErrorPathNotFound:
    case platform::kErrorInvalidName:
      return kErrnoNoEntry;
    case platform::kErrorAccessDenied:
    case platform::kErrorSharingViolation:
      return kErrnoAccess;
    case platform::kErrorFileExists:
    case platform::kErrorAlreadyExists:
      return kErrnoExists;
    case kErrorNotSameDevice:
      return kErrnoCrossDevice;
    case platform::kErrorDiskFull:
      return kErrnoNoSpace;
    case platform::kErrorDirNotEmpty:
      return kErrnoNotEmpty;
    default:
      return kErrnoInvalid;
  }
}

struct HostFileSystem::Resolved {
  WinError error = platform::kErrorSuccess;  // the path itself cannot be used
  char drive = 0;
  bool readOnlyDrive = false;
  bool root = false;
  bool exists = false;
  bool isDirectory = false;
  fs::path host;

  bool ReadOnlyFile() const {
    return exists && !isDirectory &&
           (HostAttributes(host, readOnlyDrive, root) & platform::kAttributeReadOnly) != 0;
  }
};

namespace {

ParsedPath ParseAbsolute(std::string_view path) {
  ParsedPath root;
  root.drive = 'C';
  ParsedPath parsed;
  if (ParsePath(path, root, parsed) != platform::kErrorSuccess)
    return root;
  return parsed;
}

}  // namespace

HostFileSystem::HostFileSystem(const std::map<char, fs::path>& drives,
                               std::string_view currentDirectory, std::string_view tempDirectory) {
  for (const auto& [letter, folder] : drives)
    MapDrive(letter, folder);
  SetCurrentDirectory(currentDirectory);
  SetTempDirectory(tempDirectory);
}

void HostFileSystem::MapDrive(char letter, const fs::path& folder) {
  drives_[UpperAscii(letter)].folder = folder;
}

void HostFileSystem::SetDriveReadOnly(char letter, bool readOnly) {
  drives_[UpperAscii(letter)].readOnly = readOnly;
}

void HostFileSystem::SetCurrentDirectory(std::string_view path) {
  currentDirectory_ = PathText(ParseAbsolute(path));
}

void HostFileSystem::SetTempDirectory(std::string_view path) {
  const ParsedPath parsed = ParseAbsolute(path);
  tempDirectory_ = PathText(parsed);
  if (!parsed.components.empty())
    tempDirectory_ += "\\";
}

std::string HostFileSystem::CurrentDirectory() {
  return currentDirectory_;
}

std::string HostFileSystem::TempDirectory() {
  return tempDirectory_;
}

HostFileSystem::Resolved HostFileSystem::Resolve(std::string_view path) {
  Resolved resolved;
  if (TooLong(path)) {
    resolved.error = platform::kErrorFilenameExcedRange;
    return resolved;
  }
  ParsedPath parsed;
  resolved.error = ParsePath(path, ParseAbsolute(currentDirectory_), parsed);
  if (resolved.error != platform::kErrorSuccess)
    return resolved;
  const auto drive = drives_.find(parsed.drive);
  if (drive == drives_.end() || drive->second.folder.empty()) {
    resolved.error = platform::kErrorPathNotFound;
    return resolved;
  }
  resolved.drive = parsed.drive;
  resolved.readOnlyDrive = drive->second.readOnly;
  resolved.host = drive->second.folder;
  std::error_code error;
  if (parsed.components.empty()) {
    resolved.root = true;
    resolved.exists = resolved.isDirectory = fs::is_directory(resolved.host, error);
    return resolved;
  }
  for (std::size_t i = 0; i < parsed.components.size(); ++i) {
    const std::string& name = parsed.components[i];
    const bool last = i + 1 == parsed.components.size();
    if (!IsValidName(name, false)) {
      resolved.error = platform::kErrorInvalidName;
      return resolved;
    }
    std::string hostName;
    const bool found = FindHostName(resolved.host, name, hostName);
    if (!found && last) {
      // A name that is not there yet is made as it is written.
      std::string utf8;
      if (!Cp936ToUtf8(name, utf8)) {
        resolved.error = platform::kErrorInvalidName;
        return resolved;
      }
      resolved.host /= HostName(utf8);
      return resolved;
    }
    if (found)
      resolved.host /= HostName(hostName);
    const bool isDirectory = found && fs::is_directory(resolved.host, error);
    if (!last && !isDirectory) {
      resolved.error = platform::kErrorPathNotFound;
      return resolved;
    }
    if (last) {
      resolved.exists = true;
      resolved.isDirectory = isDirectory;
    }
  }
  // "file\" names a folder that is not there.
  if (EndsWithSeparator(path, kSeparators) && !resolved.isDirectory)
    resolved.error = platform::kErrorPathNotFound;
  return resolved;
}

bool HostFileSystem::HostPath(const char* path, fs::path& host) {
  const Resolved resolved = Resolve(path);
  if (resolved.error != platform::kErrorSuccess)
    return false;
  host = resolved.host;
  return true;
}

WinError HostFileSystem::FindFirst(const char* pattern, FindData& first,
                                   std::unique_ptr<platform::DirectorySearch>& search) {
  search.reset();
  const std::string_view text(pattern);
  if (TooLong(text))
    return platform::kErrorFilenameExcedRange;
  const std::size_t maskStart = LastNameStart(text, kSeparators);
  const std::string_view folderPart = text.substr(0, maskStart);
  const std::string_view mask = text.substr(maskStart);
  const Resolved folder = Resolve(folderPart.empty() ? "." : folderPart);
  if (folder.error != platform::kErrorSuccess)
    return folder.error;
  if (!folder.exists || !folder.isDirectory)
    return platform::kErrorPathNotFound;
  if (mask.empty())
    return platform::kErrorFileNotFound;
  if (!IsValidName(mask, true))
    return platform::kErrorInvalidName;
  // FindFirstFileA reads "*.*" as "everything", names without a dot included.
  const std::string upperMask = ToUpperAscii(mask == "*.*" ? std::string_view("*") : mask);

  std::vector<FindData> entries;
  // A drive's root has no "." and "..", under Wine as on Windows.
  if (!folder.root) {
    for (const char* dots : {".", ".."}) {
      if (MatchesMask(upperMask, dots))
        entries.push_back({dots, platform::kAttributeDirectory});
    }
  }
  std::vector<SortedEntry> sorted;
  std::error_code error;
  for (fs::directory_iterator it(folder.host, error), end; !error && it != end;
       it.increment(error)) {
    const std::string utf8 = Utf8Name(it->path());
    std::string name = Cp936FromHost(utf8);
    if (!MatchesMask(upperMask, ToUpperAscii(name)))
      continue;
    std::u16string key = SortKey(utf8, name);
    std::uint32_t attributes = HostAttributes(it->path(), folder.readOnlyDrive, false);
    if (attributes == platform::kInvalidAttributes)
      attributes = platform::kAttributeArchive;  // a link to nothing: listed, as Wine lists it
    sorted.push_back({UpperKey(key), std::move(key), {std::move(name), attributes}});
  }
  if (error)
    return WinErrorFrom(error);
  std::sort(sorted.begin(), sorted.end(), [](const SortedEntry& a, const SortedEntry& b) {
    return a.upper != b.upper ? a.upper < b.upper : a.exact < b.exact;
  });
  for (SortedEntry& entry : sorted)
    entries.push_back(std::move(entry.data));
  if (entries.empty())
    return platform::kErrorFileNotFound;
  first = entries.front();
  entries.erase(entries.begin());
  search = std::make_unique<HostSearch>(std::move(entries));
  return platform::kErrorSuccess;
}

WinError HostFileSystem::CopyFile(const char* from, const char* to, bool failIfExists) {
  const Resolved source = Resolve(from);
  if (source.error != platform::kErrorSuccess)
    return source.error;
  if (!source.exists)
    return platform::kErrorFileNotFound;
  if (source.isDirectory)
    return platform::kErrorAccessDenied;
  const Resolved target = Resolve(to);
  if (target.error != platform::kErrorSuccess)
    return target.error;
  std::error_code error;
  if (target.exists) {
    if (target.isDirectory)
      return platform::kErrorAccessDenied;
    // The source is open for reading while the copy opens the same file for writing.
    if (fs::equivalent(source.host, target.host, error))
      return platform::kErrorSharingViolation;
    if (failIfExists)
      return platform::kErrorFileExists;
    if (target.ReadOnlyFile())
      return platform::kErrorAccessDenied;
  }
  if (target.readOnlyDrive)
    return platform::kErrorAccessDenied;
  const std::uint32_t attributes = HostAttributes(source.host, source.readOnlyDrive, false);
  const WinError copied = CopyHostFile(source.host, target.host);
  if (copied != platform::kErrorSuccess)
    return copied;
  // The copy takes the source's attributes and time, whatever it had been before.
  const fs::file_time_type written = fs::last_write_time(source.host, error);
  if (!error)
    fs::last_write_time(target.host, written, error);
  WriteDosAttributes(target.host, attributes);
  SetHostReadOnly(target.host, (attributes & platform::kAttributeReadOnly) != 0);
  return platform::kErrorSuccess;
}

WinError HostFileSystem::ReplaceFile(const char* from, const char* to) {
  const Resolved source = Resolve(from);
  if (source.error != platform::kErrorSuccess)
    return source.error;
  if (!source.exists)
    return platform::kErrorFileNotFound;
  const Resolved target = Resolve(to);
  if (target.error != platform::kErrorSuccess)
    return target.error;
  if (source.drive != target.drive)
    return kErrorNotSameDevice;
  if (source.readOnlyDrive)
    return platform::kErrorAccessDenied;
  std::error_code error;
  if (target.exists) {
    if (fs::equivalent(source.host, target.host, error))
      return platform::kErrorSuccess;
    // Replacing deletes the old file, and a read-only file cannot be deleted. Wine replaces it
    // anyway; Windows refuses.
    if (target.isDirectory || source.isDirectory || target.ReadOnlyFile())
      return platform::kErrorAccessDenied;
  }
  fs::rename(source.host, target.host, error);
  return error ? WinErrorFrom(error) : platform::kErrorSuccess;
}

WinError HostFileSystem::DeleteFile(const char* path) {
  const Resolved file = Resolve(path);
  if (file.error != platform::kErrorSuccess)
    return file.error;
  if (!file.exists)
    return platform::kErrorFileNotFound;
  if (file.isDirectory || file.ReadOnlyFile())
    return platform::kErrorAccessDenied;
  std::error_code error;
  fs::remove(file.host, error);
  return error ? WinErrorFrom(error) : platform::kErrorSuccess;
}

WinError HostFileSystem::CreateDirectory(const char* path) {
  const Resolved folder = Resolve(path);
  if (folder.error != platform::kErrorSuccess)
    return folder.error;
  if (folder.exists)
    return platform::kErrorAlreadyExists;
  if (folder.readOnlyDrive)
    return platform::kErrorAccessDenied;
  std::error_code error;
  fs::create_directory(folder.host, error);
  return error ? WinErrorFrom(error) : platform::kErrorSuccess;
}

WinError HostFileSystem::RemoveDirectory(const char* path) {
  const Resolved folder = Resolve(path);
  if (folder.error != platform::kErrorSuccess)
    return folder.error;
  if (!folder.exists)
    return platform::kErrorFileNotFound;
  if (!folder.isDirectory)
    return kErrorDirectory;
  if (folder.root || folder.readOnlyDrive)
    return platform::kErrorAccessDenied;
  std::error_code error;
  if (fs::directory_iterator(folder.host, error) != fs::directory_iterator())
    return platform::kErrorDirNotEmpty;
  fs::remove(folder.host, error);
  return error ? WinErrorFrom(error) : platform::kErrorSuccess;
}

int HostFileSystem::MakeDirectory(const char* path) {
  return ErrnoFromWinError(CreateDirectory(path));
}

int HostFileSystem::Access(const char* path, int mode) {
  // The C runtime asks GetFileAttributesA, and "write" is refused by the read-only bit alone.
  const std::uint32_t attributes = GetAttributes(path);
  if (attributes == platform::kInvalidAttributes)
    return -1;
  if ((mode & 2) != 0 && (attributes & platform::kAttributeReadOnly) != 0)
    return -1;
  return 0;
}

std::uint32_t HostFileSystem::GetAttributes(const char* path) {
  const Resolved resolved = Resolve(path);
  if (resolved.error != platform::kErrorSuccess || !resolved.exists)
    return platform::kInvalidAttributes;
  return HostAttributes(resolved.host, resolved.readOnlyDrive, resolved.root);
}

WinError HostFileSystem::SetAttributes(const char* path, std::uint32_t attributes) {
  const Resolved resolved = Resolve(path);
  if (resolved.error != platform::kErrorSuccess)
    return resolved.error;
  if (!resolved.exists)
    return platform::kErrorFileNotFound;
  if (resolved.readOnlyDrive)
    return platform::kErrorAccessDenied;
  // Hidden and system first: once read-only, a normal user could no longer change them.
  WriteDosAttributes(resolved.host, attributes);
  // Wine drops read-only on a folder (Windows keeps it, though it stops nothing there).
  if (!resolved.isDirectory &&
      !SetHostReadOnly(resolved.host, (attributes & platform::kAttributeReadOnly) != 0)) {
    return platform::kErrorAccessDenied;
  }
  return platform::kErrorSuccess;
}

WinError HostFileSystem::FileSize(const char* path, std::uint64_t& size) {
  size = 0;
  const Resolved resolved = Resolve(path);
  if (resolved.error != platform::kErrorSuccess)
    return resolved.error;
  if (!resolved.exists)
    return platform::kErrorFileNotFound;
  if (resolved.isDirectory)
    return platform::kErrorSuccess;
  std::error_code error;
  size = fs::file_size(resolved.host, error);
  return error ? WinErrorFrom(error) : platform::kErrorSuccess;
}

std::unique_ptr<platform::TextStream> HostFileSystem::OpenText(const char* path,
                                                               platform::TextMode mode,
                                                               WinError& error) {
  const Resolved file = Resolve(path);
  const bool write = mode == platform::TextMode::kWrite;
  error = file.error;
  if (error == platform::kErrorSuccess) {
    if (file.isDirectory)
      error = platform::kErrorAccessDenied;
    else if (!write && !file.exists)
      error = platform::kErrorFileNotFound;
    else if (write && (file.readOnlyDrive || file.ReadOnlyFile()))
      error = platform::kErrorAccessDenied;
  }
  if (error != platform::kErrorSuccess)
    return nullptr;
  std::FILE* stream = OpenHostFile(file.host, write);
  if (stream == nullptr) {
    error = WinErrorFromErrno();
    return nullptr;
  }
  return std::make_unique<HostTextStream>(stream, write);
}

}  // namespace torvek::portable
