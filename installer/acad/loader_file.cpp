#include "installer/acad/loader_file.h"

#include "common/text/cp936_text.h"
#include "common/text/path_buffer.h"

namespace torvek::acad {

namespace {

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
                     const std::vector<std::string>& kept) {
  PathBuffer temporary;
  platform::WinError error = platform::kErrorSuccess;
  std::unique_ptr<platform::TextStream> stream;
  if (temporary.Format("%s.TorvekSetUp.tmp", path)) {
    stream = files.OpenText(temporary.c_str(), platform::TextMode::kWrite, error);
  }
  if (!stream) {
    // No file can be made beside it (a folder the user may not create in, say): the loader
    // file itself may still be writable, and then the only way left is to write it in place.
    const bool exists = files.Access(path, 0) == 0;
    if (exists && files.Access(path, 2) != 0)
      return false;
    stream = files.OpenText(path, platform::TextMode::kWrite, error);
    return stream && WriteAll(*stream, moduleLine, kept);
  }
  if (!WriteAll(*stream, moduleLine, kept)) {
    files.DeleteFile(temporary.c_str());
    return false;
  }
  if (files.MoveFile(temporary.c_str(), path, true) != platform::kErrorSuccess) {
    files.DeleteFile(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace torvek::acad
