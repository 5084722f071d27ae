// The features the demonstration dialog lists, in the list's order: the command's name, the id
// of its recorded demonstration (a resource of type "GIF") and a line that describes it.
#pragma once

#include <array>
#include <cstdint>

namespace torvek::viewer {

struct FeatureRow {
  const char* name;
  std::uint16_t gifId;
  const char* description;
};

extern const std::array<FeatureRow, 11> kFeatureCatalogue;

}  // namespace torvek::viewer
