// The same resource list reaches a program both ways: as PE resources compiled by windres and
// as the table generated for a native build.
#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "tests/contract/resources_under_test.h"

namespace torvek {
namespace {

std::string_view AsText(std::span<const std::uint8_t> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

TEST(Resources, FindsNamedAndNumberedTypesByteForByte) {
  std::unique_ptr<platform::Resources> resources = contract::MakeResourcesUnderTest();
  // Names of resource types are matched without case, as FindResourceA does.
  EXPECT_EQ(AsText(resources->Find(platform::NamedResourceType("gif"), 130)),
            reinterpret_cast<const char*>(u8"GIF89a stand-in: 结构工具箱\n"));
  EXPECT_EQ(AsText(resources->Find(platform::ResourceType{10, nullptr}, 7)), "raw data\n");
  EXPECT_TRUE(resources->Find(platform::NamedResourceType("GIF"), 131).empty());
  EXPECT_TRUE(resources->Find(platform::ResourceType{10, nullptr}, 130).empty());
}

}  // namespace
}  // namespace torvek
