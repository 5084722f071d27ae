# Settings every target of the kit shares: text is UTF-8 in the sources and code page 936 in
# the binaries, warnings are on, and the Windows programs carry their runtime with them.

add_library(torvek_options INTERFACE)
# clang refuses -fexec-charset=CP936: the fuzz build (clang, TORVEK_FUZZ) compiles only sources
# without text literals beyond ASCII, and leaves the charsets alone.
if(NOT TORVEK_FUZZ)
  target_compile_options(torvek_options INTERFACE -finput-charset=UTF-8 -fexec-charset=CP936)
endif()
target_compile_options(torvek_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
  -Wformat=2 -Wcast-qual -Wmissing-declarations)
if(TORVEK_WERROR)
  target_compile_options(torvek_options INTERFACE -Werror)
endif()
target_include_directories(torvek_options INTERFACE ${PROJECT_SOURCE_DIR})

if(WIN32)
  set(TORVEK_WINDOWS ON)
  # Windows 7 is the oldest system the programs run on; anything newer goes through GetProcAddress.
  target_compile_definitions(torvek_options INTERFACE
    _WIN32_WINNT=0x0601 WINVER=0x0601 WIN32_LEAN_AND_MEAN NOMINMAX)
  target_link_options(torvek_options INTERFACE -static -static-libgcc -static-libstdc++)
else()
  set(TORVEK_WINDOWS OFF)
endif()

if(TORVEK_FUZZ)
  # Every library the fuzz targets link is instrumented for libFuzzer's coverage as well.
  target_compile_options(torvek_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined
    -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(torvek_options INTERFACE -fsanitize=address,undefined)
elseif(TORVEK_SANITIZE STREQUAL "address" OR TORVEK_SANITIZE STREQUAL "ON")
  target_compile_options(torvek_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(torvek_options INTERFACE -fsanitize=address,undefined)
elseif(TORVEK_SANITIZE STREQUAL "thread")
  target_compile_options(torvek_options INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
  target_link_options(torvek_options INTERFACE -fsanitize=thread)
elseif(TORVEK_SANITIZE AND NOT TORVEK_SANITIZE STREQUAL "OFF")
  message(FATAL_ERROR "TORVEK_SANITIZE is address, thread or empty, not ${TORVEK_SANITIZE}")
endif()
