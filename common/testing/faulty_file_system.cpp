#include "common/testing/faulty_file_system.h"

#include <algorithm>
#include <mutex>
#include <utility>
#include <vector>

#include "common/portable/host_file_system.h"
#include "common/text/cp936_text.h"

namespace torvek::testing {

using platform::ReadStatus;
using platform::WinError;

struct FaultyFileSystem::State {
  struct Failure {
    Operation operation;
    std::string path;
    WinError error;
    int times;
    int passing = 0;
  };
  struct ReadFailure {
    std::string path;
    int lines;
  };

  mutable std::mutex mutex;
  std::vector<Failure> failures;
  std::vector<std::string> locked;
  std::vector<ReadFailure> readFailures;
  std::string readOnlyDrives;
  std::uint64_t freeBytes = kUnlimited;

  // Takes up to `wanted` bytes of the free space; answers how many it got.
  std::uint64_t Take(std::uint64_t wanted) {
    std::lock_guard<std::mutex> lock(mutex);
    if (freeBytes == kUnlimited)
      return wanted;
    const std::uint64_t granted = std::min(wanted, freeBytes);
    freeBytes -= granted;
    return granted;
  }
};

namespace {

// Writes through to the real stream until the disk is full. A line feed is two bytes on the
// disk; when only one of them fits, the CR lands alone, as it would on a real disk.
class DiskFullStream : public platform::TextStream {
 public:
  DiskFullStream(std::unique_ptr<platform::TextStream> inner,
                 std::shared_ptr<FaultyFileSystem::State> state)
      : inner_(std::move(inner)), state_(std::move(state)) {}

  platform::ReadStatus ReadLine(std::string& line) override { return inner_->ReadLine(line); }

  bool Write(std::string_view text) override {
    if (full_)
      return false;
    std::uint64_t needed = text.size();
    needed += static_cast<std::uint64_t>(std::count(text.begin(), text.end(), '\n'));
    std::uint64_t granted = state_->Take(needed);
    if (granted == needed)
      return inner_->Write(text);
    full_ = true;
    std::size_t fits = 0;
    for (; fits < text.size(); ++fits) {
      const std::uint64_t size = text[fits] == '\n' ? 2 : 1;
      if (size > granted)
        break;
      granted -= size;
    }
    inner_->Write(text.substr(0, fits));
    if (granted == 1)
      inner_->Write("\r");
    return false;
  }

  bool Close() override {
    const bool closed = inner_->Close();
    return closed && !full_;
  }

 private:
  std::unique_ptr<platform::TextStream> inner_;
  std::shared_ptr<FaultyFileSystem::State> state_;
  bool full_ = false;
};

class ReadErrorStream : public platform::TextStream {
 public:
  ReadErrorStream(std::unique_ptr<platform::TextStream> inner, int lines)
      : inner_(std::move(inner)), linesLeft_(lines) {}

  platform::ReadStatus ReadLine(std::string& line) override {
    if (linesLeft_ <= 0) {
      line.clear();
      return ReadStatus::kError;
    }
    const ReadStatus status = inner_->ReadLine(line);
    if (status == ReadStatus::kLine)
      --linesLeft_;
    return status;
  }

  bool Write(std::string_view text) override { return inner_->Write(text); }
  bool Close() override { return inner_->Close(); }

 private:
  std::unique_ptr<platform::TextStream> inner_;
  int linesLeft_;
};

}  // namespace

FaultyFileSystem::FaultyFileSystem(platform::FileSystem& inner)
    : inner_(inner), state_(std::make_shared<State>()) {}

FaultyFileSystem::~FaultyFileSystem() = default;

void FaultyFileSystem::FailNext(Operation operation, std::string_view path, WinError error,
                                int times) {
  std::lock_guard<std::mutex> lock(state_->mutex);
  state_->failures.push_back({operation, std::string(path), error, times});
}

void FaultyFileSystem::FailAfter(Operation operation, std::string_view path, int passing,
                                 WinError error) {
  std::lock_guard<std::mutex> lock(state_->mutex);
  state_->failures.push_back({operation, std::string(path), error, 1, passing});
}

void FaultyFileSystem::Lock(std::string_view path) {
  std::lock_guard<std::mutex> lock(state_->mutex);
  state_->locked.emplace_back(path);
}

void FaultyFileSystem::Unlock(std::string_view path) {
  std::lock_guard<std::mutex> lock(state_->mutex);
  std::erase_if(state_->locked, [&](const std::string& held) { return EqualsNoCase(held, path); });
}

void FaultyFileSystem::FillDiskAfter(std::uint64_t bytes) {
  std::lock_guard<std::mutex> lock(state_->mutex);
  state_->freeBytes = bytes;
}

std::uint64_t FaultyFileSystem::FreeBytes() const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->freeBytes;
}

void FaultyFileSystem::FailReadingAfter(std::string_view path, int lines) {
  std::lock_guard<std::mutex> lock(state_->mutex);
  state_->readFailures.push_back({std::string(path), lines});
}

void FaultyFileSystem::MakeDriveReadOnly(char letter) {
  std::lock_guard<std::mutex> lock(state_->mutex);
  state_->readOnlyDrives.push_back(UpperAscii(letter));
}

void FaultyFileSystem::Reset() {
  std::lock_guard<std::mutex> lock(state_->mutex);
  state_->failures.clear();
  state_->readOnlyDrives.clear();
  state_->locked.clear();
  state_->readFailures.clear();
  state_->freeBytes = kUnlimited;
}

bool FaultyFileSystem::Injected(Operation operation, std::string_view path, std::string_view other,
                                WinError& error) {
  std::lock_guard<std::mutex> lock(state_->mutex);
  auto& failures = state_->failures;
  const auto failure = std::find_if(failures.begin(), failures.end(), [&](const State::Failure& f) {
    return f.operation == operation &&
           (EqualsNoCase(f.path, path) || (!other.empty() && EqualsNoCase(f.path, other)));
  });
  if (failure == failures.end())
    return false;
  if (failure->passing > 0) {
    --failure->passing;
    return false;
  }
  error = failure->error;
  if (--failure->times <= 0)
    failures.erase(failure);
  return true;
}

bool FaultyFileSystem::Locked(std::string_view path) const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return std::any_of(state_->locked.begin(), state_->locked.end(),
                     [&](const std::string& held) { return EqualsNoCase(held, path); });
}

bool FaultyFileSystem::OnReadOnlyDrive(std::string_view path) const {
  if (path.size() < 2 || path[1] != ':')
    return false;
  std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->readOnlyDrives.find(UpperAscii(path[0])) != std::string::npos;
}

std::string FaultyFileSystem::CurrentDirectory() {
  return inner_.CurrentDirectory();
}

std::string FaultyFileSystem::TempDirectory() {
  return inner_.TempDirectory();
}

std::string FaultyFileSystem::FullPath(const char* path) {
  return inner_.FullPath(path);
}

WinError FaultyFileSystem::FindFirst(const char* pattern, platform::FindData& first,
                                     std::unique_ptr<platform::DirectorySearch>& search) {
  WinError error = platform::kErrorSuccess;
  if (Injected(Operation::kFindFirst, pattern, {}, error))
    return error;
  return inner_.FindFirst(pattern, first, search);
}

WinError FaultyFileSystem::CopyFile(const char* from, const char* to, bool failIfExists) {
  WinError error = platform::kErrorSuccess;
  if (Injected(Operation::kCopyFile, from, to, error))
    return error;
  if (Locked(to))
    return platform::kErrorSharingViolation;
  if (OnReadOnlyDrive(to))
    return platform::kErrorAccessDenied;
  error = inner_.CopyFile(from, to, failIfExists);
  if (error != platform::kErrorSuccess)
    return error;
  std::uint64_t size = 0;
  if (inner_.FileSize(to, size) != platform::kErrorSuccess || state_->Take(size) == size) {
    if (OnReadOnlyDrive(from)) {
      inner_.SetAttributes(to, inner_.GetAttributes(to) | platform::kAttributeReadOnly);
    }
    return platform::kErrorSuccess;
  }
  // The copy may have taken the source's read-only attribute.
  inner_.SetAttributes(to, platform::kAttributeNormal);
  inner_.DeleteFile(to);
  return platform::kErrorDiskFull;
}

WinError FaultyFileSystem::MoveFile(const char* from, const char* to, bool replaceExisting) {
  WinError error = platform::kErrorSuccess;
  if (Injected(Operation::kMoveFile, from, to, error))
    return error;
  if (Locked(from) || Locked(to))
    return platform::kErrorSharingViolation;
  if (OnReadOnlyDrive(from) || OnReadOnlyDrive(to))
    return platform::kErrorAccessDenied;
  return inner_.MoveFile(from, to, replaceExisting);
}

WinError FaultyFileSystem::ReplaceFile(const char* replaced, const char* replacement) {
  WinError error = platform::kErrorSuccess;
  if (Injected(Operation::kReplaceFile, replaced, replacement, error))
    return error;
  if (Locked(replaced) || Locked(replacement))
    return platform::kErrorSharingViolation;
  if (OnReadOnlyDrive(replaced) || OnReadOnlyDrive(replacement))
    return platform::kErrorAccessDenied;
  return inner_.ReplaceFile(replaced, replacement);
}

WinError FaultyFileSystem::DeleteFile(const char* path) {
  WinError error = platform::kErrorSuccess;
  if (Injected(Operation::kDeleteFile, path, {}, error))
    return error;
  if (Locked(path))
    return platform::kErrorSharingViolation;
  if (OnReadOnlyDrive(path))
    return platform::kErrorAccessDenied;
  return inner_.DeleteFile(path);
}

WinError FaultyFileSystem::CreateDirectory(const char* path) {
  WinError error = platform::kErrorSuccess;
  if (Injected(Operation::kCreateDirectory, path, {}, error))
    return error;
  if (OnReadOnlyDrive(path))
    return inner_.GetAttributes(path) != platform::kInvalidAttributes
               ? platform::kErrorAlreadyExists
               : platform::kErrorAccessDenied;
  return inner_.CreateDirectory(path);
}

WinError FaultyFileSystem::RemoveDirectory(const char* path) {
  WinError error = platform::kErrorSuccess;
  if (Injected(Operation::kRemoveDirectory, path, {}, error))
    return error;
  if (OnReadOnlyDrive(path))
    return platform::kErrorAccessDenied;
  return inner_.RemoveDirectory(path);
}

int FaultyFileSystem::MakeDirectory(const char* path) {
  WinError error = platform::kErrorSuccess;
  if (Injected(Operation::kMakeDirectory, path, {}, error))
    return portable::ErrnoFromWinError(error);
  if (OnReadOnlyDrive(path)) {
    return portable::ErrnoFromWinError(inner_.GetAttributes(path) != platform::kInvalidAttributes
                                           ? platform::kErrorAlreadyExists
                                           : platform::kErrorAccessDenied);
  }
  return inner_.MakeDirectory(path);
}

int FaultyFileSystem::Access(const char* path, int mode) {
  WinError error = platform::kErrorSuccess;
  if (Injected(Operation::kAccess, path, {}, error))
    return -1;
  if ((mode & 2) != 0 && OnReadOnlyDrive(path) && inner_.Access(path, 0) == 0 &&
      (inner_.GetAttributes(path) & platform::kAttributeDirectory) == 0)
    return -1;
  return inner_.Access(path, mode);
}

std::uint32_t FaultyFileSystem::GetAttributes(const char* path) {
  WinError error = platform::kErrorSuccess;
  if (Injected(Operation::kGetAttributes, path, {}, error))
    return platform::kInvalidAttributes;
  const std::uint32_t attributes = inner_.GetAttributes(path);
  if (attributes != platform::kInvalidAttributes &&
      (attributes & platform::kAttributeDirectory) == 0 && OnReadOnlyDrive(path))
    return attributes | platform::kAttributeReadOnly;
  return attributes;
}

WinError FaultyFileSystem::SetAttributes(const char* path, std::uint32_t attributes) {
  WinError error = platform::kErrorSuccess;
  if (Injected(Operation::kSetAttributes, path, {}, error))
    return error;
  if (OnReadOnlyDrive(path))
    return platform::kErrorAccessDenied;
  return inner_.SetAttributes(path, attributes);
}

WinError FaultyFileSystem::FileSize(const char* path, std::uint64_t& size) {
  WinError error = platform::kErrorSuccess;
  if (Injected(Operation::kFileSize, path, {}, error))
    return error;
  return inner_.FileSize(path, size);
}

std::unique_ptr<platform::TextStream> FaultyFileSystem::OpenText(const char* path,
                                                                 platform::TextMode mode,
                                                                 WinError& error) {
  const bool write = mode != platform::TextMode::kRead;
  if (Injected(write ? Operation::kOpenWrite : Operation::kOpenRead, path, {}, error))
    return nullptr;
  if (write && Locked(path)) {
    error = platform::kErrorSharingViolation;
    return nullptr;
  }
  if (write && OnReadOnlyDrive(path)) {
    error = platform::kErrorAccessDenied;
    return nullptr;
  }
  std::unique_ptr<platform::TextStream> stream = inner_.OpenText(path, mode, error);
  if (!stream)
    return nullptr;
  if (write)
    return std::make_unique<DiskFullStream>(std::move(stream), state_);
  int lines = -1;
  {
    std::lock_guard<std::mutex> lock(state_->mutex);
    for (const State::ReadFailure& failure : state_->readFailures) {
      if (EqualsNoCase(failure.path, path))
        lines = failure.lines;
    }
  }
  if (lines < 0)
    return stream;
  return std::make_unique<ReadErrorStream>(std::move(stream), lines);
}

}  // namespace torvek::testing
