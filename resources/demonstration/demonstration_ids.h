// The resource ids of Demonstration: its dialog template, its icon and the dialog's controls.
#pragma once

#include <cstdint>

namespace torvek::demonstration {

inline constexpr int kIdDialogDemo = 102;
inline constexpr std::uint16_t kIdIconDemo = 128;

inline constexpr int kIdListFeatures = 1002;
inline constexpr int kIdPictureAnimation = 1003;
inline constexpr int kIdStaticDescription = 1006;
inline constexpr int kIdProgressLoading = 1007;

}  // namespace torvek::demonstration
