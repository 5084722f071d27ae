#include "common/portable/memory_registry.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <unordered_map>

#include "common/text/code_page.h"
#include "common/text/path_split.h"

namespace torvek::portable {

using platform::RegKey;
using platform::WinError;

namespace {

// Not among the codes the core speaks, but what RegCreateKeyA answers to a path that starts
// with a backslash, and RegSetValueExA to data that is null but has a length.
constexpr WinError kErrorBadPathname = 161;
constexpr WinError kErrorNoAccess = 998;

constexpr std::u16string_view kWow6432Node = u"WOW6432NODE";

constexpr std::size_t kMaxDepth = 512;
constexpr std::size_t kMaxNewLevels = 32;

constexpr std::uint32_t kQueryValue = 0x0001;
constexpr std::uint32_t kSetValue = 0x0002;
constexpr std::uint32_t kEnumerateSubKeys = 0x0008;

// The rights a handle gets from the access asked for, generic rights mapped as for keys.
std::uint32_t Rights(std::uint32_t access) {
  constexpr std::uint32_t kGenericRead = 0x80000000u;
  constexpr std::uint32_t kGenericWrite = 0x40000000u;
  constexpr std::uint32_t kGenericExecute = 0x20000000u;
  constexpr std::uint32_t kGenericAll = 0x10000000u;
  constexpr std::uint32_t kMaximumAllowed = 0x02000000u;
  std::uint32_t rights = access & platform::kKeyAllAccess;
  if ((access & (kGenericRead | kGenericExecute)) != 0)
    rights |= platform::kKeyRead;
  if ((access & kGenericWrite) != 0)
    rights |= platform::kKeyWrite;
  if ((access & (kGenericAll | kMaximumAllowed)) != 0)
    rights |= platform::kKeyAllAccess;
  return rights;
}

// The upper case Windows gives a UTF-16 unit, for the letters code page 936 can spell: ASCII,
// pinyin, Greek, Cyrillic, Roman numerals and full-width Latin. Other units stay as they are.
char16_t UpperCase(char16_t c) {
  const auto inRange = [c](char16_t first, char16_t last) { return c >= first && c <= last; };
  const auto pairedUpperEven = [&](char16_t first, char16_t last) {
    return inRange(first, last) && (c & 1) != 0;
  };
  const auto pairedUpperOdd = [&](char16_t first, char16_t last) {
    return inRange(first, last) && (c & 1) == 0;
  };
  if (inRange(u'a', u'z') || (inRange(0xE0, 0xFE) && c != 0xF7) || inRange(0x3B1, 0x3C9) ||
      inRange(0x430, 0x44F) || inRange(0xFF41, 0xFF5A)) {
    return c == 0x3C2 ? char16_t{0x3A3} : static_cast<char16_t>(c - 0x20);
  }
  if (c == 0xFF)
    return 0x178;
  if (inRange(0x450, 0x45F))
    return static_cast<char16_t>(c - 0x50);
  if (inRange(0x2170, 0x217F))
    return static_cast<char16_t>(c - 0x10);
  if ((pairedUpperEven(0x100, 0x137) && c != 0x131) || pairedUpperOdd(0x139, 0x148) ||
      pairedUpperEven(0x14A, 0x177) || pairedUpperOdd(0x179, 0x17E) ||
      pairedUpperOdd(0x1CD, 0x1DC) || pairedUpperEven(0x1F8, 0x1F9) ||
      pairedUpperEven(0x1E00, 0x1E95)) {
    return static_cast<char16_t>(c - 1);
  }
  return c;
}

// What names are compared and sorted by: the name in UTF-16, upper-cased, compared unit by
// unit. Bytes that are not code page 936 text are compared as they are.
std::u16string Fold(std::string_view name) {
  std::u16string wide;
  if (!Cp936ToUtf16(name, wide)) {
    wide.clear();
    for (const unsigned char byte : name)
      wide.push_back(byte);
  }
  for (char16_t& c : wide)
    c = UpperCase(c);
  return wide;
}

bool IsStringType(std::uint32_t type) {
  return type == platform::kRegSz || type == platform::kRegExpandSz ||
         type == platform::kRegMultiSz;
}

// A key path's names; an empty one (a doubled or trailing backslash) is skipped, as Windows
// does, but a leading backslash is refused.
WinError SplitKeyPath(std::string_view path, std::vector<std::string_view>& parts) {
  parts.clear();
  if (StartsWithSeparator(path))
    return kErrorBadPathname;
  parts = SplitPath(path);
  return platform::kErrorSuccess;
}

}  // namespace

struct MemoryRegistry::Node {
  struct Value {
    RegValue value;
    std::u16string folded;
    bool erased = false;
  };

  std::string name;
  std::u16string folded;
  Node* parent = nullptr;
  std::size_t depth = 0;                        // levels below the root key
  std::vector<std::shared_ptr<Node>> children;  // in the order RegEnumKeyExA gives them
  // In the order they were first set. A deleted value stays, erased, until the values are next
  // listed, so that deleting many of them does not move the rest each time.
  std::vector<Value> values;
  std::unordered_map<std::u16string, std::size_t> valueIndex;  // folded name: place in values
  std::size_t erasedValues = 0;
  bool deleted = false;

  Node() = default;
  Node(const Node&) = delete;
  Node& operator=(const Node&) = delete;
  ~Node() { DetachSubtree(); }

  std::vector<std::shared_ptr<Node>>::iterator LowerBound(const std::u16string& key) {
    return std::lower_bound(children.begin(), children.end(), key,
                            [](const std::shared_ptr<Node>& child, const std::u16string& k) {
                              return child->folded < k;
                            });
  }

  std::shared_ptr<Node> Child(std::string_view childName) {
    const std::u16string key = Fold(childName);
    const auto it = LowerBound(key);
    return (it != children.end() && (*it)->folded == key) ? *it : nullptr;
  }

  std::shared_ptr<Node> AddChild(std::string_view childName) {
    auto child = std::make_shared<Node>();
    child->name = std::string(childName);
    child->folded = Fold(childName);
    child->parent = this;
    child->depth = depth + 1;
    children.insert(LowerBound(child->folded), child);
    return child;
  }

  Value* FindValue(std::string_view valueName) {
    const auto it = valueIndex.find(Fold(valueName));
    return it == valueIndex.end() ? nullptr : &values[it->second];
  }

  Value& AddValue(std::string_view valueName) {
    Value& added =
        values.emplace_back(Value{RegValue{std::string(valueName), {}, {}}, Fold(valueName)});
    valueIndex.emplace(added.folded, values.size() - 1);
    return added;
  }

  void EraseValue(Value& value) {
    valueIndex.erase(value.folded);
    value = Value{{}, {}, true};
    ++erasedValues;
  }

  // The values as RegEnumValueA lists them.
  const std::vector<Value>& ListedValues() {
    if (erasedValues != 0) {
      std::erase_if(values, [](const Value& v) { return v.erased; });
      for (std::size_t i = 0; i < values.size(); ++i)
        valueIndex[values[i].folded] = i;
      erasedValues = 0;
    }
    return values;
  }

  // Detaches the key from the tree; handles still open on it or below it see it deleted.
  void MarkDeleted() {
    deleted = true;
    parent = nullptr;
    DetachSubtree();
  }

 private:
  // Takes the keys below apart one level at a time, marked deleted, so that neither this nor
  // their destruction recurses as deep as the tree goes.
  void DetachSubtree() {
    std::vector<std::shared_ptr<Node>> pending = std::move(children);
    children.clear();
    ClearValues();
    while (!pending.empty()) {
      const std::shared_ptr<Node> node = std::move(pending.back());
      pending.pop_back();
      node->deleted = true;
      node->parent = nullptr;
      node->ClearValues();
      for (std::shared_ptr<Node>& child : node->children)
        pending.push_back(std::move(child));
      node->children.clear();
    }
  }

  void ClearValues() {
    values.clear();
    valueIndex.clear();
    erasedValues = 0;
  }
};

MemoryRegistry::MemoryRegistry(RegistryView view)
    : view_(view), localMachine_(std::make_shared<Node>()), currentUser_(std::make_shared<Node>()) {
  localMachine_->name = "HKEY_LOCAL_MACHINE";
  currentUser_->name = "HKEY_CURRENT_USER";
  const auto software = localMachine_->AddChild("SOFTWARE");
  if (view_ == RegistryView::kWow64)
    software->AddChild("Wow6432Node");
}

MemoryRegistry::~MemoryRegistry() = default;

std::shared_ptr<MemoryRegistry::Node> MemoryRegistry::Find(RegKey key) const {
  if (key == platform::kLocalMachine)
    return localMachine_;
  if (key == platform::kCurrentUser)
    return currentUser_;
  const auto it = handles_.find(key);
  return it == handles_.end() ? nullptr : it->second.node;
}

WinError MemoryRegistry::FindLive(RegKey key, std::uint32_t rightsNeeded,
                                  std::shared_ptr<Node>& node) const {
  std::uint32_t rights = platform::kKeyAllAccess;
  if (key == platform::kLocalMachine || key == platform::kCurrentUser) {
    node = Find(key);
  } else {
    const auto it = handles_.find(key);
    if (it == handles_.end())
      return platform::kErrorInvalidHandle;
    node = it->second.node;
    rights = it->second.rights;
  }
  if ((rights & rightsNeeded) != rightsNeeded)
    return platform::kErrorAccessDenied;
  return node->deleted ? platform::kErrorKeyDeleted : platform::kErrorSuccess;
}

WinError MemoryRegistry::Resolve(RegKey parent, const char* subKey, bool applyView, Walk walk,
                                 std::shared_ptr<Node>& found) {
  std::shared_ptr<Node> node;
  if (const WinError error = FindLive(parent, 0, node))
    return error;
  std::vector<std::string_view> parts;
  if (const WinError error = SplitKeyPath(subKey ? subKey : "", parts))
    return error;

  // On a 64-bit machine a 32-bit program that walks into HKLM\SOFTWARE lands in its Wow6432Node,
  // unless the next step names Wow6432Node itself: the literal path reaches the same key.
  const bool redirect = applyView && view_ == RegistryView::kWow64;
  std::vector<std::string_view> steps;
  bool atMachine = node == localMachine_;
  bool atSoftware = node->parent == localMachine_.get() && node->folded == u"SOFTWARE";
  for (const std::string_view part : parts) {
    const std::u16string folded = Fold(part);
    if (redirect && atSoftware && folded != kWow6432Node)
      steps.push_back("Wow6432Node");
    steps.push_back(part);
    atSoftware = atMachine && folded == u"SOFTWARE";
    atMachine = false;
  }
  if (redirect && !parts.empty() && atSoftware)
    steps.push_back("Wow6432Node");

  std::size_t taken = 0;
  for (; taken < steps.size(); ++taken) {
    std::shared_ptr<Node> next = node->Child(steps[taken]);
    if (!next)
      break;
    node = std::move(next);
  }
  if (taken < steps.size()) {
    if (walk == Walk::kOpen)
      return platform::kErrorFileNotFound;
    // Windows' limits: a tree 512 levels deep, and at most 32 levels made by one call. Nothing
    // is made when a path goes past either.
    const std::size_t newLevels = steps.size() - taken;
    if (newLevels > kMaxNewLevels || node->depth + newLevels > kMaxDepth)
      return platform::kErrorFilenameExcedRange;
    for (; taken < steps.size(); ++taken)
      node = node->AddChild(steps[taken]);
  }
  found = std::move(node);
  return platform::kErrorSuccess;
}

WinError MemoryRegistry::Open(RegKey parent, const char* subKey, bool applyView, Walk walk,
                              std::uint32_t access, RegKey& result) {
  std::shared_ptr<Node> node;
  if (const WinError error = Resolve(parent, subKey, applyView, walk, node))
    return error;
  result = nextHandle_;
  nextHandle_ += 4;
  handles_.emplace(result, Handle{std::move(node), Rights(access)});
  return platform::kErrorSuccess;
}

WinError MemoryRegistry::OpenKey(RegKey parent, const char* subKey, RegKey& result) {
  if (subKey == nullptr || *subKey == '\0') {
    // RegOpenKeyA hands the parent back without looking at it, even when it was deleted.
    result = parent;
    return platform::kErrorSuccess;
  }
  const std::lock_guard lock(mutex_);
  return Open(parent, subKey, true, Walk::kOpen, platform::kKeyAllAccess, result);
}

WinError MemoryRegistry::OpenKeyEx(RegKey parent, const char* subKey, std::uint32_t access,
                                   RegKey& result) {
  const std::lock_guard lock(mutex_);
  if ((subKey == nullptr || *subKey == '\0') &&
      (parent == platform::kLocalMachine || parent == platform::kCurrentUser)) {
    result = parent;
    return platform::kErrorSuccess;
  }
  return Open(parent, subKey, true, Walk::kOpen, access, result);
}

WinError MemoryRegistry::CreateKey(RegKey parent, const char* subKey, RegKey& result) {
  const std::lock_guard lock(mutex_);
  return Open(parent, subKey, true, Walk::kCreate, platform::kKeyAllAccess, result);
}

WinError MemoryRegistry::OpenLiteralKey(RegKey parent, const char* subKey, RegKey& result) {
  const std::lock_guard lock(mutex_);
  return Open(parent, subKey, false, Walk::kOpen, platform::kKeyAllAccess, result);
}

WinError MemoryRegistry::CreateLiteralKey(RegKey parent, const char* subKey, RegKey& result) {
  const std::lock_guard lock(mutex_);
  return Open(parent, subKey, false, Walk::kCreate, platform::kKeyAllAccess, result);
}

WinError MemoryRegistry::DeleteKey(RegKey parent, const char* subKey) {
  if (subKey == nullptr)
    return platform::kErrorInvalidParameter;
  const std::lock_guard lock(mutex_);
  std::shared_ptr<Node> node;
  if (const WinError error = Resolve(parent, subKey, true, Walk::kOpen, node))
    return error;
  if (node->parent == nullptr || !node->children.empty())
    return platform::kErrorAccessDenied;
  Node& above = *node->parent;
  above.children.erase(above.LowerBound(node->folded));
  node->MarkDeleted();
  return platform::kErrorSuccess;
}

WinError MemoryRegistry::DeleteLiteralTree(RegKey parent, const char* subKey) {
  const std::lock_guard lock(mutex_);
  std::shared_ptr<Node> node;
  if (const WinError error = Resolve(parent, subKey, false, Walk::kOpen, node))
    return error;
  if (node->parent == nullptr)
    return platform::kErrorAccessDenied;
  Node& above = *node->parent;
  above.children.erase(above.LowerBound(node->folded));
  node->MarkDeleted();
  return platform::kErrorSuccess;
}

WinError MemoryRegistry::QuerySubKeyCount(RegKey key, std::uint32_t& count) {
  const std::lock_guard lock(mutex_);
  std::shared_ptr<Node> node;
  if (const WinError error = FindLive(key, kQueryValue, node))
    return error;
  count = static_cast<std::uint32_t>(node->children.size());
  return platform::kErrorSuccess;
}

WinError MemoryRegistry::EnumKey(RegKey key, std::uint32_t index, char* name,
                                 std::uint32_t& nameLength) {
  std::string found;
  if (const WinError error = EnumKeyName(key, index, found))
    return error;
  if (name == nullptr)
    return platform::kErrorInvalidParameter;
  if (found.size() >= nameLength)
    return platform::kErrorMoreData;
  std::memcpy(name, found.c_str(), found.size() + 1);
  nameLength = static_cast<std::uint32_t>(found.size());
  return platform::kErrorSuccess;
}

WinError MemoryRegistry::EnumKeyName(RegKey key, std::uint32_t index, std::string& name) {
  const std::lock_guard lock(mutex_);
  std::shared_ptr<Node> node;
  if (const WinError error = FindLive(key, kEnumerateSubKeys, node))
    return error;
  if (index >= node->children.size())
    return platform::kErrorNoMoreItems;
  name = node->children[index]->name;
  return platform::kErrorSuccess;
}

WinError MemoryRegistry::QueryValue(RegKey key, const char* valueName, std::uint32_t* type,
                                    std::uint8_t* data, std::uint32_t* dataLength) {
  if (data != nullptr && dataLength == nullptr)
    return platform::kErrorInvalidParameter;
  const std::lock_guard lock(mutex_);
  std::shared_ptr<Node> node;
  if (const WinError error = FindLive(key, kQueryValue, node))
    return error;
  const Node::Value* found = node->FindValue(valueName ? valueName : "");
  if (found == nullptr)
    return platform::kErrorFileNotFound;
  const RegValue& value = found->value;
  if (type != nullptr)
    *type = value.type;
  if (dataLength == nullptr)
    return platform::kErrorSuccess;
  const auto size = static_cast<std::uint32_t>(value.data.size());
  if (data != nullptr) {
    if (size > *dataLength) {
      *dataLength = size;
      return platform::kErrorMoreData;
    }
    std::copy(value.data.begin(), value.data.end(), data);
    if (IsStringType(value.type) && size > 0 && size < *dataLength && data[size - 1] != 0)
      data[size] = 0;
  }
  *dataLength = size;
  return platform::kErrorSuccess;
}

WinError MemoryRegistry::SetValue(RegKey key, const char* valueName, std::uint32_t type,
                                  const std::uint8_t* data, std::uint32_t dataLength) {
  if (data == nullptr && dataLength != 0)
    return kErrorNoAccess;
  const std::lock_guard lock(mutex_);
  std::shared_ptr<Node> node;
  if (const WinError error = FindLive(key, kSetValue, node))
    return error;
  std::uint32_t size = dataLength;
  if (IsStringType(type) && size > 0 && data[size - 1] != 0 && data[size] == 0)
    ++size;
  const std::string_view name = valueName ? valueName : "";
  Node::Value* existing = node->FindValue(name);
  if (existing == nullptr)
    existing = &node->AddValue(name);
  existing->value.type = type;
  existing->value.data.assign(data, data + size);
  return platform::kErrorSuccess;
}

WinError MemoryRegistry::DeleteValue(RegKey key, const char* valueName) {
  const std::lock_guard lock(mutex_);
  std::shared_ptr<Node> node;
  if (const WinError error = FindLive(key, kSetValue, node))
    return error;
  Node::Value* found = node->FindValue(valueName ? valueName : "");
  if (found == nullptr)
    return platform::kErrorFileNotFound;
  node->EraseValue(*found);
  return platform::kErrorSuccess;
}

WinError MemoryRegistry::EnumValue(RegKey key, std::uint32_t index, RegValue& value) {
  const std::lock_guard lock(mutex_);
  std::shared_ptr<Node> node;
  if (const WinError error = FindLive(key, kQueryValue, node))
    return error;
  const std::vector<Node::Value>& values = node->ListedValues();
  if (index >= values.size())
    return platform::kErrorNoMoreItems;
  value = values[index].value;
  return platform::kErrorSuccess;
}

WinError MemoryRegistry::CloseKey(RegKey key) {
  if (key == platform::kLocalMachine || key == platform::kCurrentUser)
    return platform::kErrorSuccess;
  const std::lock_guard lock(mutex_);
  return handles_.erase(key) == 1 ? platform::kErrorSuccess : platform::kErrorInvalidHandle;
}

std::string MemoryRegistry::KeyPath(RegKey key) {
  const std::lock_guard lock(mutex_);
  const std::shared_ptr<Node> node = Find(key);
  if (!node || node->deleted)
    return {};
  std::string path = node->name;
  for (const Node* above = node->parent; above != nullptr; above = above->parent)
    path = above->name + '\\' + path;
  return path;
}

}  // namespace torvek::portable
