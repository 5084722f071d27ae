// What a block's ownership does is the same on every platform; only getting and freeing the
// memory differ, in memory_block_portable.cpp and memory_block_win32.cpp.
#include "common/platform/memory_block.h"

#include <utility>

namespace torvek::platform {

MemoryBlock::~MemoryBlock() {
  Free();
}

MemoryBlock::MemoryBlock(MemoryBlock&& other) noexcept
    : handle_(std::exchange(other.handle_, 0)),
      size_(std::exchange(other.size_, 0)),
      kind_(other.kind_) {}

MemoryBlock& MemoryBlock::operator=(MemoryBlock&& other) noexcept {
  if (this != &other) {
    Free();
    handle_ = std::exchange(other.handle_, 0);
    size_ = std::exchange(other.size_, 0);
    kind_ = other.kind_;
  }
  return *this;
}

std::uintptr_t MemoryBlock::Release() {
  size_ = 0;
  return std::exchange(handle_, 0);
}

}  // namespace torvek::platform
