// Resources of the running program, found by type and id: PE resources on Windows, a table
// compiled into the program elsewhere.
#pragma once

#include <cstdint>
#include <span>

namespace torvek::platform {

// A resource type is a number (RT_DIALOG is 5) or a name ("GIF").
struct ResourceType {
  std::uint16_t number = 0;
  const char* name = nullptr;
};

inline constexpr ResourceType kResourceIcon{3, nullptr};
inline constexpr ResourceType kResourceDialog{5, nullptr};
inline constexpr ResourceType kResourceGroupIcon{14, nullptr};
inline constexpr ResourceType NamedResourceType(const char* name) {
  return {0, name};
}

class Resources {
 public:
  virtual ~Resources() = default;
  // The resource's bytes, valid while the program runs; empty when there is none.
  virtual std::span<const std::uint8_t> Find(ResourceType type, std::uint16_t id) = 0;
};

}  // namespace torvek::platform
