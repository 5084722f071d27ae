#include "common/dialog/data_exchange.h"

#include <vector>

#include "common/dialog/window_constants.h"

namespace torvek::dialog {

namespace {

// The radio buttons of the group that starts at `firstId`; empty when that item is not a radio
// button.
std::vector<int> RadioGroup(const DialogTemplate& dialogTemplate, int firstId) {
  std::vector<int> ids;
  bool inGroup = false;
  for (const DialogItemTemplate& item : dialogTemplate.items) {
    if (!inGroup) {
      if (item.id != firstId)
        continue;
      if (!IsRadioButton(item))
        return ids;
      inGroup = true;
    } else if ((item.style & kWsGroup) != 0) {
      break;
    }
    if (IsRadioButton(item))
      ids.push_back(item.id);
  }
  return ids;
}

}  // namespace

void DataExchange::ExchangeCheck(int id, int& state) {
  if (!window_.HasItem(id)) {
    Fail();
    return;
  }
  if (direction_ == Exchange::kPull)
    state = window_.GetCheck(id);
  else if (!window_.SetCheck(id, state))
    Fail();
}

void DataExchange::ExchangeRadio(int firstId, int& index) {
  const std::vector<int> group = RadioGroup(template_, firstId);
  if (group.empty()) {
    Fail();
    return;
  }
  if (direction_ == Exchange::kPull) {
    int chosen = -1;
    for (std::size_t i = 0; i < group.size(); ++i) {
      if (window_.GetCheck(group[i]) == kBstChecked) {
        chosen = static_cast<int>(i);
        break;
      }
    }
    index = chosen;
    return;
  }
  for (std::size_t i = 0; i < group.size(); ++i) {
    const int state = static_cast<int>(i) == index ? kBstChecked : kBstUnchecked;
    if (!window_.SetCheck(group[i], state))
      Fail();
  }
}

void DataExchange::ExchangeText(int id, std::string& text) {
  if (direction_ == Exchange::kPull) {
    std::string shown;
    if (window_.GetItemText(id, shown))
      text = std::move(shown);
    else
      Fail();
  } else if (!window_.SetItemText(id, text)) {
    Fail();
  }
}

void DataExchange::ExchangeListIndex(int id, int& index) {
  if (!window_.HasItem(id)) {
    Fail();
    return;
  }
  if (direction_ == Exchange::kPull)
    index = static_cast<int>(window_.SendItemMessage(id, kLbGetCurSel, 0, 0));
  else
    window_.SendItemMessage(id, kLbSetCurSel, static_cast<std::uintptr_t>(index), 0);
}

}  // namespace torvek::dialog
