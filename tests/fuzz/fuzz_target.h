// The entry every fuzz target defines, as libFuzzer calls it: once per input, which it may not
// keep beyond the call. The answer is 0.
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
