#include "common/portable/headless_window.h"

namespace torvek::portable {

namespace {

using namespace dialog;

int MulDiv(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : (product - half) / denominator);
}

bool IsSingleLineEdit(const HeadlessControl& control) {
  return control.Class() == ControlClass::kEdit && (control.Style() & kEsMultiLine) == 0;
}

// What the headless host does not model: a sorted, multi-selection or owner-drawn list box.
bool ListBoxModelled(const DialogItemTemplate& item) {
  return (item.style & (kLbsSort | kLbsMultipleSel | kLbsExtendedSel | kLbsOwnerDrawFixed |
                        kLbsOwnerDrawVariable)) == 0;
}

}  // namespace

platform::Colour SystemPalette::Of(SystemColour index) const {
  switch (index) {
    case SystemColour::kMenu:
      return menu;
    case SystemColour::kWindow:
      return window;
    case SystemColour::kWindowText:
      return windowText;
    case SystemColour::kButtonFace:
      return buttonFace;
  }
  return 0;
}

HeadlessWindow::HeadlessWindow(Dialog& dialog, platform::WindowRef ref,
                               const SystemPalette& palette, std::vector<std::string>& faults)
    : dialog_(dialog),
      template_(dialog.Template()),
      ref_(ref),
      palette_(palette),
      faults_(faults) {}

HeadlessWindow::~HeadlessWindow() {
  Close();
}

bool HeadlessWindow::Realise(std::string& reason) {
  // The dialog font's cell: its height at 96 dots per inch, half as wide, as SimSun is.
  baseY_ = MulDiv(template_.font.pointSize, 96, 72);
  baseX_ = (baseY_ + 1) / 2;
  title_ = template_.caption != nullptr ? template_.caption : "";
  for (const DialogItemTemplate& item : template_.items) {
    if (item.controlClass == ControlClass::kListBox && !ListBoxModelled(item)) {
      reason = "the headless host does not model the list box " + std::to_string(item.id) +
               " (sorted, multi-selection or owner-drawn)";
      return false;
    }
    auto control = std::make_unique<HeadlessControl>();
    control->item = &item;
    control->id = item.id;
    control->text = item.text != nullptr ? item.text : "";
    control->enabled = (item.style & kWsDisabled) == 0;
    control->visible = (item.style & kWsVisible) != 0;
    control->rect = ToPixels(item.rect);
    control->itemHeight = baseY_;
    controls_.push_back(std::move(control));
  }
  return true;
}

void HeadlessWindow::Start() {
  running_ = true;
  if (DialogDispatch::Init(dialog_, *this) && !ended_)
    FocusFirstTabStop();
}

void HeadlessWindow::Close() {
  if (!running_)
    return;
  running_ = false;
  posted_.clear();
  DialogDispatch::Destroy(dialog_);
  for (auto& control : controls_) {
    if (control->takenOver == nullptr)
      continue;
    ControlDispatch::Destroy(*control->takenOver);
    ControlDispatch::Detach(*control->takenOver);
    control->takenOver = nullptr;
  }
}

void HeadlessWindow::PaintInvalid() {
  for (auto& control : controls_) {
    if (control->site != nullptr)
      control->site->PaintIfInvalid();
  }
}

bool HeadlessWindow::RunPosted() {
  if (posted_.empty() || ended_)
    return false;
  PaintInvalid();
  std::function<void()> call = std::move(posted_.front());
  posted_.pop_front();
  call();
  return true;
}

HeadlessControl* HeadlessWindow::Find(int id) {
  for (auto& control : controls_) {
    if (control->id == id)
      return control.get();
  }
  return nullptr;
}

const HeadlessControl* HeadlessWindow::Find(int id) const {
  for (const auto& control : controls_) {
    if (control->id == id)
      return control.get();
  }
  return nullptr;
}

void HeadlessWindow::Notify(int id, std::uint16_t code) {
  if (running_ && !ended_)
    DialogDispatch::Command(dialog_, id, code);
}

void HeadlessWindow::FocusFirstTabStop() {
  const HeadlessControl* first = nullptr;
  for (const auto& control : controls_) {
    if (!control->visible || !control->enabled)
      continue;
    if ((control->Style() & kWsTabStop) != 0) {
      first = control.get();
      break;
    }
    if (first == nullptr)
      first = control.get();
  }
  focus_ = first != nullptr ? first->id : 0;
}

// ---- DialogWindow ----

void HeadlessWindow::End(int result) {
  if (ended_)
    return;
  ended_ = true;
  result_ = result;
}

bool HeadlessWindow::SetIcon(std::uint16_t resourceId) {
  icon_ = resourceId;
  return true;
}

bool HeadlessWindow::EnableItem(int id, bool enable) {
  HeadlessControl* control = Find(id);
  if (control == nullptr)
    return false;
  control->enabled = enable;
  return true;
}

bool HeadlessWindow::IsItemEnabled(int id) const {
  const HeadlessControl* control = Find(id);
  return control != nullptr && control->enabled;
}

bool HeadlessWindow::ShowItem(int id, bool show) {
  HeadlessControl* control = Find(id);
  if (control == nullptr)
    return false;
  if (control->site != nullptr)
    control->site->Show(show);
  control->visible = show;
  return true;
}

bool HeadlessWindow::IsItemVisible(int id) const {
  const HeadlessControl* control = Find(id);
  return control != nullptr && control->visible;
}

bool HeadlessWindow::SetItemText(int id, std::string_view text) {
  HeadlessControl* control = Find(id);
  if (control == nullptr)
    return false;
  control->text = text;
  // A single-line edit box tells its dialog of every text it is given, changed or not.
  if (IsSingleLineEdit(*control))
    Notify(id, kEnChange);
  return true;
}

bool HeadlessWindow::GetItemText(int id, std::string& text) const {
  const HeadlessControl* control = Find(id);
  if (control == nullptr)
    return false;
  text = control->text;
  return true;
}

bool HeadlessWindow::SetCheck(int id, int state) {
  HeadlessControl* control = Find(id);
  if (control == nullptr)
    return false;
  if (control->Class() == ControlClass::kButton)
    control->check = state & 3;
  return true;
}

int HeadlessWindow::GetCheck(int id) const {
  const HeadlessControl* control = Find(id);
  if (control == nullptr || control->Class() != ControlClass::kButton)
    return kBstUnchecked;
  return control->check;
}

bool HeadlessWindow::FocusItem(int id) {
  if (Find(id) == nullptr)
    return false;
  focus_ = id;
  return true;
}

std::intptr_t HeadlessWindow::SendItemMessage(int id, std::uint32_t message, std::uintptr_t wParam,
                                              std::intptr_t lParam) {
  HeadlessControl* control = Find(id);
  if (control == nullptr)
    return 0;
  std::intptr_t result = 0;
  if (!AnswerControlMessage(*control, message, wParam, lParam, result)) {
    faults_.push_back("the headless host does not model message " + std::to_string(message) +
                      " to control " + std::to_string(id));
  }
  return result;
}

bool HeadlessWindow::GetItemRect(int id, platform::Rect& rect) const {
  if (id == 0) {
    const platform::Rect dialog = ToPixels(template_.rect);
    rect = {0, 0, dialog.Width(), dialog.Height()};
    return true;
  }
  const HeadlessControl* control = Find(id);
  if (control == nullptr)
    return false;
  rect = control->rect;
  return true;
}

bool HeadlessWindow::SetItemFont(int id, const ControlFont& font) {
  HeadlessControl* control = Find(id);
  if (control == nullptr)
    return false;
  control->font = font;
  return true;
}

bool HeadlessWindow::TakeOver(int id, Control& control) {
  HeadlessControl* state = Find(id);
  if (state == nullptr || state->takenOver != nullptr || !running_)
    return false;
  state->takenOver = &control;
  if (state->site == nullptr)
    state->site = std::make_unique<HeadlessControlSite>(
        *state, ref_ + 1 + static_cast<platform::WindowRef>(controls_.size()));
  ControlDispatch::Attach(control, *state->site, id);
  return true;
}

bool HeadlessWindow::Post(std::function<void()> call) {
  if (!running_ || ended_)
    return false;
  posted_.push_back(std::move(call));
  return true;
}

void HeadlessWindow::ShowWaitCursor(bool wait) {
  if (wait)
    ++waitCursors_;
  else if (waitCursors_ > 0)
    --waitCursors_;
}

// ---- DialogView ----

std::string HeadlessWindow::Text(int id) {
  std::string text;
  GetItemText(id, text);
  return text;
}

std::vector<std::string> HeadlessWindow::ListItems(int id) {
  const HeadlessControl* control = Find(id);
  if (control == nullptr)
    return {};
  return control->rows;
}

int HeadlessWindow::ListSelection(int id) {
  const HeadlessControl* control = Find(id);
  return control != nullptr && control->Class() == ControlClass::kListBox ? control->selection : -1;
}

int HeadlessWindow::ListItemHeight(int id) {
  const HeadlessControl* control = Find(id);
  return control != nullptr && control->Class() == ControlClass::kListBox ? control->itemHeight : 0;
}

ProgressState HeadlessWindow::Progress(int id) {
  const HeadlessControl* control = Find(id);
  if (control == nullptr || control->Class() != ControlClass::kProgressBar)
    return {};
  return {control->low, control->high, control->position};
}

ControlColours HeadlessWindow::AskColours(int id, ColourTarget target) {
  const bool field = target == ColourTarget::kEdit || target == ColourTarget::kListBox;
  ControlColours colours;
  colours.text = palette_.windowText;
  colours.backgroundMode = BackgroundMode::kOpaque;
  colours.textBackground = field ? palette_.window : palette_.buttonFace;
  colours.brush = colours.textBackground;
  DialogDispatch::CtlColor(dialog_, id, target, colours);
  return colours;
}

bool HeadlessWindow::Colours(int id, ControlColours& colours) {
  if (!running_)
    return false;
  if (id == 0) {
    colours = AskColours(0, ColourTarget::kDialog);
    return true;
  }
  const HeadlessControl* control = Find(id);
  if (control == nullptr)
    return false;
  const ColourTarget target = ColourTargetOf(*control->item, control->enabled);
  if (target == ColourTarget::kNone)
    return false;
  colours = AskColours(id, target);
  return true;
}

// A taken-over control shows what it painted; any other control shows its background brush;
// the dialog shows its own paint over its brush. Text and frames are not drawn here.
bool HeadlessWindow::PixelAt(int id, int x, int y, platform::Colour& colour) {
  if (id == 0) {
    platform::Rect client;
    ControlColours colours;
    if (!ItemRect(0, client) || !Colours(0, colours) || x < 0 || y < 0 || x >= client.Width() ||
        y >= client.Height())
      return false;
    platform::MemorySurface surface(client.Width(), client.Height());
    surface.Fill({0, 0, client.Width(), client.Height()}, colours.brush);
    DialogDispatch::Paint(dialog_, surface);
    colour = surface.ColourAt(x, y);
    return true;
  }
  const HeadlessControl* control = Find(id);
  if (control == nullptr || !control->visible || x < 0 || y < 0 || x >= control->rect.Width() ||
      y >= control->rect.Height())
    return false;
  if (control->site != nullptr && control->site->Painted() != nullptr) {
    colour = control->site->Painted()->ColourAt(x, y);
    return true;
  }
  ControlColours colours;
  if (!Colours(id, colours))
    return false;
  colour = colours.brush;
  return true;
}

bool HeadlessWindow::Font(int id, ControlFont& font) {
  const HeadlessControl* control = Find(id);
  if (control == nullptr || !control->font)
    return false;
  font = *control->font;
  return true;
}

platform::Rect HeadlessWindow::ToPixels(const DialogUnitRect& units) const {
  platform::Rect rect;
  rect.left = MulDiv(units.x, baseX_, 4);
  rect.top = MulDiv(units.y, baseY_, 8);
  rect.right = rect.left + MulDiv(units.width, baseX_, 4);
  rect.bottom = rect.top + MulDiv(units.height, baseY_, 8);
  return rect;
}

}  // namespace torvek::portable
