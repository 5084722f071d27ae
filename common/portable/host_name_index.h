// Host names looked up without case, as Wine finds a Windows name on a Unix disk. Each folder
// is read once and its names kept by their upper-case spelling, so a lookup costs no reading
// of the folder until it changes. The owner tells of its own changes (Added, Forget); a change
// made behind its back shows in the folder's modification time, checked at every lookup. (On a
// host whose clock ticks coarsely two changes may share one time; the second is then seen at
// the folder's next change.)
#pragma once

#include <filesystem>
#include <string>
#include <unordered_map>

namespace torvek::portable {

class HostNameIndex {
 public:
  // The name under which `utf8` exists in `folder`, ASCII letters compared without case; the
  // exact spelling first, else the first the folder lists, as Wine takes them. A host that
  // ignores case itself (Windows) would find any spelling at once, so there the index gives
  // the real one.
  // `status` is what the name found is (followed through links).
  bool Find(const std::filesystem::path& folder, const std::string& utf8, std::string& hostName,
            std::filesystem::file_status& status);

  // The owner has just made `utf8` in `folder`, right after a lookup of it found nothing.
  void Added(const std::filesystem::path& folder, const std::string& utf8);
  // A name in `folder` went away or changed: the folder is read again when next asked.
  void Forget(const std::filesystem::path& folder);

 private:
  struct Folder {
    std::filesystem::file_time_type written;
    std::unordered_map<std::string, std::string> byUpperName;
  };

  // The folder's index, read again when the folder changed; null when it cannot be read.
  Folder* Current(const std::filesystem::path& folder);
  // The spelling under which the index knows `utf8`.
  bool Spelling(const std::filesystem::path& folder, const std::string& utf8,
                std::string& hostName);

  std::unordered_map<std::filesystem::path::string_type, Folder> folders_;
};

}  // namespace torvek::portable
