#include "common/dialog/dialog_template_ex.h"

#include <string>

#include "common/dialog/window_constants.h"
#include "common/text/code_page.h"

namespace torvek::dialog {

namespace {

// The atoms of the predefined control classes in a dialog template.
constexpr std::uint16_t kAtomButton = 0x0080;
constexpr std::uint16_t kAtomEdit = 0x0081;
constexpr std::uint16_t kAtomStatic = 0x0082;
constexpr std::uint16_t kAtomListBox = 0x0083;
constexpr char16_t kProgressClass[] = u"msctls_progress32";
constexpr std::uint8_t kDefaultCharset = 1;
constexpr std::uint16_t kNormalWeight = 400;

class TemplateWriter {
 public:
  explicit TemplateWriter(std::vector<std::uint8_t>& out) : out_(out) {}

  void Word(std::uint16_t value) {
    out_.push_back(static_cast<std::uint8_t>(value));
    out_.push_back(static_cast<std::uint8_t>(value >> 8));
  }
  void Dword(std::uint32_t value) {
    Word(static_cast<std::uint16_t>(value));
    Word(static_cast<std::uint16_t>(value >> 16));
  }
  void Short(std::int16_t value) { Word(static_cast<std::uint16_t>(value)); }
  void Byte(std::uint8_t value) { out_.push_back(value); }
  void Wide(std::u16string_view text) {
    for (char16_t unit : text)
      Word(static_cast<std::uint16_t>(unit));
    Word(0);
  }
  // Code page 936 text as the zero-terminated UTF-16 string of a template.
  bool Text(const char* text) {
    std::u16string wide;
    if (text != nullptr && !Cp936ToUtf16(text, wide))
      return false;
    Wide(wide);
    return true;
  }
  void Atom(std::uint16_t atom) {
    Word(0xFFFF);
    Word(atom);
  }
  void AlignToDword() {
    while (out_.size() % 4 != 0)
      out_.push_back(0);
  }
  void Rect(const DialogUnitRect& rect) {
    Short(rect.x);
    Short(rect.y);
    Short(rect.width);
    Short(rect.height);
  }

 private:
  std::vector<std::uint8_t>& out_;
};

void WriteClass(TemplateWriter& writer, ControlClass controlClass) {
  switch (controlClass) {
    case ControlClass::kButton:
      writer.Atom(kAtomButton);
      return;
    case ControlClass::kEdit:
      writer.Atom(kAtomEdit);
      return;
    case ControlClass::kStatic:
      writer.Atom(kAtomStatic);
      return;
    case ControlClass::kListBox:
      writer.Atom(kAtomListBox);
      return;
    case ControlClass::kProgressBar:
      writer.Wide(kProgressClass);
      return;
  }
}

}  // namespace

bool BuildDialogTemplateEx(const DialogTemplate& dialogTemplate, std::vector<std::uint8_t>& out) {
  out.clear();
  if (dialogTemplate.items.size() > 0xFFFF)
    return false;
  TemplateWriter writer(out);
  const bool hasFont = dialogTemplate.font.face != nullptr;
  writer.Word(1);       // dlgVer
  writer.Word(0xFFFF);  // signature: the extended layout
  writer.Dword(0);      // helpID
  writer.Dword(dialogTemplate.exStyle);
  writer.Dword(dialogTemplate.style | (hasFont ? kDsSetFont : 0u));
  writer.Word(static_cast<std::uint16_t>(dialogTemplate.items.size()));
  writer.Rect(dialogTemplate.rect);
  writer.Word(0);  // no menu
  writer.Word(0);  // the dialog class
  if (!writer.Text(dialogTemplate.caption))
    return false;
  if (hasFont) {
    writer.Word(dialogTemplate.font.pointSize);
    writer.Word(kNormalWeight);
    writer.Byte(0);  // not italic
    writer.Byte(kDefaultCharset);
    if (!writer.Text(dialogTemplate.font.face))
      return false;
  }
  for (const DialogItemTemplate& item : dialogTemplate.items) {
    writer.AlignToDword();
    writer.Dword(0);  // helpID
    writer.Dword(item.exStyle);
    writer.Dword(item.style);
    writer.Rect(item.rect);
    writer.Dword(static_cast<std::uint32_t>(item.id));
    WriteClass(writer, item.controlClass);
    if (!writer.Text(item.text))
      return false;
    writer.Word(0);  // no creation data
  }
  return true;
}

}  // namespace torvek::dialog
