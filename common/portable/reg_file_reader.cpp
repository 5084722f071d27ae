// The .reg reader. A file is taken apart in two steps, each in one place: DecodeLines turns
// its bytes into Unicode lines, and Parse reads those lines (the header, comments, hex data that
// goes on over lines ending in a backslash) into operations; nothing reaches the registry until
// the whole file has been read and its keys have been tried. Whatever the reader cannot take as
// regedit would is an error naming its line: nothing is cut short or run into the next line.
#include <vector>

#include "common/portable/reg_file.h"
#include "common/portable/reg_file_syntax.h"
#include "common/text/code_page.h"
#include "common/text/cp936_text.h"
#include "common/text/path_split.h"

namespace torvek::portable::reg_syntax {

using platform::RegKey;
using platform::WinError;

namespace {

constexpr const char* kNoHeader =
    "the first line must be REGEDIT4 or Windows Registry Editor Version 5.00";

bool IsSpace(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\r';
}

std::u16string_view Trim(std::u16string_view text) {
  while (!text.empty() && IsSpace(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back()))
    text.remove_suffix(1);
  return text;
}

std::u16string_view TrimLeft(std::u16string_view text) {
  while (!text.empty() && IsSpace(text.front()))
    text.remove_prefix(1);
  return text;
}

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9')
    return c - u'0';
  if (UpperAscii(c) >= u'A' && UpperAscii(c) <= u'F')
    return UpperAscii(c) - u'A' + 10;
  return -1;
}

// Up to `maxDigits` hex digits from the front of `text`; false when there is none.
bool TakeHex(std::u16string_view& text, std::size_t maxDigits, std::uint32_t& value) {
  std::size_t n = 0;
  value = 0;
  while (n < text.size() && n < maxDigits && HexDigit(text[n]) >= 0)
    value = value * 16 + static_cast<std::uint32_t>(HexDigit(text[n++]));
  text.remove_prefix(n);
  return n > 0;
}

// Characters that end a line for regedit where they are not ends here: it reads a line only up
// to a NUL, and takes a carriage return of its own for a line break. Either would cut a name
// or a value short.
RegFileResult FindBreaks(const std::vector<std::u16string>& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find(u'\0') != std::u16string::npos)
      return Error(i + 1, "a NUL character");
    if (Trim(lines[i]).find(u'\r') != std::u16string_view::npos)
      return Error(i + 1, "a carriage return inside a line");
  }
  return {};
}

// The file as Unicode lines. Code page 936 and UTF-8 are split at 0x0A before decoding, which
// is never part of a multibyte character in either, so a bad byte is reported on its line.
RegFileResult DecodeLines(std::string_view bytes, std::vector<std::u16string>& lines) {
  lines.clear();
  if (bytes.starts_with("\xFF\xFE")) {
    bytes.remove_prefix(2);
    if (bytes.size() % 2 != 0)
      return Error(0, "a UTF-16 file with an odd number of bytes");
    std::u16string line;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
      const auto c = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                           (static_cast<unsigned char>(bytes[i + 1]) << 8));
      if (c == u'\n') {
        lines.push_back(std::move(line));
        line.clear();
      } else {
        line.push_back(c);
      }
    }
    lines.push_back(std::move(line));
    return FindBreaks(lines);
  }
  bool utf8 = true;
  if (bytes.starts_with("\xEF\xBB\xBF"))
    bytes.remove_prefix(3);
  else if (bytes.starts_with("REGEDIT4"))
    utf8 = false;
  else if (!bytes.starts_with("Windows Registry Editor Version 5.00"))
    return Error(1, kNoHeader);
  for (std::size_t start = 0; start <= bytes.size();) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos)
      end = bytes.size();
    std::u16string line;
    const std::string_view raw = bytes.substr(start, end - start);
    if (!(utf8 ? Utf8ToUtf16(raw, line) : Cp936ToUtf16(raw, line)))
      return Error(lines.size() + 1, utf8 ? "not UTF-8 text" : "not code page 936 text");
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return FindBreaks(lines);
}

struct Operation {
  enum class Kind { kOpenKey, kDeleteKey, kSetValue, kDeleteValue };
  Kind kind = Kind::kOpenKey;
  std::size_t line = 0;
  RegKey root = platform::kNoKey;
  std::string path;  // below the root
  RegValue value;
};

// Nothing but blanks or a comment may follow a line's data.
bool AtEnd(std::u16string_view rest) {
  rest = TrimLeft(rest);
  return rest.empty() || rest.front() == u';';
}

// A quoted string with its \\ and \" escapes (and Wine's \n and \r), from the opening quote at
// the front of `text`, which is left just after the closing one.
const char* TakeQuoted(std::u16string_view& text, std::u16string& out) {
  out.clear();
  for (std::size_t i = 1; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'"') {
      text.remove_prefix(i + 1);
      return nullptr;
    }
    if (c != u'\\') {
      out.push_back(c);
      continue;
    }
    if (++i == text.size())
      break;
    switch (text[i]) {
      case u'\\':
      case u'"':
        out.push_back(text[i]);
        break;
      case u'n':
        out.push_back(u'\n');
        break;
      case u'r':
        out.push_back(u'\r');
        break;
      default:
        return "an unknown escape in a quoted string";
    }
  }
  return "a quoted string without its closing quote";
}

// A key name may hold ']'; the one that closes the key is the first with nothing but blanks or a
// comment after it, so a ']' in that comment is never part of the name.
RegFileResult ParseKey(std::u16string_view line, std::size_t lineNumber, Operation& op) {
  std::size_t close = line.find(u']');
  while (close != std::u16string_view::npos && !AtEnd(line.substr(close + 1)))
    close = line.find(u']', close + 1);
  if (close == std::u16string_view::npos) {
    return Error(lineNumber, line.find(u']') == std::u16string_view::npos
                                 ? "a key without its closing bracket"
                                 : "text after a key's closing bracket");
  }
  std::u16string_view inner = line.substr(1, close - 1);
  op.kind = Operation::Kind::kOpenKey;
  if (inner.starts_with(u'-')) {
    op.kind = Operation::Kind::kDeleteKey;
    inner.remove_prefix(1);
  }
  const std::u16string_view rootName = inner.substr(0, inner.find(u'\\'));
  const Root* root = FindRoot(rootName);
  if (root == nullptr)
    return Error(lineNumber, "a key outside HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER");
  op.root = root->key;
  inner.remove_prefix(rootName.size());
  if (inner.starts_with(u'\\'))
    inner.remove_prefix(1);
  if (inner.starts_with(u'\\') || inner.find(u"\\\\") != std::u16string_view::npos)
    return Error(lineNumber, "a key path with an empty name in it");
  if (op.kind == Operation::Kind::kDeleteKey && inner.empty())
    return Error(lineNumber, "a root key cannot be deleted");
  if (!Utf16ToCp936(inner, op.path))
    return Error(lineNumber, "a key name that code page 936 cannot hold");
  return {};
}

// The lines of the file as Parse walks them; hex data takes more than one.
class LineCursor {
 public:
  explicit LineCursor(const std::vector<std::u16string>& lines) : lines_(lines) {}

  bool AtFileEnd() const { return index_ >= lines_.size(); }
  std::size_t Number() const { return index_ + 1; }
  std::u16string_view Line() const { return Trim(lines_[index_]); }
  void Advance() { ++index_; }

  // Moves to the next line that is neither blank nor a comment, as regedit does inside hex
  // data; false at the end of the file.
  bool NextDataLine() {
    for (++index_; !AtFileEnd(); ++index_) {
      if (!Line().empty() && Line().front() != u';')
        return true;
    }
    return false;
  }

 private:
  const std::vector<std::u16string>& lines_;
  std::size_t index_ = 0;
};

// Hex bytes separated by commas. Where a byte is due, a backslash with nothing but blanks or a
// comment after it carries the data on to the next line; nothing else ever does.
RegFileResult ParseHexBytes(std::u16string_view text, LineCursor& cursor,
                            std::vector<std::uint8_t>& bytes) {
  bytes.clear();
  for (;;) {
    text = TrimLeft(text);
    if (text.starts_with(u'\\') && AtEnd(text.substr(1))) {
      const std::size_t from = cursor.Number();
      if (!cursor.NextDataLine())
        return Error(from, "the file ends inside a value's hex data");
      text = cursor.Line();
      continue;
    }
    if (bytes.empty() && AtEnd(text))
      return {};
    std::uint32_t byte = 0;
    if (!TakeHex(text, 2, byte))
      return Error(cursor.Number(), "expected a hex byte");
    bytes.push_back(static_cast<std::uint8_t>(byte));
    text = TrimLeft(text);
    if (!text.starts_with(u','))
      break;
    text.remove_prefix(1);
  }
  return AtEnd(text) ? RegFileResult{} : Error(cursor.Number(), "text after a value's data");
}

RegFileResult ParseData(std::u16string_view text, LineCursor& cursor, bool unicodeHex,
                        Operation& op) {
  const std::size_t lineNumber = cursor.Number();
  RegValue& value = op.value;
  if (text.starts_with(u'-')) {
    op.kind = Operation::Kind::kDeleteValue;
    return AtEnd(text.substr(1)) ? RegFileResult{} : Error(lineNumber, "text after =-");
  }
  op.kind = Operation::Kind::kSetValue;
  if (text.starts_with(u'"')) {
    std::u16string quoted;
    if (const char* error = TakeQuoted(text, quoted))
      return Error(lineNumber, error);
    if (!AtEnd(text))
      return Error(lineNumber, "text after a string's closing quote");
    std::string converted;
    if (!Utf16ToCp936(quoted, converted))
      return Error(lineNumber, "a string that code page 936 cannot hold");
    value.type = platform::kRegSz;
    value.data.assign(converted.begin(), converted.end());
    value.data.push_back(0);
    return {};
  }
  if (StartsWithNoCase(text, u"dword:")) {
    text.remove_prefix(6);
    std::uint32_t number = 0;
    if (!TakeHex(text, 8, number) || !AtEnd(text))
      return Error(lineNumber, "dword: wants one to eight hex digits");
    value.type = platform::kRegDword;
    value.data = {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
                  static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)};
    return {};
  }
  if (!StartsWithNoCase(text, u"hex"))
    return Error(lineNumber, "unknown value data: expected \"string\", dword:, hex: or hex(N):");
  text.remove_prefix(3);
  value.type = platform::kRegBinary;
  if (text.starts_with(u'(')) {
    text.remove_prefix(1);
    if (!TakeHex(text, 8, value.type) || !text.starts_with(u')'))
      return Error(lineNumber, "hex(N): wants a hex type number");
    text.remove_prefix(1);
  }
  if (!text.starts_with(u':'))
    return Error(lineNumber, "expected : after hex");
  if (RegFileResult result = ParseHexBytes(text.substr(1), cursor, value.data); !result.ok())
    return result;
  if (!IsStringType(value.type))
    return {};
  // The registry keeps string data as the A calls give it: code page 936, which regedit makes
  // of a version 5.00 file's UTF-16 and reads a REGEDIT4 file's bytes as.
  if (!unicodeHex) {
    std::u16string wide;
    if (!Cp936ToUtf16(std::string(value.data.begin(), value.data.end()), wide))
      return Error(lineNumber, "string data that is not code page 936 text");
    return {};
  }
  if (value.data.size() % 2 != 0)
    return Error(lineNumber, "UTF-16 string data with an odd number of bytes");
  std::u16string wide(value.data.size() / 2, u'\0');
  for (std::size_t i = 0; i < wide.size(); ++i)
    wide[i] = static_cast<char16_t>(value.data[2 * i] | (value.data[2 * i + 1] << 8));
  std::string converted;
  if (!Utf16ToCp936(wide, converted))
    return Error(lineNumber, "a string that code page 936 cannot hold");
  value.data.assign(converted.begin(), converted.end());
  return {};
}

RegFileResult ParseValue(LineCursor& cursor, bool unicodeHex, Operation& op) {
  const std::size_t lineNumber = cursor.Number();
  std::u16string_view text = cursor.Line();
  std::u16string name;
  if (text.starts_with(u'@')) {
    text.remove_prefix(1);
  } else if (text.starts_with(u'"')) {
    if (const char* error = TakeQuoted(text, name))
      return Error(lineNumber, error);
  } else {
    return Error(lineNumber, "expected [key], \"name\"=, @= or a ; comment");
  }
  text = TrimLeft(text);
  if (!text.starts_with(u'='))
    return Error(lineNumber, "expected = after a value's name");
  if (!Utf16ToCp936(name, op.value.name))
    return Error(lineNumber, "a value name that code page 936 cannot hold");
  return ParseData(TrimLeft(text.substr(1)), cursor, unicodeHex, op);
}

RegFileResult Parse(const std::vector<std::u16string>& lines, std::vector<Operation>& ops) {
  const std::u16string_view header = lines.empty() ? u"" : Trim(lines[0]);
  if (header != kHeader4 && header != kHeader5)
    return Error(1, kNoHeader);
  const bool unicodeHex = header == kHeader5;
  bool inKey = false;
  LineCursor cursor(lines);
  for (cursor.Advance(); !cursor.AtFileEnd(); cursor.Advance()) {
    const std::u16string_view line = cursor.Line();
    if (line.empty() || line.front() == u';')
      continue;
    Operation op;
    op.line = cursor.Number();
    if (line.front() == u'[') {
      if (RegFileResult result = ParseKey(line, op.line, op); !result.ok())
        return result;
      inKey = op.kind == Operation::Kind::kOpenKey;
    } else if (!inKey) {
      return Error(op.line, "a value outside a key");
    } else if (RegFileResult result = ParseValue(cursor, unicodeHex, op); !result.ok()) {
      return result;
    }
    ops.push_back(std::move(op));
  }
  return {};
}

// Stores exactly the value's bytes. SetValue, as Windows, also stores a string's zero when the
// byte after the data is one, so the copy ends in a byte that is not.
WinError StoreExactly(MemoryRegistry& registry, RegKey key, const RegValue& value) {
  std::vector<std::uint8_t> data(value.data);
  data.push_back(0xFF);
  return registry.SetValue(key, value.name.c_str(), value.type, data.data(),
                           static_cast<std::uint32_t>(value.data.size()));
}

// The registry refuses a key past Windows' limits (see MemoryRegistry), which depends on the
// keys there are when its line comes. So that a refused key leaves the registry as it was, the
// file's key lines are first tried on a registry that holds only the keys along their paths.
RegFileResult TryKeys(MemoryRegistry& registry, const std::vector<Operation>& ops) {
  MemoryRegistry trial(RegistryView::kPlain32);
  RegKey software = platform::kNoKey;
  if (registry.OpenLiteralKey(platform::kLocalMachine, "SOFTWARE", software) == 0)
    registry.CloseKey(software);
  else
    trial.DeleteLiteralTree(platform::kLocalMachine, "SOFTWARE");
  for (const Operation& op : ops) {
    if (op.kind != Operation::Kind::kOpenKey && op.kind != Operation::Kind::kDeleteKey)
      continue;
    RegKey at = op.root;
    RegKey trialAt = op.root;
    for (const std::string_view name : SplitPath(op.path)) {
      const std::string part(name);
      RegKey next = platform::kNoKey;
      RegKey trialNext = platform::kNoKey;
      if (registry.OpenLiteralKey(at, part.c_str(), next) != 0)
        break;
      trial.CreateLiteralKey(trialAt, part.c_str(), trialNext);
      registry.CloseKey(at);
      trial.CloseKey(trialAt);
      at = next;
      trialAt = trialNext;
    }
    registry.CloseKey(at);
    trial.CloseKey(trialAt);
  }
  for (const Operation& op : ops) {
    if (op.kind == Operation::Kind::kDeleteKey) {
      trial.DeleteLiteralTree(op.root, op.path.c_str());
    } else if (op.kind == Operation::Kind::kOpenKey) {
      RegKey key = platform::kNoKey;
      const WinError error = trial.CreateLiteralKey(op.root, op.path.c_str(), key);
      if (error == platform::kErrorFilenameExcedRange) {
        return Error(op.line, SplitPath(op.path).size() > 512
                                  ? "a key more than 512 levels deep"
                                  : "a key more than 32 levels below the nearest key there is: "
                                    "the registry makes at most 32 at once");
      }
      if (error != platform::kErrorSuccess)
        return Error(op.line, "the registry refused this line");
      trial.CloseKey(key);
    }
  }
  return {};
}

RegFileResult Apply(MemoryRegistry& registry, const std::vector<Operation>& ops) {
  if (RegFileResult result = TryKeys(registry, ops); !result.ok())
    return result;
  RegKey current = platform::kNoKey;
  const auto closeCurrent = [&] {
    if (current != platform::kNoKey)
      registry.CloseKey(current);
    current = platform::kNoKey;
  };
  RegFileResult result;
  for (const Operation& op : ops) {
    WinError error = platform::kErrorSuccess;
    switch (op.kind) {
      case Operation::Kind::kOpenKey:
        closeCurrent();
        error = registry.CreateLiteralKey(op.root, op.path.c_str(), current);
        break;
      case Operation::Kind::kDeleteKey:
        closeCurrent();
        error = registry.DeleteLiteralTree(op.root, op.path.c_str());
        if (error == platform::kErrorFileNotFound)
          error = platform::kErrorSuccess;
        break;
      case Operation::Kind::kSetValue:
        error = StoreExactly(registry, current, op.value);
        break;
      case Operation::Kind::kDeleteValue:
        error = registry.DeleteValue(current, op.value.name.c_str());
        if (error == platform::kErrorFileNotFound)
          error = platform::kErrorSuccess;
        break;
    }
    if (error != platform::kErrorSuccess) {
      result = Error(op.line, "the registry refused this line");
      break;
    }
  }
  closeCurrent();
  return result;
}

}  // namespace

}  // namespace torvek::portable::reg_syntax

namespace torvek::portable {

RegFileResult ImportRegFile(MemoryRegistry& registry, std::string_view bytes) {
  std::vector<std::u16string> lines;
  if (RegFileResult result = reg_syntax::DecodeLines(bytes, lines); !result.ok())
    return result;
  std::vector<reg_syntax::Operation> ops;
  if (RegFileResult result = reg_syntax::Parse(lines, ops); !result.ok())
    return result;
  return reg_syntax::Apply(registry, ops);
}

}  // namespace torvek::portable
