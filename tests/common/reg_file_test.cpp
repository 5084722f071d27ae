#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/portable/memory_registry.h"
#include "common/portable/reg_file.h"

namespace torvek::portable {
namespace {

using platform::kErrorSuccess;
using platform::kLocalMachine;
using platform::RegKey;

std::string Utf16File(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t c : text) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  return bytes;
}

std::string Utf8File(std::u8string_view text) {
  return std::string(text.begin(), text.end());
}

// The value's type and bytes, through the literal tree; "missing" when there is none.
std::string Read(MemoryRegistry& registry, const char* path, const char* name) {
  RegKey key = platform::kNoKey;
  if (registry.OpenLiteralKey(kLocalMachine, path, key) != kErrorSuccess)
    return "no key";
  std::uint32_t type = 0;
  std::uint32_t length = 0;
  std::string data;
  if (registry.QueryValue(key, name, &type, nullptr, &length) == kErrorSuccess) {
    std::vector<std::uint8_t> buffer(length);
    registry.QueryValue(key, name, nullptr, buffer.data(), &length);
    data = std::to_string(type) + ":" + std::string(buffer.begin(), buffer.end());
  } else {
    data = "missing";
  }
  registry.CloseKey(key);
  return data;
}

TEST(RegFile, ReadsEachEncoding) {
  // hex(7) data is UTF-16LE under the version 5.00 header and code page 936 under REGEDIT4.
  const std::string files[] = {
      Utf16File(u"Windows Registry Editor Version 5.00\r\n\r\n"
                u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\结构工具箱]\r\n"
                u"\"名称\"=\"值\"\r\n\"Modules\"=hex(7):2d,4e,00,00,00,00\r\n"),
      Utf8File(u8"Windows Registry Editor Version 5.00\n\n"
               u8"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\结构工具箱]\n"
               u8"\"名称\"=\"值\"\n\"Modules\"=hex(7):2d,4e,00,00,00,00\n"),
      "\xEF\xBB\xBF" + Utf8File(u8"REGEDIT4\n\n"
                                u8"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\结构工具箱]\n"
                                u8"\"名称\"=\"值\"\n\"Modules\"=hex(7):d6,d0,00,00\n"),
      // An ordinary literal is code page 936 at run time.
      "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\结构工具箱]\r\n"
      "\"名称\"=\"值\"\r\n\"Modules\"=hex(7):d6,d0,00,00\r\n",
  };
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    MemoryRegistry registry(RegistryView::kWow64);
    const RegFileResult result = ImportRegFile(registry, file);
    ASSERT_TRUE(result.ok()) << result.line << ": " << result.message;
    const char* path = "SOFTWARE\\Wow6432Node\\结构工具箱";
    EXPECT_EQ(Read(registry, path, "名称"), std::string("1:值", 5));
    EXPECT_EQ(Read(registry, path, "Modules"), std::string("7:中\0\0", 6));
    // The file names the literal tree; a 32-bit program's view finds it without Wow6432Node.
    RegKey key = platform::kNoKey;
    EXPECT_EQ(registry.OpenKey(kLocalMachine, "SOFTWARE\\结构工具箱", key), kErrorSuccess);
  }
}

TEST(RegFile, ReadsEveryKindOfLine) {
  MemoryRegistry registry(RegistryView::kPlain32);
  const RegFileResult result =
      ImportRegFile(registry, Utf8File(u8R"(Windows Registry Editor Version 5.00
; a comment

[HKEY_LOCAL_MACHINE\SOFTWARE\T]
@="default"
"Gone"="soon"
"Quoted"="say \"hi\" at C:\\dir\\"  ; a comment after the data
"Count"=DWORD:2A
"Blob"=hex:01,02,\
  ; a comment between the lines
  03, 04 ,\
  05
"Big"=hex(b):01,00,00,00,00,00,00,00
"None"=hex(0):
"Gone"=-

[HKEY_LOCAL_MACHINE\SOFTWARE\T\Sub\Deeper]
"x"="y"

[-HKEY_LOCAL_MACHINE\SOFTWARE\T\Sub]
[-HKEY_LOCAL_MACHINE\SOFTWARE\NeverWasThere]
)"));
  ASSERT_TRUE(result.ok()) << result.line << ": " << result.message;
  // Listing the values closes the gap a deleted one leaves; those after it are still found.
  std::string exported;
  ASSERT_TRUE(ExportRegFile(registry, RegFileFormat::kUtf8, exported).ok());
  EXPECT_NE(exported.find("@=\"default\"\n\"Quoted\"="), std::string::npos) << exported;
  EXPECT_EQ(Read(registry, "SOFTWARE\\T", nullptr), std::string("1:default", 10));
  EXPECT_EQ(Read(registry, "SOFTWARE\\T", "Quoted"), std::string("1:say \"hi\" at C:\\dir\\", 22));
  EXPECT_EQ(Read(registry, "SOFTWARE\\T", "Count"), std::string("4:\x2A\0\0\0", 6));
  EXPECT_EQ(Read(registry, "SOFTWARE\\T", "Blob"), "3:\x01\x02\x03\x04\x05");
  EXPECT_EQ(Read(registry, "SOFTWARE\\T", "Big"), std::string("11:\x01\0\0\0\0\0\0\0", 11));
  EXPECT_EQ(Read(registry, "SOFTWARE\\T", "None"), "0:");
  EXPECT_EQ(Read(registry, "SOFTWARE\\T", "Gone"), "missing");
  EXPECT_EQ(Read(registry, "SOFTWARE\\T\\Sub", "x"), "no key");
}

// Levels "k\k\...", `count` of them.
std::string Levels(std::size_t count) {
  std::string path = "k";
  for (std::size_t i = 1; i < count; ++i)
    path += "\\k";
  return path;
}

// Files from anywhere: each is read as regedit reads it or refused at the line to blame, with
// nothing applied. Nothing may be cut short or run into the next line.
TEST(RegFile, HostileFilesAreReadAsRegeditReadsThemOrRefusedAtTheirLine) {
  const std::string key4 = "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\T]\n";
  const std::string key5 =
      "Windows Registry Editor Version 5.00\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\T]\n";
  // 512 levels below HKEY_LOCAL_MACHINE, made 32 at a time, and the line that goes one deeper.
  std::string deep = key4;
  std::string deepPath = "SOFTWARE\\T";
  for (std::size_t depth = 2; depth < 512; depth += 32) {
    deepPath.append("\\").append(Levels(std::min<std::size_t>(32, 512 - depth)));
    deep.append("[HKEY_LOCAL_MACHINE\\").append(deepPath).append("]\n");
  }
  const std::size_t deepLines =
      static_cast<std::size_t>(std::count(deep.begin(), deep.end(), '\n'));
  const struct {
    const char* kind;
    std::string file;
    std::size_t errorLine;  // 0: the file is read, and `value` is where regedit puts it
    std::string key = "SOFTWARE\\T";
    std::string value = {};
    const char* name = "v";
  } cases[] = {
      {"syntax", "Windows Registry Editor\n", 1},
      {"syntax", "REGEDIT4\n\n\"v\"=\"outside a key\"\n", 3},
      {"syntax", key4 + "\"v\"=\"no end\n", 3},
      {"syntax", key4 + "\"v\"=\"a\\tb\"\n", 3},
      {"syntax", key4 + "\n\"v\"=hex:01,0g\n", 4},
      {"syntax", key4 + "\"v\"=dword:123456789\n", 3},
      {"syntax", key4 + "\"v\"=text\n", 3},
      {"syntax", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\T\n", 2},
      {"syntax", "REGEDIT4\n[HKEY_CLASSES_ROOT\\.dwg]\n", 2},
      {"syntax", "REGEDIT4\n[-HKEY_LOCAL_MACHINE]\n", 2},
      {"encoding", key5 + "\"v\"=hex(2):41,00,42\n", 3},
      {"encoding", key5 + "\"\xC3\x28\"=-\n", 3},
      {"encoding", key4 + "\"v\"=\"\x81\"\n", 3},

      {"depth", key4 + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\T\\" + Levels(600) + "]\n", 3},
      {"depth", key4 + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\T\\" + Levels(33) + "]\n", 3},
      {"depth", deep + "\"v\"=\"at the bottom\"\n", 0, deepPath,
       std::string("1:at the bottom", 16)},
      {"depth", deep + "[HKEY_LOCAL_MACHINE\\" + deepPath + "\\k]\n", deepLines + 1},

      {"NUL or CR", key4 + std::string("\"P\0one\"=\"1\"\n\"P\0two\"=\"2\"\n", 24), 3},
      {"NUL or CR",
       Utf16File(u"Windows Registry Editor Version 5.00\r\n"
                 u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\T\0Tail]\r\n"),
       2},
      {"NUL or CR", key4 + "\"a\rb\"=\"x\"\r\n", 3},

      {"continuation",
       key4 + "\"AcadLocation\"=\"C:\\\\x\\\\\" ; note D:\\\n\"v\"=\"AutoCAD 2008\"\n", 0,
       "SOFTWARE\\T", std::string("1:AutoCAD 2008", 15)},
      {"continuation", key4 + "\"v\"=hex:01, \\ ; more below\n\n; a comment\n  02,\\\n  03\n", 0,
       "SOFTWARE\\T", "3:\x01\x02\x03"},
      {"continuation", key4 + "\"v\"=hex:01,02\\\n  03\n", 3},
      {"continuation", key4 + "\"v\"=hex:01,\\\n\"w\"=\"b\"\n", 4},
      {"continuation", key4 + "\"v\"=hex:01,\\\n; the end\n", 3},

      {"bracket", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\T] ; see [x]\n\"v\"=\"y\"\n", 0,
       "SOFTWARE\\T", std::string("1:y", 4)},
      {"bracket", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\T]x] ;\n\"v\"=\"y\"\n", 0,
       "SOFTWARE\\T]x", std::string("1:y", 4)},
      {"bracket", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\T] junk\n", 2},

      {"string data", key4 + "\"v\"=hex(2):81,00\n", 3},
      {"string data", key4 + "\"v\"=hex(1):\\\n  81,30,00\n", 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.kind) + ": " + c.file.substr(0, 300));
    MemoryRegistry registry(RegistryView::kPlain32);
    const RegFileResult result = ImportRegFile(registry, c.file);
    if (c.errorLine != 0) {
      EXPECT_EQ(result.line, c.errorLine) << result.message;
      EXPECT_FALSE(result.ok());
      EXPECT_EQ(Read(registry, "SOFTWARE\\T", "v"), "no key") << "nothing is applied";
      continue;
    }
    EXPECT_TRUE(result.ok()) << result.line << ": " << result.message;
    EXPECT_EQ(Read(registry, c.key.c_str(), c.name), c.value);
    // What is read is what is written back, and read again the same.
    std::string first;
    std::string second;
    MemoryRegistry copy(RegistryView::kPlain32);
    EXPECT_TRUE(ExportRegFile(registry, RegFileFormat::kUtf16, first).ok() &&
                ImportRegFile(copy, first).ok() &&
                ExportRegFile(copy, RegFileFormat::kUtf16, second).ok());
    EXPECT_EQ(second, first);
  }
}

TEST(RegFile, ExportThenImportGivesTheSameRegistry) {
  MemoryRegistry original(RegistryView::kWow64);
  RegKey key = platform::kNoKey;
  ASSERT_EQ(
      original.CreateLiteralKey(kLocalMachine, "SOFTWARE\\Wow6432Node\\Torvek\\结构\\乗", key),
      kErrorSuccess);
  const auto set = [&](const char* name, std::uint32_t type, std::string_view data) {
    // A byte that is not zero after the data, or SetValue adds a string's zero as Windows does.
    const std::string buffer = std::string(data) + 'X';
    ASSERT_EQ(
        original.SetValue(key, name, type, reinterpret_cast<const std::uint8_t*>(buffer.data()),
                          static_cast<std::uint32_t>(data.size())),
        kErrorSuccess);
  };
  std::string blob;
  for (int i = 0; i < 100; ++i)
    blob.push_back(static_cast<char>(i * 7));
  set("Zeta", platform::kRegSz, std::string_view("C:\\Program Files\\乗\\", 21));
  set("alpha \"quoted\" \\", platform::kRegSz, std::string_view("", 1));
  set("Bare", platform::kRegSz, "abc");
  set("TwoZeros", platform::kRegSz, std::string_view("a\0b\0", 4));
  set("Lines", platform::kRegSz, std::string_view("a\r\nb\0", 5));
  set("Expand", platform::kRegExpandSz, std::string_view("%SystemRoot%\\乗\0", 16));
  set("Multi", platform::kRegMultiSz, std::string_view("中\0b\0\0", 6));
  set("Count", platform::kRegDword, std::string_view("\x2A\0\0\0", 4));
  set("Short", platform::kRegDword, std::string_view("\x2A\0\0", 3));
  set("Big", platform::kRegQword, std::string_view("\1\0\0\0\0\0\0\x80", 8));
  set("Blob", platform::kRegBinary, blob);
  set("", platform::kRegNone, "");
  original.CloseKey(key);
  ASSERT_EQ(original.CreateLiteralKey(kLocalMachine, "SOFTWARE\\Wow6432Node\\Torvek\\Empty", key),
            kErrorSuccess);
  original.CloseKey(key);

  for (const RegFileFormat format :
       {RegFileFormat::kUtf16, RegFileFormat::kUtf8, RegFileFormat::kRegedit4}) {
    SCOPED_TRACE(static_cast<int>(format));
    std::string first;
    ASSERT_TRUE(ExportRegFile(original, format, first).ok());
    MemoryRegistry copy(RegistryView::kWow64);
    const RegFileResult result = ImportRegFile(copy, first);
    ASSERT_TRUE(result.ok()) << result.line << ": " << result.message << "\n" << first;
    std::string second;
    ASSERT_TRUE(ExportRegFile(copy, format, second).ok());
    EXPECT_EQ(second, first);

    const char* path = "SOFTWARE\\Wow6432Node\\Torvek\\结构\\乗";
    EXPECT_EQ(Read(copy, path, "Bare"), "1:abc");
    EXPECT_EQ(Read(copy, path, "Lines"), std::string("1:a\r\nb", 7));
    EXPECT_EQ(Read(copy, path, "Short"), std::string("4:\x2A\0\0", 5));
    EXPECT_EQ(Read(copy, path, "Blob"), "3:" + blob);
    RegValue value;
    ASSERT_EQ(copy.OpenLiteralKey(kLocalMachine, path, key), kErrorSuccess);
    ASSERT_EQ(copy.EnumValue(key, 0, value), kErrorSuccess);
    EXPECT_EQ(value.name, "Zeta") << "values keep the order they were set in";
    copy.CloseKey(key);
  }

  // A string with its one zero goes out quoted; any other as hex(1):, so that one stored
  // without its zero comes back without it.
  std::string text;
  ASSERT_TRUE(ExportRegFile(original, RegFileFormat::kUtf8, text,
                            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Torvek")
                  .ok());
  EXPECT_TRUE(
      text.starts_with("Windows Registry Editor Version 5.00\n\n"
                       "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Torvek]\n"));
  EXPECT_NE(text.find("\"Zeta\"=\"C:\\\\Program Files\\\\"), std::string::npos) << text;
  EXPECT_NE(text.find("\"alpha \\\"quoted\\\" \\\\\"=\"\"\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\"Bare\"=hex(1):61,00,62,00,63,00\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\"Big\"=hex(b):01,00,00,00,00,00,00,80\n"), std::string::npos) << text;
  ASSERT_TRUE(ExportRegFile(original, RegFileFormat::kRegedit4, text).ok());
  EXPECT_NE(text.find("\"Bare\"=hex(1):61,62,63\r\n"), std::string::npos) << text;
  for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
       start = end + 1) {
    EXPECT_LE(end - start, 80u) << text.substr(start, end - start);
  }
  EXPECT_FALSE(
      ExportRegFile(original, RegFileFormat::kUtf8, text, "HKEY_LOCAL_MACHINE\\Nope").ok());
  // A key line that would read back as a shorter key and a comment is not written.
  MemoryRegistry commented(RegistryView::kPlain32);
  ASSERT_EQ(commented.CreateLiteralKey(kLocalMachine, "SOFTWARE\\a] ;b", key), kErrorSuccess);
  commented.CloseKey(key);
  EXPECT_FALSE(ExportRegFile(commented, RegFileFormat::kUtf8, text).ok());
}

TEST(RegFile, Regedit4TrailByte5CIsNoBackslash) {
  // 乗 is 81 5C in code page 936: read byte by byte, its trail would split the key name and
  // escape the closing quote.
  const std::string file =
      "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\乗\\x]\r\n\"乗\"=\"C:\\\\乗\"\r\n";
  MemoryRegistry registry(RegistryView::kPlain32);
  const RegFileResult result = ImportRegFile(registry, file);
  ASSERT_TRUE(result.ok()) << result.line << ": " << result.message;
  RegKey key = platform::kNoKey;
  ASSERT_EQ(registry.OpenLiteralKey(kLocalMachine, "SOFTWARE\\乗", key), kErrorSuccess);
  std::string name;
  ASSERT_EQ(registry.EnumKeyName(key, 0, name), kErrorSuccess);
  EXPECT_EQ(name, "x");
  registry.CloseKey(key);
  EXPECT_EQ(Read(registry, "SOFTWARE\\乗\\x", "乗"), std::string("1:C:\\乗", 8));

  std::string exported;
  ASSERT_TRUE(ExportRegFile(registry, RegFileFormat::kRegedit4, exported).ok());
  EXPECT_NE(exported.find(file.substr(10)), std::string::npos) << exported;
}

}  // namespace
}  // namespace torvek::portable
