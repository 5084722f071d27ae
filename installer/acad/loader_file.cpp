#include "installer/acad/loader_file.h"

#include "common/text/cp936_text.h"
#include "common/text/path_buffer.h"
#include "common/text/path_split.h"

namespace torvek::acad {

namespace {

// The new content is written to a file of its own beside the loader file first. Its name is no
// longer than "acad.rx", so that wherever the loader file's path fits, this one fits too.
constexpr std::string_view kTemporaryStem = "acad.~";
constexpr std::string_view kTemporaryMarks = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// A new file in the folder of `loaderFile` (a full path), made with CREATE_NEW so that it never
// takes the place of a file already in AutoCAD's folder: a name in use is passed over. Null when
// no name is free or the folder takes no new file.
std::unique_ptr<platform::TextStream> CreateTemporary(platform::FileSystem& files,
                                                      std::string_view loaderFile,
                                                      PathBuffer& temporary) {
  const std::string_view folder = loaderFile.substr(0, LastNameStart(loaderFile));
  for (const char mark : kTemporaryMarks) {
    if (!temporary.Format("%.*s%.*s%c", static_cast<int>(folder.size()), folder.data(),
                          static_cast<int>(kTemporaryStem.size()), kTemporaryStem.data(), mark)) {
      return nullptr;
    }
    platform::WinError error = platform::kErrorSuccess;
    std::unique_ptr<platform::TextStream> stream =
        files.OpenText(temporary.c_str(), platform::TextMode::kCreateNew, error);
    if (stream)
      return stream;
    if (error != platform::kErrorFileExists && error != platform::kErrorAlreadyExists)
      return nullptr;
  }
  return nullptr;
}

bool WriteAll(platform::TextStream& stream, const std::string& moduleLine,
              const std::vector<std::string>& kept) {
  bool ok = stream.Write(moduleLine) && stream.Write("\n");
  for (const std::string& line : kept) {
    if (!ok)
      break;
    ok = stream.Write(line) && stream.Write("\n");
  }
  // Close even after a failure, so that the file can be deleted or left behind cleanly.
  const bool closed = stream.Close();
  return ok && closed;
}

}  // namespace

bool IsToolboxLine(std::string_view upperCasedLine) {
  // Sought by character, so that a double-byte character's trail byte never starts a marker.
  return ContainsNoCase(upperCasedLine, "TORVEK") || ContainsNoCase(upperCasedLine, "QUILLMOR");
}

LoaderReadResult ReadKeptLines(platform::FileSystem& files, const char* path,
                               std::vector<std::string>& kept) {
  kept.clear();
  platform::WinError error = platform::kErrorSuccess;
  std::unique_ptr<platform::TextStream> stream =
      files.OpenText(path, platform::TextMode::kRead, error);
  if (!stream) {
    // A loader file that is there but cannot be read (locked, say) still holds the user's
    // entries; replacing it would lose them.
    return files.Access(path, 0) == 0 ? LoaderReadResult::kReadFailed : LoaderReadResult::kMissing;
  }
  std::string line;
  for (;;) {
    const platform::ReadStatus status = stream->ReadLine(line);
    if (status == platform::ReadStatus::kEnd)
      break;
    if (status == platform::ReadStatus::kError) {
      kept.clear();
      return LoaderReadResult::kReadFailed;
    }
    MakeUpperAscii(line);
    if (!line.empty() && line.back() == '\n')
      line.pop_back();
    if (line.empty() || IsToolboxLine(line))
      continue;
    kept.push_back(line);
  }
  stream->Close();
  return LoaderReadResult::kRead;
}

bool WriteLoaderFile(platform::FileSystem& files, const char* path, const std::string& moduleLine,
                     const std::vector<std::string>& kept, bool replacing) {
  // Named in full: ReplaceFileA takes nothing else everywhere (Wine refuses relative names).
  PathBuffer full;
  PathBuffer temporary;
  std::unique_ptr<platform::TextStream> stream;
  if (full.Assign(files.FullPath(path)) && !full.empty())
    stream = CreateTemporary(files, full.view(), temporary);
  if (!stream) {
    // No file can be made beside it (a folder the user may not create in, say): the loader
    // file itself may still be writable, and then the only way left is to write it in place.
    const bool exists = files.Access(path, 0) == 0;
    if (exists && files.Access(path, 2) != 0)
      return false;
    platform::WinError error = platform::kErrorSuccess;
    stream = files.OpenText(path, platform::TextMode::kWrite, error);
    return stream && WriteAll(*stream, moduleLine, kept);
  }
  if (!WriteAll(*stream, moduleLine, kept)) {
    files.DeleteFile(temporary.c_str());
    return false;
  }
  // Replacing keeps the loader file's attributes and security; a file that was not there is
  // moved into place, never over one that has come meanwhile.
  const platform::WinError placed = replacing
                                        ? files.ReplaceFile(full.c_str(), temporary.c_str())
                                        : files.MoveFile(temporary.c_str(), full.c_str(), false);
  if (placed != platform::kErrorSuccess) {
    files.DeleteFile(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace torvek::acad
