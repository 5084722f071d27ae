// Conversion between the programs' code page 936 text and Unicode, for the places where text
// leaves the programs' own world: file names on a host disk, .reg files, wide-character calls.
// Each conversion fails (false, `out` unspecified) on input that is not valid in its encoding.
#pragma once

#include <string>
#include <string_view>

namespace torvek {

bool Cp936ToUtf16(std::string_view text, std::u16string& out);
bool Utf16ToCp936(std::u16string_view text, std::string& out);

bool Utf8ToUtf16(std::string_view text, std::u16string& out);
bool Utf16ToUtf8(std::u16string_view text, std::string& out);

bool Cp936ToUtf8(std::string_view text, std::string& out);
bool Utf8ToCp936(std::string_view text, std::string& out);

}  // namespace torvek
