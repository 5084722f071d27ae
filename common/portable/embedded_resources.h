// Resources compiled into a native program as a table (see torvek_embed_resources in CMake).
#pragma once

#include <cstdint>
#include <span>

#include "common/platform/resources.h"

namespace torvek::portable {

struct EmbeddedResource {
  std::uint16_t typeNumber;  // zero when the type has a name
  const char* typeName;      // null when the type is a number
  std::uint16_t id;
  const std::uint8_t* data;
  std::size_t size;
};

class EmbeddedResources : public platform::Resources {
 public:
  explicit EmbeddedResources(std::span<const EmbeddedResource> table) : table_(table) {}
  std::span<const std::uint8_t> Find(platform::ResourceType type, std::uint16_t id) override;

 private:
  std::span<const EmbeddedResource> table_;
};

}  // namespace torvek::portable
