// A list box of a dialog, one message per call. Rows are code page 936 text.
#pragma once

#include <string>
#include <vector>

#include "common/dialog/dialog.h"

namespace torvek::dialog {

class ListBox {
 public:
  ListBox(Dialog& dialog, int id) : dialog_(dialog), id_(id) {}

  // The new row's index, or kLbErr.
  int AddString(const char* text) {
    return static_cast<int>(Send(kLbAddString, 0, reinterpret_cast<std::intptr_t>(text)));
  }
  int InsertString(int index, const char* text) {
    return static_cast<int>(Send(kLbInsertString, static_cast<std::uintptr_t>(index),
                                 reinterpret_cast<std::intptr_t>(text)));
  }
  // The number of rows left, or kLbErr.
  int DeleteString(int index) {
    return static_cast<int>(Send(kLbDeleteString, static_cast<std::uintptr_t>(index), 0));
  }
  void ResetContent() { Send(kLbResetContent, 0, 0); }
  int GetCount() { return static_cast<int>(Send(kLbGetCount, 0, 0)); }
  // -1 for no selection.
  int GetCurSel() { return static_cast<int>(Send(kLbGetCurSel, 0, 0)); }
  int SetCurSel(int index) {
    return static_cast<int>(Send(kLbSetCurSel, static_cast<std::uintptr_t>(index), 0));
  }
  bool GetText(int index, std::string& text) {
    const auto length = Send(kLbGetTextLen, static_cast<std::uintptr_t>(index), 0);
    if (length < 0)
      return false;
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const auto copied = Send(kLbGetText, static_cast<std::uintptr_t>(index),
                             reinterpret_cast<std::intptr_t>(buffer.data()));
    if (copied < 0 || copied > length)
      return false;
    text.assign(buffer.data(), static_cast<std::size_t>(copied));
    return true;
  }
  bool SetItemHeight(int height) {
    return Send(kLbSetItemHeight, 0, static_cast<std::intptr_t>(height)) != kLbErr;
  }
  int GetItemHeight() { return static_cast<int>(Send(kLbGetItemHeight, 0, 0)); }

 private:
  std::intptr_t Send(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    return dialog_.SendItemMessage(id_, message, wParam, lParam);
  }

  Dialog& dialog_;
  int id_;
};

}  // namespace torvek::dialog
