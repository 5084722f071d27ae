#include "common/portable/embedded_resources.h"

#include "common/text/cp936_text.h"

namespace torvek::portable {

std::span<const std::uint8_t> EmbeddedResources::Find(platform::ResourceType type,
                                                      std::uint16_t id) {
  for (const EmbeddedResource& entry : table_) {
    if (entry.id != id)
      continue;
    // Resource type names are compared without case, as FindResourceA does.
    const bool sameType =
        type.name != nullptr
            ? (entry.typeName != nullptr && EqualsNoCase(entry.typeName, type.name))
            : (entry.typeName == nullptr && entry.typeNumber == type.number);
    if (sameType)
      return {entry.data, entry.size};
  }
  return {};
}

}  // namespace torvek::portable
