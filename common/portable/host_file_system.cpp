#include "common/portable/host_file_system.h"

#include <algorithm>
#include <system_error>
#include <utility>
#include <vector>

#include "common/portable/host_files.h"
#include "common/portable/windows_path.h"
#include "common/text/code_page.h"
#include "common/text/cp936_text.h"
#include "common/text/path_split.h"

namespace torvek::portable {

namespace fs = std::filesystem;
using platform::FindData;
using platform::WinError;

namespace {

// What RemoveDirectory answers for a file.
constexpr WinError kErrorDirectory = 267;
// What ReplaceFile answers when the replacement cannot be moved into place (across drives).
constexpr WinError kErrorUnableToMoveReplacement = 1176;

// The C runtime's errno values (Microsoft's numbering, which is not always the host's).
constexpr int kErrnoNoEntry = 2;
constexpr int kErrnoAccess = 13;
constexpr int kErrnoExists = 17;
constexpr int kErrnoCrossDevice = 18;
constexpr int kErrnoInvalid = 22;
constexpr int kErrnoNoSpace = 28;
constexpr int kErrnoNotEmpty = 41;

constexpr PathSeparators kSeparators = PathSeparators::kBackslashOrSlash;

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
  for (char16_t& unit : key)
    unit = UpperAscii(unit);
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
  currentDirectory_ = WindowsPathText(ParseAbsoluteWindowsPath(path));
}

void HostFileSystem::SetTempDirectory(std::string_view path) {
  const WindowsPath parsed = ParseAbsoluteWindowsPath(path);
  tempDirectory_ = WindowsPathText(parsed);
  if (!parsed.components.empty())
    tempDirectory_ += "\\";
}

std::string HostFileSystem::CurrentDirectory() {
  return currentDirectory_;
}

std::string HostFileSystem::TempDirectory() {
  return tempDirectory_;
}

std::string HostFileSystem::FullPath(const char* path) {
  WindowsPath parsed;
  if (TooLongForAnsiCalls(path) ||
      ParseWindowsPath(path, ParseAbsoluteWindowsPath(currentDirectory_), parsed) !=
          platform::kErrorSuccess) {
    return {};
  }
  return WindowsPathText(parsed);
}

HostFileSystem::Resolved HostFileSystem::Resolve(std::string_view path) {
  Resolved resolved;
  if (TooLongForAnsiCalls(path)) {
    resolved.error = platform::kErrorFilenameExcedRange;
    return resolved;
  }
  WindowsPath parsed;
  resolved.error = ParseWindowsPath(path, ParseAbsoluteWindowsPath(currentDirectory_), parsed);
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
    if (!IsValidWindowsName(name, false)) {
      resolved.error = platform::kErrorInvalidName;
      return resolved;
    }
    std::string utf8;
    const bool convertible = Cp936ToUtf8(name, utf8);
    std::string hostName;
    fs::file_status status;
    const bool found = convertible && names_.Find(resolved.host, utf8, hostName, status);
    if (!found && last) {
      // A name that is not there yet is made as it is written.
      if (!convertible) {
        resolved.error = platform::kErrorInvalidName;
        return resolved;
      }
      resolved.host /= HostName(utf8);
      return resolved;
    }
    if (found)
      resolved.host /= HostName(hostName);
    const bool isDirectory = found && fs::is_directory(status);
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
  if (TooLongForAnsiCalls(text))
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
  if (!IsValidWindowsName(mask, true))
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
  if (copied != platform::kErrorSuccess) {
    names_.Forget(target.host.parent_path());
    return copied;
  }
  if (!target.exists)
    names_.Added(target.host.parent_path(), Utf8Name(target.host));
  // The copy takes the source's attributes and time, whatever it had been before.
  const fs::file_time_type written = fs::last_write_time(source.host, error);
  if (!error)
    fs::last_write_time(target.host, written, error);
  WriteDosAttributes(target.host, attributes);
  SetHostReadOnly(target.host, (attributes & platform::kAttributeReadOnly) != 0);
  return platform::kErrorSuccess;
}

WinError HostFileSystem::MoveFile(const char* from, const char* to, bool replaceExisting) {
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
    if (!replaceExisting)
      return platform::kErrorAlreadyExists;
    // Replacing deletes the old file, and a read-only file cannot be deleted. Wine replaces it
    // anyway; Windows refuses.
    if (target.isDirectory || source.isDirectory || target.ReadOnlyFile())
      return platform::kErrorAccessDenied;
  }
  fs::rename(source.host, target.host, error);
  names_.Forget(source.host.parent_path());
  names_.Forget(target.host.parent_path());
  return error ? WinErrorFrom(error) : platform::kErrorSuccess;
}

// As Windows does it: the replaced file's attributes and permissions stay with its name.
WinError HostFileSystem::ReplaceFile(const char* replaced, const char* replacement) {
  const Resolved old = Resolve(replaced);
  if (old.error != platform::kErrorSuccess)
    return old.error;
  if (!old.exists)
    return platform::kErrorFileNotFound;
  if (old.isDirectory || old.readOnlyDrive || old.ReadOnlyFile())
    return platform::kErrorAccessDenied;
  const Resolved fresh = Resolve(replacement);
  if (fresh.error != platform::kErrorSuccess)
    return fresh.error;
  if (!fresh.exists)
    return platform::kErrorFileNotFound;
  if (fresh.isDirectory)
    return platform::kErrorAccessDenied;
  if (old.drive != fresh.drive)
    return kErrorUnableToMoveReplacement;
  std::error_code error;
  if (fs::equivalent(old.host, fresh.host, error))
    return platform::kErrorSharingViolation;
  const std::uint32_t attributes = HostAttributes(old.host, false, false);
  const fs::perms permissions = fs::status(old.host, error).permissions();
  fs::rename(fresh.host, old.host, error);
  names_.Forget(fresh.host.parent_path());
  names_.Forget(old.host.parent_path());
  if (error)
    return kErrorUnableToMoveReplacement;
  WriteDosAttributes(old.host, attributes);
  fs::permissions(old.host, permissions, fs::perm_options::replace, error);
  return platform::kErrorSuccess;
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
  names_.Forget(file.host.parent_path());
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
  if (error)
    return WinErrorFrom(error);
  names_.Added(folder.host.parent_path(), Utf8Name(folder.host));
  return platform::kErrorSuccess;
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
  names_.Forget(folder.host);
  names_.Forget(folder.host.parent_path());
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
  const bool write = mode != platform::TextMode::kRead;
  error = file.error;
  if (error == platform::kErrorSuccess) {
    if (mode == platform::TextMode::kCreateNew && file.exists)
      error = platform::kErrorFileExists;
    else if (file.isDirectory)
      error = platform::kErrorAccessDenied;
    else if (!write && !file.exists)
      error = platform::kErrorFileNotFound;
    else if (write && (file.readOnlyDrive || file.ReadOnlyFile()))
      error = platform::kErrorAccessDenied;
  }
  if (error != platform::kErrorSuccess)
    return nullptr;
  std::unique_ptr<platform::TextStream> stream = OpenHostTextStream(file.host, mode, error);
  if (stream != nullptr && !file.exists)
    names_.Added(file.host.parent_path(), Utf8Name(file.host));
  return stream;
}

}  // namespace torvek::portable
