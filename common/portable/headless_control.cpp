#include "common/portable/headless_control.h"

#include <cstring>

#include "common/dialog/window_constants.h"

namespace torvek::portable {

namespace {

using namespace dialog;

int Low16(std::intptr_t value) {
  return static_cast<int>(static_cast<std::uint16_t>(value));
}

int High16(std::intptr_t value) {
  return static_cast<int>(static_cast<std::uint16_t>(static_cast<std::uintptr_t>(value) >> 16));
}

void CoercePosition(HeadlessControl& bar) {
  if (bar.position < bar.low)
    bar.position = bar.low;
  if (bar.position > bar.high)
    bar.position = bar.high;
}

std::intptr_t SetRange(HeadlessControl& bar, int low, int high) {
  const auto previous = static_cast<std::intptr_t>(
      MakeLong(static_cast<std::uint16_t>(bar.low), static_cast<std::uint16_t>(bar.high)));
  bar.low = low;
  bar.high = high;
  CoercePosition(bar);
  return previous;
}

// comctl32's PBM_STEPIT: past either end the position wraps around within the range, rather
// than stopping or starting again from the bottom.
std::intptr_t StepIt(HeadlessControl& bar) {
  const int previous = bar.position;
  if (bar.low != bar.high) {
    bar.position += bar.step;
    const int span = bar.high - bar.low;
    if (bar.position > bar.high)
      bar.position = (bar.position - bar.low) % span + bar.low;
    if (bar.position < bar.low)
      bar.position = (bar.position - bar.low) % span + bar.high;
  }
  return previous;
}

bool AnswerProgressBar(HeadlessControl& bar, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam, std::intptr_t& result) {
  switch (message) {
    case kPbmSetRange:
      result = SetRange(bar, Low16(lParam), High16(lParam));
      return true;
    case kPbmSetRange32:
      result = SetRange(bar, static_cast<int>(wParam), static_cast<int>(lParam));
      return true;
    case kPbmSetPos:
      result = bar.position;
      bar.position = static_cast<int>(wParam);
      CoercePosition(bar);
      return true;
    case kPbmDeltaPos:
      result = bar.position;
      bar.position += static_cast<int>(wParam);
      CoercePosition(bar);
      return true;
    case kPbmSetStep:
      result = bar.step;
      bar.step = static_cast<int>(wParam);
      return true;
    case kPbmStepIt:
      result = StepIt(bar);
      return true;
    case kPbmGetRange:
      if (lParam != 0) {
        auto* range = reinterpret_cast<int*>(lParam);  // PBRANGE: iLow, iHigh
        range[0] = bar.low;
        range[1] = bar.high;
      }
      result = wParam != 0 ? bar.low : bar.high;
      return true;
    case kPbmGetPos:
      result = bar.position;
      return true;
    default:
      return false;
  }
}

std::intptr_t InsertRow(HeadlessControl& list, int index, const char* text) {
  const int count = static_cast<int>(list.rows.size());
  if (index == -1)
    index = count;
  if (index < 0 || index > count)
    return kLbErr;
  list.rows.insert(list.rows.begin() + index, text != nullptr ? text : "");
  if (list.selection != -1 && index <= list.selection)
    ++list.selection;
  return index;
}

std::intptr_t DeleteRow(HeadlessControl& list, int index) {
  if (index < 0 || index >= static_cast<int>(list.rows.size()))
    return kLbErr;
  list.rows.erase(list.rows.begin() + index);
  if (index == list.selection)
    list.selection = -1;
  else if (index < list.selection)
    --list.selection;
  return static_cast<std::intptr_t>(list.rows.size());
}

bool AnswerListBox(HeadlessControl& list, std::uint32_t message, std::uintptr_t wParam,
                   std::intptr_t lParam, std::intptr_t& result) {
  const int index = static_cast<int>(wParam);
  const bool validRow = index >= 0 && index < static_cast<int>(list.rows.size());
  switch (message) {
    case kLbAddString:
      result = InsertRow(list, -1, reinterpret_cast<const char*>(lParam));
      return true;
    case kLbInsertString:
      result = InsertRow(list, index, reinterpret_cast<const char*>(lParam));
      return true;
    case kLbDeleteString:
      result = DeleteRow(list, index);
      return true;
    case kLbResetContent:
      list.rows.clear();
      list.selection = -1;
      result = 0;
      return true;
    case kLbSetCurSel:
      // A row out of range is refused and leaves the selection alone; -1 clears it.
      if (index < -1 || index >= static_cast<int>(list.rows.size())) {
        result = kLbErr;
      } else {
        list.selection = index;
        result = index;
      }
      return true;
    case kLbGetCurSel:
      result = list.selection;
      return true;
    case kLbGetCount:
      result = static_cast<std::intptr_t>(list.rows.size());
      return true;
    case kLbGetTextLen:
      result = validRow ? static_cast<std::intptr_t>(list.rows[index].size()) : kLbErr;
      return true;
    case kLbGetText:
      // As the real message: the caller's buffer holds at least LB_GETTEXTLEN + 1 bytes.
      if (!validRow || lParam == 0) {
        result = kLbErr;
      } else {
        const std::string& row = list.rows[index];
        std::memcpy(reinterpret_cast<char*>(lParam), row.c_str(), row.size() + 1);
        result = static_cast<std::intptr_t>(row.size());
      }
      return true;
    case kLbSetItemHeight:
      if (Low16(lParam) > 255) {
        result = kLbErr;
      } else {
        list.itemHeight = Low16(lParam);
        result = 0;
      }
      return true;
    case kLbGetItemHeight:
      result = list.itemHeight;
      return true;
    default:
      return false;
  }
}

bool AnswerButton(HeadlessControl& button, std::uint32_t message, std::uintptr_t wParam,
                  std::intptr_t& result) {
  switch (message) {
    case kBmGetCheck:
      result = button.check;
      return true;
    case kBmSetCheck:
      button.check = static_cast<int>(wParam & 3);
      result = 0;
      return true;
    default:
      return false;
  }
}

}  // namespace

bool AnswerControlMessage(HeadlessControl& control, std::uint32_t message, std::uintptr_t wParam,
                          std::intptr_t lParam, std::intptr_t& result) {
  result = 0;
  switch (control.Class()) {
    case ControlClass::kProgressBar:
      return AnswerProgressBar(control, message, wParam, lParam, result);
    case ControlClass::kListBox:
      return AnswerListBox(control, message, wParam, lParam, result);
    case ControlClass::kButton:
      return AnswerButton(control, message, wParam, result);
    case ControlClass::kEdit:
    case ControlClass::kStatic:
      return false;
  }
  return false;
}

std::intptr_t HeadlessControlSite::Send(std::uint32_t message, std::uintptr_t wParam,
                                        std::intptr_t lParam) {
  std::intptr_t result = 0;
  AnswerControlMessage(state_, message, wParam, lParam, result);
  return result;
}

void HeadlessControlSite::Show(bool visible) {
  if (visible && !state_.visible)
    invalid_.store(true);
  state_.visible = visible;
}

bool HeadlessControlSite::IsVisible() const {
  return state_.visible;
}

void HeadlessControlSite::Resize(int width, int height) {
  state_.rect.right = state_.rect.left + (width > 0 ? width : 0);
  state_.rect.bottom = state_.rect.top + (height > 0 ? height : 0);
  invalid_.store(true);
}

int HeadlessControlSite::Width() const {
  return state_.rect.Width();
}

int HeadlessControlSite::Height() const {
  return state_.rect.Height();
}

void HeadlessControlSite::PaintIfInvalid() {
  if (!state_.visible || state_.takenOver == nullptr || !invalid_.exchange(false))
    return;
  const int width = state_.rect.Width();
  const int height = state_.rect.Height();
  if (painted_ == nullptr || painted_->Width() != width || painted_->Height() != height) {
    auto surface = std::make_unique<platform::MemorySurface>(width, height);
    if (painted_ != nullptr)
      surface->CopyFrom(*painted_, 0, 0);
    painted_ = std::move(surface);
  }
  dialog::ControlDispatch::Paint(*state_.takenOver, *painted_);
}

}  // namespace torvek::portable
