// MulDiv as Windows computes it: a * b / c through a 64-bit product, rounded to the nearest
// integer with halves away from zero; -1 when c is 0 or the result does not fit. Pixels and
// HIMETRIC are converted with it on both sides, so the portable build rounds as Windows does.
#pragma once

#include <cstdint>

namespace torvek::platform {

constexpr std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
  if (c == 0)
    return -1;
  std::int64_t product = static_cast<std::int64_t>(a) * b;
  std::int64_t divisor = c;
  if (divisor < 0) {
    product = -product;
    divisor = -divisor;
  }
  const std::int64_t half = divisor / 2;
  const std::int64_t result =
      product >= 0 ? (product + half) / divisor : (product - half) / divisor;
  if (result > INT32_MAX || result < -INT32_MAX)
    return -1;
  return static_cast<std::int32_t>(result);
}

}  // namespace torvek::platform
