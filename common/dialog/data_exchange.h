// Two-way exchange between a dialog's fields and its controls, one call per binding, in the
// direction UpdateData was asked for: pull copies controls into fields, push fields into
// controls. A binding to a control the dialog lacks leaves its field alone and makes the whole
// exchange answer false.
#pragma once

#include <string>

#include "common/dialog/dialog_template.h"
#include "common/dialog/dialog_window.h"

namespace torvek::dialog {

enum class Exchange { kPull, kPush };

class DataExchange {
 public:
  DataExchange(const DialogTemplate& dialogTemplate, DialogWindow& window, Exchange direction)
      : template_(dialogTemplate), window_(window), direction_(direction) {}

  Exchange Direction() const { return direction_; }
  bool Ok() const { return ok_; }

  // kBstUnchecked, kBstChecked or kBstIndeterminate.
  void ExchangeCheck(int id, int& state);
  // The group of radio buttons that starts at `firstId` and runs, in template order, up to the
  // next item with kWsGroup; `index` counts its radio buttons from 0, and -1 is none chosen.
  void ExchangeRadio(int firstId, int& index);
  void ExchangeText(int id, std::string& text);
  // The list box's selected row, -1 for none.
  void ExchangeListIndex(int id, int& index);

 private:
  void Fail() { ok_ = false; }

  const DialogTemplate& template_;
  DialogWindow& window_;
  Exchange direction_;
  bool ok_ = true;
};

}  // namespace torvek::dialog
