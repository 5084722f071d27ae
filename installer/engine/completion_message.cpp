#include "installer/engine/completion_message.h"

#include <vector>

namespace torvek::engine {

namespace {

constexpr char kDone[] = "安装完成，重启AutoCAD即可使用 !";
constexpr char kUnrestored[] = "以下配置文件未能恢复，已保留在：";
constexpr char kSetAside[] = "较早保留的配置文件已移至：";

// A heading with one folder on each line below it.
std::string Section(const char* heading, const std::vector<std::string>& folders) {
  std::string text = heading;
  for (const std::string& folder : folders)
    text += "\n" + folder;
  return text;
}

}  // namespace

std::string KeptFilesNote(const KeptFilesReport& kept) {
  std::string note;
  if (!kept.unrestoredStores.empty())
    note = Section(kUnrestored, kept.unrestoredStores);
  if (!kept.setAsideFolders.empty())
    note += (note.empty() ? "" : "\n\n") + Section(kSetAside, kept.setAsideFolders);
  return note;
}

std::string CompletionMessage(const KeptFilesReport& kept) {
  const std::string note = KeptFilesNote(kept);
  return note.empty() ? std::string(kDone) : std::string(kDone) + "\n\n" + note;
}

}  // namespace torvek::engine
