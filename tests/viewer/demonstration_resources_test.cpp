// The demonstrations reach a program as its resources, byte for byte, beside the program's
// own: PE resources from two .rc files on Windows, one embedded table natively.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "common/platform/resources.h"
#ifdef _WIN32
#include "common/win32/win32_resources.h"
#else
#include "common/portable/embedded_resources.h"
#include "common/portable/program_resources.h"
#endif

namespace torvek {
namespace {

std::unique_ptr<platform::Resources> ProgramResources() {
#ifdef _WIN32
  return win32::MakeResources();
#else
  return std::make_unique<portable::EmbeddedResources>(portable::ProgramResources());
#endif
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(DemonstrationResources, EveryGifIsTheGeneratedFileBesideTheProgramsOwn) {
  const char* dir = std::getenv("TORVEK_DEMONSTRATION_DIR");
  ASSERT_NE(dir, nullptr);
  std::unique_ptr<platform::Resources> resources = ProgramResources();
  for (int id : {133, 134, 135, 136, 137, 138, 139, 140, 141, 143, 144}) {
    SCOPED_TRACE(id);
    const std::vector<std::uint8_t> file =
        ReadFile(std::string(dir) + "/" + std::to_string(id) + ".gif");
    ASSERT_GT(file.size(), 1000u);
    const std::span<const std::uint8_t> found =
        resources->Find(platform::NamedResourceType("GIF"), static_cast<std::uint16_t>(id));
    EXPECT_TRUE(std::equal(found.begin(), found.end(), file.begin(), file.end()));
  }
  EXPECT_TRUE(resources->Find(platform::NamedResourceType("GIF"), 142).empty());
  const std::span<const std::uint8_t> own = resources->Find(platform::ResourceType{10, nullptr}, 9);
  EXPECT_EQ(std::string(own.begin(), own.end()), "a resource of the program's own\n");
}

}  // namespace
}  // namespace torvek
