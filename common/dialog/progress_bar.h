// A progress bar of a dialog, one message per call.
#pragma once

#include "common/dialog/dialog.h"

namespace torvek::dialog {

class ProgressBar {
 public:
  ProgressBar(Dialog& dialog, int id) : dialog_(dialog), id_(id) {}

  // PBM_SETRANGE carries 16-bit bounds; the previous range comes back as low | high << 16.
  std::intptr_t SetRange(int low, int high) {
    return Send(kPbmSetRange, 0,
                static_cast<std::intptr_t>(
                    MakeLong(static_cast<std::uint16_t>(low), static_cast<std::uint16_t>(high))));
  }
  int SetPos(int position) {
    return static_cast<int>(Send(kPbmSetPos, static_cast<std::uintptr_t>(position), 0));
  }
  int SetStep(int step) {
    return static_cast<int>(Send(kPbmSetStep, static_cast<std::uintptr_t>(step), 0));
  }
  int StepIt() { return static_cast<int>(Send(kPbmStepIt, 0, 0)); }
  int GetPos() { return static_cast<int>(Send(kPbmGetPos, 0, 0)); }
  int GetLow() { return static_cast<int>(Send(kPbmGetRange, 1, 0)); }
  int GetHigh() { return static_cast<int>(Send(kPbmGetRange, 0, 0)); }

 private:
  std::intptr_t Send(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    return dialog_.SendItemMessage(id_, message, wParam, lParam);
  }

  Dialog& dialog_;
  int id_;
};

}  // namespace torvek::dialog
