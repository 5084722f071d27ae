#include "tests/support/rooted_file_system.h"

#include "common/text/cp936_text.h"

namespace torvek::testing {

RootedFileSystem::RootedFileSystem(platform::FileSystem& inner, std::map<char, std::string> drives)
    : inner_(inner), drives_(std::move(drives)) {}

std::string RootedFileSystem::Map(std::string_view path) const {
  if (path.size() < 2 || path[1] != ':')
    return std::string(path);
  char letter = path[0];
  if (letter >= 'a' && letter <= 'z')
    letter = static_cast<char>(letter - 'a' + 'A');
  const auto drive = drives_.find(letter);
  if (drive == drives_.end())
    return std::string(path);
  const std::string_view rest = path.substr(2);
  std::string mapped = drive->second;
  if (rest.empty() || rest[0] != '\\')
    mapped += '\\';
  mapped += rest;
  return mapped;
}

std::string RootedFileSystem::Unmap(std::string_view path) const {
  for (const auto& [letter, folder] : drives_) {
    if (path.size() < folder.size() || !EqualsNoCase(path.substr(0, folder.size()), folder))
      continue;
    const std::string_view rest = path.substr(folder.size());
    if (rest.empty())
      return std::string{letter, ':', '\\'};
    if (rest[0] == '\\')
      return std::string{letter, ':'} + std::string(rest);
  }
  return std::string(path);
}

// A relative path is taken against the stand-in current directory, not the process's own.
std::string RootedFileSystem::FullPath(const char* path) {
  const std::string_view text(path);
  std::string whole(text);
  if (text.size() < 3 || text[1] != ':' || (text[2] != '\\' && text[2] != '/')) {
    whole = currentDirectory_;
    if (whole.empty() || whole.back() != '\\')
      whole += '\\';
    whole += text;
  }
  const std::string full = inner_.FullPath(Map(whole).c_str());
  return full.empty() ? full : Unmap(full);
}

platform::WinError RootedFileSystem::FindFirst(const char* pattern, platform::FindData& first,
                                               std::unique_ptr<platform::DirectorySearch>& search) {
  return inner_.FindFirst(Map(pattern).c_str(), first, search);
}

platform::WinError RootedFileSystem::CopyFile(const char* from, const char* to, bool failIfExists) {
  return inner_.CopyFile(Map(from).c_str(), Map(to).c_str(), failIfExists);
}

platform::WinError RootedFileSystem::MoveFile(const char* from, const char* to,
                                              bool replaceExisting) {
  return inner_.MoveFile(Map(from).c_str(), Map(to).c_str(), replaceExisting);
}

platform::WinError RootedFileSystem::ReplaceFile(const char* replaced, const char* replacement) {
  return inner_.ReplaceFile(Map(replaced).c_str(), Map(replacement).c_str());
}

platform::WinError RootedFileSystem::DeleteFile(const char* path) {
  return inner_.DeleteFile(Map(path).c_str());
}

platform::WinError RootedFileSystem::CreateDirectory(const char* path) {
  return inner_.CreateDirectory(Map(path).c_str());
}

platform::WinError RootedFileSystem::RemoveDirectory(const char* path) {
  return inner_.RemoveDirectory(Map(path).c_str());
}

int RootedFileSystem::MakeDirectory(const char* path) {
  return inner_.MakeDirectory(Map(path).c_str());
}

int RootedFileSystem::Access(const char* path, int mode) {
  return inner_.Access(Map(path).c_str(), mode);
}

std::uint32_t RootedFileSystem::GetAttributes(const char* path) {
  return inner_.GetAttributes(Map(path).c_str());
}

platform::WinError RootedFileSystem::SetAttributes(const char* path, std::uint32_t attributes) {
  return inner_.SetAttributes(Map(path).c_str(), attributes);
}

platform::WinError RootedFileSystem::FileSize(const char* path, std::uint64_t& size) {
  return inner_.FileSize(Map(path).c_str(), size);
}

std::unique_ptr<platform::TextStream> RootedFileSystem::OpenText(const char* path,
                                                                 platform::TextMode mode,
                                                                 platform::WinError& error) {
  return inner_.OpenText(Map(path).c_str(), mode, error);
}

}  // namespace torvek::testing
