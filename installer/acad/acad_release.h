// The fourteen AutoCAD releases the toolbox supports, always in this order: the release index
// is the position in every per-release array and in the release choices the wizard hands on.
#pragma once

#include <array>
#include <optional>

namespace torvek::acad {

inline constexpr int kReleaseCount = 14;

inline constexpr std::array<int, kReleaseCount> kReleaseYears = {
    2000, 2002, 2004, 2005, 2006, 2007, 2008, 2009, 2010, 2011, 2012, 2013, 2014, 2015};

// One flag per release index, nonzero meaning chosen.
using ReleaseChoices = std::array<int, kReleaseCount>;

constexpr std::optional<int> ReleaseIndexOf(int year) {
  for (int index = 0; index < kReleaseCount; ++index) {
    if (kReleaseYears[static_cast<std::size_t>(index)] == year)
      return index;
  }
  return std::nullopt;
}

// The toolbox ships five builds of its module; each release loads the newest build whose
// year does not exceed its own.
constexpr int ModuleYearFor(int releaseYear) {
  if (releaseYear <= 2002)
    return 2000;
  if (releaseYear <= 2006)
    return 2004;
  if (releaseYear <= 2009)
    return 2008;
  if (releaseYear <= 2012)
    return 2010;
  return 2013;
}

}  // namespace torvek::acad
