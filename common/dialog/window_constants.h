// The Windows values the dialogs speak, under their Windows names, so that templates, pages and
// both hosts share them without <windows.h>. The Win32 host checks each against the real header.
#pragma once

#include <cstdint>

namespace torvek::dialog {

// Command ids of the standard buttons, and what EndDialog answers for them.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdAbort = 3;
inline constexpr int kIdRetry = 4;
inline constexpr int kIdIgnore = 5;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;
// A template item that nothing refers to (IDC_STATIC).
inline constexpr int kIdStatic = -1;

// Window styles (WS_*), dialog styles (DS_*) and extended styles (WS_EX_*).
inline constexpr std::uint32_t kWsPopup = 0x80000000u;
inline constexpr std::uint32_t kWsChild = 0x40000000u;
inline constexpr std::uint32_t kWsVisible = 0x10000000u;
inline constexpr std::uint32_t kWsDisabled = 0x08000000u;
inline constexpr std::uint32_t kWsCaption = 0x00C00000u;
inline constexpr std::uint32_t kWsBorder = 0x00800000u;
inline constexpr std::uint32_t kWsVScroll = 0x00200000u;
inline constexpr std::uint32_t kWsHScroll = 0x00100000u;
inline constexpr std::uint32_t kWsSysMenu = 0x00080000u;
inline constexpr std::uint32_t kWsGroup = 0x00020000u;
inline constexpr std::uint32_t kWsTabStop = 0x00010000u;
inline constexpr std::uint32_t kWsMinimizeBox = 0x00020000u;
inline constexpr std::uint32_t kDsSetFont = 0x40u;
inline constexpr std::uint32_t kDsModalFrame = 0x80u;
inline constexpr std::uint32_t kWsExClientEdge = 0x200u;
inline constexpr std::uint32_t kWsExAppWindow = 0x40000u;

// Control styles: buttons (BS_*), edit boxes (ES_*), static controls (SS_*), list boxes
// (LBS_*).
inline constexpr std::uint32_t kBsPushButton = 0x0u;
inline constexpr std::uint32_t kBsDefPushButton = 0x1u;
inline constexpr std::uint32_t kBsCheckBox = 0x2u;
inline constexpr std::uint32_t kBsAutoCheckBox = 0x3u;
inline constexpr std::uint32_t kBsRadioButton = 0x4u;
inline constexpr std::uint32_t kBs3State = 0x5u;
inline constexpr std::uint32_t kBsAuto3State = 0x6u;
inline constexpr std::uint32_t kBsGroupBox = 0x7u;
inline constexpr std::uint32_t kBsAutoRadioButton = 0x9u;
inline constexpr std::uint32_t kBsTypeMask = 0xFu;
inline constexpr std::uint32_t kBsFlat = 0x8000u;
inline constexpr std::uint32_t kEsLeft = 0x0u;
inline constexpr std::uint32_t kEsMultiLine = 0x4u;
inline constexpr std::uint32_t kEsAutoHScroll = 0x80u;
inline constexpr std::uint32_t kEsReadOnly = 0x800u;
inline constexpr std::uint32_t kSsLeft = 0x0u;
inline constexpr std::uint32_t kSsCenter = 0x1u;
inline constexpr std::uint32_t kSsBlackRect = 0x4u;
inline constexpr std::uint32_t kSsTypeMask = 0x1Fu;
inline constexpr std::uint32_t kSsNotify = 0x100u;
inline constexpr std::uint32_t kLbsNotify = 0x1u;
inline constexpr std::uint32_t kLbsSort = 0x2u;
inline constexpr std::uint32_t kLbsMultipleSel = 0x8u;
inline constexpr std::uint32_t kLbsOwnerDrawFixed = 0x10u;
inline constexpr std::uint32_t kLbsOwnerDrawVariable = 0x20u;
inline constexpr std::uint32_t kLbsNoIntegralHeight = 0x100u;
inline constexpr std::uint32_t kLbsExtendedSel = 0x800u;

// Check states (BST_*).
inline constexpr int kBstUnchecked = 0;
inline constexpr int kBstChecked = 1;
inline constexpr int kBstIndeterminate = 2;

// Notification codes, the high word of WM_COMMAND's first parameter.
inline constexpr std::uint16_t kBnClicked = 0;
inline constexpr std::uint16_t kStnClicked = 0;
inline constexpr std::uint16_t kLbnSelChange = 1;
inline constexpr std::uint16_t kLbnDblClk = 2;
inline constexpr std::uint16_t kEnChange = 0x300;

// Control messages.
inline constexpr std::uint32_t kBmGetCheck = 0xF0;
inline constexpr std::uint32_t kBmSetCheck = 0xF1;
inline constexpr std::uint32_t kLbAddString = 0x180;
inline constexpr std::uint32_t kLbInsertString = 0x181;
inline constexpr std::uint32_t kLbDeleteString = 0x182;
inline constexpr std::uint32_t kLbResetContent = 0x184;
inline constexpr std::uint32_t kLbSetCurSel = 0x186;
inline constexpr std::uint32_t kLbGetCurSel = 0x188;
inline constexpr std::uint32_t kLbGetText = 0x189;
inline constexpr std::uint32_t kLbGetTextLen = 0x18A;
inline constexpr std::uint32_t kLbGetCount = 0x18B;
inline constexpr std::uint32_t kLbSetItemHeight = 0x1A0;
inline constexpr std::uint32_t kLbGetItemHeight = 0x1A1;
inline constexpr std::intptr_t kLbErr = -1;
inline constexpr std::uint32_t kPbmSetRange = 0x401;
inline constexpr std::uint32_t kPbmSetPos = 0x402;
inline constexpr std::uint32_t kPbmDeltaPos = 0x403;
inline constexpr std::uint32_t kPbmSetStep = 0x404;
inline constexpr std::uint32_t kPbmStepIt = 0x405;
inline constexpr std::uint32_t kPbmSetRange32 = 0x406;
inline constexpr std::uint32_t kPbmGetRange = 0x407;
inline constexpr std::uint32_t kPbmGetPos = 0x408;

// System colour indices (COLOR_*), for GetSysColor.
enum class SystemColour : int {
  kMenu = 4,
  kWindow = 5,
  kWindowText = 8,
  kButtonFace = 15,
};

constexpr std::uint32_t MakeLong(std::uint16_t low, std::uint16_t high) {
  return static_cast<std::uint32_t>(low) | (static_cast<std::uint32_t>(high) << 16);
}

}  // namespace torvek::dialog
