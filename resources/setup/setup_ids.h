// The resource ids of SetUp: its three page templates, its icon, and the controls of each page.
// Ids are shared between pages where the pages share a control (the button row), and reused
// across pages for different controls (1009 is 同意 on the licence page and the master keep
// option on the folder page), as the templates were laid out.
#pragma once

#include <array>
#include <cstdint>

namespace torvek::setup {

inline constexpr int kIdDialogLicence = 136;
inline constexpr int kIdDialogRelease = 141;
inline constexpr int kIdDialogFolder = 142;
inline constexpr std::uint16_t kIdIconSetUp = 128;

// The button row of every page; the forward button is the command id 1 (IDOK) and Cancel is 2.
inline constexpr int kIdButtonBack = 1005;

// Licence page.
inline constexpr int kIdStaticLicence = 1013;
inline constexpr int kIdButtonPreviousScreen = 1014;
inline constexpr int kIdButtonNextScreen = 1015;
inline constexpr int kIdRadioDisagree = 1008;
inline constexpr int kIdRadioAgree = 1009;

// Release page: one check box per release index, 2000 to 2015. The ids are not in release order.
inline constexpr std::array kIdCheckRelease = {1021, 1022, 1023, 1024, 1025, 1018, 1019,
                                               1020, 1027, 1026, 1028, 1029, 1030, 1031};

// Folder page.
inline constexpr int kIdEditFolder = 1000;
inline constexpr int kIdButtonBrowse = 1001;
inline constexpr int kIdProgressInstall = 1003;
inline constexpr int kIdCheckKeepOldConfig = 1009;
inline constexpr int kIdCheckKeepSettings = 1010;
inline constexpr int kIdCheckKeepSectionLibrary = 1011;
inline constexpr int kIdCheckKeepExtendedLibrary = 1012;

}  // namespace torvek::setup
