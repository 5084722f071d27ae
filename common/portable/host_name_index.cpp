#include "common/portable/host_name_index.h"

#include <system_error>

#include "common/portable/host_files.h"
#include "common/text/cp936_text.h"

namespace torvek::portable {

namespace fs = std::filesystem;

namespace {

// Byte by byte: UTF-8 has no ASCII byte inside a multibyte character, and ASCII letters are the
// only ones with case here.
std::string UpperUtf8(std::string_view utf8) {
  std::string upper(utf8);
  for (char& c : upper)
    c = UpperAscii(c);
  return upper;
}

}  // namespace

HostNameIndex::Folder* HostNameIndex::Current(const fs::path& folder) {
  std::error_code error;
  // Taken before the folder is read: a change made while it is read shows at the next lookup.
  const fs::file_time_type written = fs::last_write_time(folder, error);
  if (error) {
    folders_.erase(folder.native());
    return nullptr;
  }
  const auto [entry, isNew] = folders_.try_emplace(folder.native());
  Folder& index = entry->second;
  if (!isNew && index.written == written)
    return &index;
  index.written = written;
  index.byUpperName.clear();
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::string name = Utf8Name(it->path());
    index.byUpperName.emplace(UpperUtf8(name), std::move(name));
  }
  return &index;
}

bool HostNameIndex::Spelling(const fs::path& folder, const std::string& utf8,
                             std::string& hostName) {
  const Folder* index = Current(folder);
  if (index == nullptr)
    return false;
  const auto found = index->byUpperName.find(UpperUtf8(utf8));
  if (found == index->byUpperName.end())
    return false;
  hostName = found->second;
  return true;
}

bool HostNameIndex::Find(const fs::path& folder, const std::string& utf8, std::string& hostName,
                         fs::file_status& status) {
  std::error_code error;
  status = fs::status(folder / HostName(utf8), error);
#ifdef _WIN32
  // The host ignores case itself and says at once whether the name is there; the index gives
  // only its spelling, and is read again when it does not know a name that is there (a
  // Windows host may keep a folder's time too coarsely to show every change).
  if (!fs::exists(status))
    return false;
  if (Spelling(folder, utf8, hostName))
    return true;
  Forget(folder);
  return Spelling(folder, utf8, hostName);
#else
  if (fs::exists(status)) {
    hostName = utf8;
    return true;
  }
  if (!Spelling(folder, utf8, hostName))
    return false;
  status = fs::status(folder / HostName(hostName), error);
  return true;
#endif
}

void HostNameIndex::Added(const fs::path& folder, const std::string& utf8) {
  const auto index = folders_.find(folder.native());
  if (index == folders_.end())
    return;
  std::error_code error;
  const fs::file_time_type written = fs::last_write_time(folder, error);
  if (error) {
    folders_.erase(index);
    return;
  }
  index->second.written = written;
  index->second.byUpperName.emplace(UpperUtf8(utf8), utf8);
}

void HostNameIndex::Forget(const fs::path& folder) {
  folders_.erase(folder.native());
}

}  // namespace torvek::portable
