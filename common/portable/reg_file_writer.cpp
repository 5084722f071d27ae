// The .reg writer: keys in the order RegEnumKeyExA gives them, values in the order they were
// set, laid out as regedit lays them out.
#include <vector>

#include "common/portable/reg_file.h"
#include "common/portable/reg_file_syntax.h"
#include "common/text/code_page.h"
#include "common/text/path_split.h"

namespace torvek::portable::reg_syntax {

using platform::RegKey;

namespace {

class Writer {
 public:
  Writer(MemoryRegistry& registry, RegFileFormat format)
      : registry_(registry),
        unicodeHex_(format != RegFileFormat::kRegedit4),
        newline_(format == RegFileFormat::kUtf8 ? u"\n" : u"\r\n") {
    text_.append(unicodeHex_ ? kHeader5 : kHeader4).append(newline_).append(newline_);
  }

  const std::u16string& Text() const { return text_; }

  RegFileResult WriteTree(const std::string& keyPath) {
    const std::size_t slash = FindSeparator(keyPath, 0);
    std::u16string rootName;
    Cp936ToUtf16(keyPath.substr(0, slash), rootName);
    const Root* root = FindRoot(rootName);
    const std::string below = slash == keyPath.size() ? "" : keyPath.substr(slash + 1);
    RegKey key = platform::kNoKey;
    if (root == nullptr || registry_.OpenLiteralKey(root->key, below.c_str(), key) != 0)
      return Error(0, "no such key to export");
    std::u16string path;
    if (!Cp936ToUtf16(registry_.KeyPath(key), path)) {
      registry_.CloseKey(key);
      return Error(0, "a key name that is not code page 936 text");
    }
    return WriteKeys(key, path, SplitPath(below).empty());
  }

 private:
  // Each key before its subkeys, depth first, with the open keys on a stack of their own rather
  // than the program's. Closes `top` and every key it opens.
  RegFileResult WriteKeys(RegKey top, std::u16string path, bool topIsRoot) {
    struct OpenKey {
      RegKey key;
      std::size_t pathLength;
      std::uint32_t nextSubkey;
    };
    std::vector<OpenKey> open{{top, path.size(), 0}};
    RegFileResult result = WriteKeyLines(top, path, topIsRoot);
    std::string name;
    std::u16string wide;
    while (result.ok() && !open.empty()) {
      OpenKey& at = open.back();
      if (registry_.EnumKeyName(at.key, at.nextSubkey++, name) != platform::kErrorSuccess) {
        registry_.CloseKey(at.key);
        open.pop_back();
        continue;
      }
      RegKey child = platform::kNoKey;
      if (!Cp936ToUtf16(name, wide) || !FitsKeyLine(wide)) {
        result = Error(0, "a key name that a .reg file cannot hold");
      } else if (registry_.OpenLiteralKey(at.key, name.c_str(), child) != 0) {
        result = Error(0, "a key that cannot be opened");
      } else {
        path.resize(at.pathLength);
        path.append(u"\\").append(wide);
        open.push_back({child, path.size(), 0});
        result = WriteKeyLines(child, path, false);
      }
    }
    for (const OpenKey& left : open)
      registry_.CloseKey(left.key);
    return result;
  }

  // A name that comes back as it is: on a key line, a ']' followed by nothing but blanks and a
  // ';' would close the key there and make the rest a comment.
  static bool FitsKeyLine(std::u16string_view name) {
    if (name.find(u'\n') != std::u16string_view::npos)
      return false;
    for (std::size_t at = name.find(u']'); at != std::u16string_view::npos;
         at = name.find(u']', at + 1)) {
      const std::size_t next = name.find_first_not_of(u" \t\r", at + 1);
      if (next != std::u16string_view::npos && name[next] == u';')
        return false;
    }
    return true;
  }

  // The key's line and its values. A root's own line is left out when it holds no values: it
  // is always there.
  RegFileResult WriteKeyLines(RegKey key, const std::u16string& path, bool isRoot) {
    std::vector<RegValue> values;
    for (RegValue value; registry_.EnumValue(key, static_cast<std::uint32_t>(values.size()),
                                             value) == platform::kErrorSuccess;) {
      values.push_back(std::move(value));
    }
    if (isRoot && values.empty())
      return {};
    text_.append(u"[").append(path).append(u"]").append(newline_);
    for (const RegValue& value : values) {
      if (RegFileResult result = WriteValue(value); !result.ok())
        return result;
    }
    text_.append(newline_);
    return {};
  }

  static void AppendQuoted(std::u16string& line, std::u16string_view text) {
    line.push_back(u'"');
    for (const char16_t c : text) {
      if (c == u'\\' || c == u'"')
        line.push_back(u'\\');
      line.push_back(c);
    }
    line.push_back(u'"');
  }

  // REG_SZ data that "..." can carry: one zero, at the end, after printable text. Anything else
  // goes out as hex(1):, so that a string stored without its zero comes back without it.
  static bool AsQuotedString(const RegValue& value, std::u16string& text) {
    const std::vector<std::uint8_t>& data = value.data;
    if (value.type != platform::kRegSz || data.empty() || data.back() != 0)
      return false;
    const std::string body(data.begin(), data.end() - 1);
    if (body.find('\0') != std::string::npos || !Cp936ToUtf16(body, text))
      return false;
    for (const char16_t c : text) {
      if (c < 0x20)
        return false;
    }
    return true;
  }

  RegFileResult WriteValue(const RegValue& value) {
    std::u16string line;
    if (value.name.empty()) {
      line = u"@";
    } else {
      std::u16string name;
      if (!Cp936ToUtf16(value.name, name) || name.find_first_of(u"\r\n") != std::u16string::npos) {
        return Error(0, "a value name that cannot be written");
      }
      AppendQuoted(line, name);
    }
    line.push_back(u'=');
    std::u16string text;
    if (AsQuotedString(value, text)) {
      AppendQuoted(line, text);
      text_.append(line).append(newline_);
      return {};
    }
    if (value.type == platform::kRegDword && value.data.size() == 4) {
      std::uint32_t number = 0;
      for (std::size_t i = 4; i-- > 0;)
        number = number << 8 | value.data[i];
      line.append(u"dword:");
      for (int shift = 28; shift >= 0; shift -= 4)
        line.push_back(kHexDigits[(number >> shift) & 0xF]);
      text_.append(line).append(newline_);
      return {};
    }
    std::vector<std::uint8_t> bytes = value.data;
    if (unicodeHex_ && IsStringType(value.type)) {
      const std::string narrow(value.data.begin(), value.data.end());
      if (!Cp936ToUtf16(narrow, text))
        return Error(0, "string data that is not code page 936 text");
      bytes = Utf16LeBytes(text);
    }
    if (value.type == platform::kRegBinary) {
      line.append(u"hex:");
    } else {
      line.append(u"hex(");
      bool digits = false;
      for (int shift = 28; shift >= 0; shift -= 4) {
        const std::uint32_t digit = (value.type >> shift) & 0xF;
        if (digit != 0 || digits || shift == 0) {
          line.push_back(kHexDigits[digit]);
          digits = true;
        }
      }
      line.append(u"):");
    }
    AppendHex(line, bytes);
    return {};
  }

  // As regedit lays it out: lines of at most 80 columns, each but the last ending in ",\",
  // the next indented by two spaces.
  void AppendHex(std::u16string& line, const std::vector<std::uint8_t>& bytes) {
    bool bytesOnLine = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const bool last = i + 1 == bytes.size();
      if (bytesOnLine && line.size() + (last ? 2 : 3) > 78) {
        text_.append(line).append(u"\\").append(newline_);
        line = u"  ";
      }
      line.push_back(kHexDigits[bytes[i] >> 4]);
      line.push_back(kHexDigits[bytes[i] & 0xF]);
      if (!last)
        line.push_back(u',');
      bytesOnLine = true;
    }
    text_.append(line).append(newline_);
  }

  static constexpr char16_t kHexDigits[] = u"0123456789abcdef";

  MemoryRegistry& registry_;
  const bool unicodeHex_;
  const std::u16string_view newline_;
  std::u16string text_;
};

}  // namespace

}  // namespace torvek::portable::reg_syntax

namespace torvek::portable {

RegFileResult ExportRegFile(MemoryRegistry& registry, RegFileFormat format, std::string& out,
                            std::span<const std::string> keyPaths) {
  reg_syntax::Writer writer(registry, format);
  for (const std::string& keyPath : keyPaths) {
    if (RegFileResult result = writer.WriteTree(keyPath); !result.ok())
      return result;
  }
  const std::u16string& text = writer.Text();
  switch (format) {
    case RegFileFormat::kUtf16: {
      const std::vector<std::uint8_t> bytes = reg_syntax::Utf16LeBytes(text);
      out.assign("\xFF\xFE");
      out.append(bytes.begin(), bytes.end());
      return {};
    }
    case RegFileFormat::kUtf8:
      return Utf16ToUtf8(text, out) ? RegFileResult{}
                                    : reg_syntax::Error(0, "text that UTF-8 cannot hold");
    case RegFileFormat::kRegedit4:
      break;
  }
  return Utf16ToCp936(text, out) ? RegFileResult{}
                                 : reg_syntax::Error(0, "text that code page 936 cannot hold");
}

RegFileResult ExportRegFile(MemoryRegistry& registry, RegFileFormat format, std::string& out,
                            const std::string& keyPath) {
  return ExportRegFile(registry, format, out, std::span<const std::string>(&keyPath, 1));
}

}  // namespace torvek::portable
