// The names the installer gives and looks for on disk, each written once: the product folder
// below the install folder, its extended drawing library, the module builds in it, the shape
// fonts and the installer that stay in the kit, and the stores that hold the kept files while
// the kit is copied.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/text/path_buffer.h"

namespace torvek::product {

inline constexpr char kProductFolderName[] = "Torvek结构工具箱";
// Below the product folder, and below the kit's folder.
inline constexpr char kLibraryFolderName[] = "Torvek扩展绘图库";
inline constexpr char kInstallerFileName[] = "SetUp.EXE";
inline constexpr char kEnglishFontName[] = "Torvek_EN.shx";
inline constexpr char kChineseFontName[] = "Torvek_HZ.shx";
// Beside the kit; under the temporary folder, the second names when the kit's folder takes no
// new folder.
inline constexpr char kSettingsStoreName[] = "SetUp_Temp1";
inline constexpr char kLibraryStoreName[] = "SetUp_Temp2";
inline constexpr char kTemporarySettingsStoreName[] = "Torvek_SetUp_Temp1";
inline constexpr char kTemporaryLibraryStoreName[] = "Torvek_SetUp_Temp2";
// Inside a store: files moved out of a save's way, never restored.
inline constexpr char kSetAsideFolderName[] = "较早保留";

// The product folder below `installFolder`, which has lost its trailing backslash. Not bounded:
// a message can then name a destination too long to copy to.
inline std::string ProductFolder(std::string_view installFolder) {
  return std::string(installFolder) + "\\" + kProductFolderName;
}

// The module build of `moduleYear` in the product folder below `installFolder`; nothing when
// that path does not fit a path buffer.
inline std::optional<PathBuffer> ModulePath(std::string_view installFolder, int moduleYear) {
  PathBuffer path;
  if (!path.Format("%.*s\\%s\\TORVEK%d.ARX", static_cast<int>(installFolder.size()),
                   installFolder.data(), kProductFolderName, moduleYear)) {
    return std::nullopt;
  }
  return path;
}

}  // namespace torvek::product
