// Finding the AutoCAD installations in the registry. Each subkey of a root is one release key;
// below it, the value "AcadLocation" gives the install location and the key holding
// "ProductName" is the product key, whose name tells the release by the year it contains.
#include <algorithm>
#include <cstring>
#include <vector>

#include "installer/acad/acad_install_table.h"

namespace torvek::acad {

namespace {

// Registry key names are at most 255 characters; value data is read into as much.
constexpr std::uint32_t kNameBufferSize = 256;
constexpr std::uint32_t kValueBufferSize = 256;

// The release whose year text stands in the product name at position 1 or later; the first
// one in the given order wins. A name that begins with the year matches nothing.
int MatchRelease(const std::string& productName, const std::vector<int>& recognised) {
  for (int release : recognised) {
    const std::string year = std::to_string(kReleaseYears[static_cast<std::size_t>(release)]);
    const std::size_t at = productName.find(year);
    if (at != std::string::npos && at >= 1)
      return release;
  }
  return -1;
}

}  // namespace

void AcadInstallTable::DiscoverAcadInstallations() {
  // Only 2006 and 2008 are looked for below Wow6432Node; every release below the plain root.
  ScanAcadRoot("SOFTWARE\\Wow6432Node\\Autodesk\\AutoCAD", {4, 6});
  std::vector<int> all(kReleaseCount);
  for (int release = 0; release < kReleaseCount; ++release) {
    all[static_cast<std::size_t>(release)] = release;
  }
  ScanAcadRoot("SOFTWARE\\Autodesk\\AutoCAD", all);
}

void AcadInstallTable::ScanAcadRoot(const char* rootPath,
                                    const std::vector<int>& recognisedReleases) {
  platform::RegKey machine = platform::kNoKey;
  if (registry_.OpenKey(platform::kLocalMachine, nullptr, machine) != platform::kErrorSuccess) {
    return;
  }
  platform::RegKey root = platform::kNoKey;
  if (registry_.OpenKeyEx(machine, rootPath, platform::kKeyRead, root) != platform::kErrorSuccess) {
    registry_.CloseKey(machine);
    return;
  }
  std::uint32_t releaseKeyCount = 0;
  if (registry_.QuerySubKeyCount(root, releaseKeyCount) != platform::kErrorSuccess) {
    releaseKeyCount = 0;
  }
  for (std::uint32_t i = 0; i < releaseKeyCount; ++i) {
    char name[kNameBufferSize] = {};
    std::uint32_t nameLength = kNameBufferSize;
    if (registry_.EnumKey(root, i, name, nameLength) != platform::kErrorSuccess)
      continue;
    platform::RegKey releaseKey = platform::kNoKey;
    if (registry_.OpenKeyEx(root, name, platform::kKeyRead, releaseKey) !=
        platform::kErrorSuccess) {
      continue;
    }

    soughtValueName_ = "AcadLocation";
    found_ = false;
    FindValueInTree(releaseKey, "");
    const bool locationFound = found_;
    const std::string location = lastFoundValue_;

    soughtValueName_ = "ProductName";
    found_ = false;
    FindValueInTree(releaseKey, "");
    const bool productFound = found_;
    const std::string productName = lastFoundValue_;

    if (locationFound && productFound) {
      const int release = MatchRelease(productName, recognisedReleases);
      if (release >= 0) {
        Record(release, lastFoundKey_, location);
        lastFoundKey_ = platform::kNoKey;  // the table owns it now
      }
    }
    DropLastFoundKey();
    registry_.CloseKey(releaseKey);
  }
  registry_.CloseKey(root);
  registry_.CloseKey(machine);
}

// Depth first, each key before its subkeys; a key that holds the value is the last one looked
// at below it. The keys being walked are kept on a stack of their own, not the program's: a
// tree of any depth (Wine sets no limit) costs memory, never the stack.
void AcadInstallTable::FindValueInTree(platform::RegKey parent, const char* name) {
  struct OpenKey {
    platform::RegKey key;
    std::uint32_t subKeyCount;
    std::uint32_t next;
  };
  std::vector<OpenKey> open;
  char subKeyName[kNameBufferSize] = {};
  const char* childName = name;
  platform::RegKey from = parent;
  for (;;) {
    platform::RegKey key = platform::kNoKey;
    if (childName != nullptr &&
        registry_.OpenKeyEx(from, childName, platform::kKeyRead, key) == platform::kErrorSuccess) {
      if (HoldsSoughtValue(key)) {
        // The earlier find is overwritten and never used again.
        DropLastFoundKey();
        lastFoundKey_ = key;
      } else {
        std::uint32_t subKeyCount = 0;
        if (registry_.QuerySubKeyCount(key, subKeyCount) != platform::kErrorSuccess)
          subKeyCount = 0;
        open.push_back({key, subKeyCount, 0});
      }
    }
    // The next subkey to look at: the next one of the deepest key that has one left.
    childName = nullptr;
    while (!open.empty() && childName == nullptr) {
      OpenKey& at = open.back();
      if (at.next == at.subKeyCount) {
        registry_.CloseKey(at.key);
        open.pop_back();
        continue;
      }
      std::uint32_t nameLength = kNameBufferSize;
      if (registry_.EnumKey(at.key, at.next++, subKeyName, nameLength) == platform::kErrorSuccess) {
        childName = subKeyName;
        from = at.key;
      }
    }
    if (childName == nullptr)
      return;
  }
}

bool AcadInstallTable::HoldsSoughtValue(platform::RegKey key) {
  std::uint8_t data[kValueBufferSize] = {};
  std::uint32_t dataLength = kValueBufferSize;
  std::uint32_t type = 0;
  // Whatever its type, the data is taken as text; data longer than the buffer is not there.
  if (registry_.QueryValue(key, soughtValueName_.c_str(), &type, data, &dataLength) !=
      platform::kErrorSuccess) {
    return false;
  }
  found_ = true;
  const auto* text = reinterpret_cast<const char*>(data);
  const std::size_t length = std::min<std::size_t>(dataLength, kValueBufferSize);
  const void* zero = std::memchr(text, '\0', length);
  lastFoundValue_.assign(text, zero != nullptr ? static_cast<const char*>(zero) : text + length);
  return true;
}

}  // namespace torvek::acad
