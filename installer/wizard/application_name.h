// The application's name as message boxes show it: the program file's name without its folder
// and extension ("D:\Kit\SetUp.exe" is "SetUp").
#pragma once

#include <string>
#include <string_view>

namespace torvek::setup {

std::string ApplicationNameOf(std::string_view programPath);

}  // namespace torvek::setup
