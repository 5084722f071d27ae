#include <cstdlib>
#include <utility>

#include "common/platform/memory_block.h"

namespace torvek::platform {

MemoryBlock MemoryBlock::Allocate(std::size_t size, Kind kind) {
  MemoryBlock block;
  if (size == 0)
    return block;
  void* memory = std::malloc(size);
  if (memory == nullptr)
    return block;
  block.handle_ = reinterpret_cast<std::uintptr_t>(memory);
  block.size_ = size;
  block.kind_ = kind;
  return block;
}

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

std::uint8_t* MemoryBlock::Lock() {
  return reinterpret_cast<std::uint8_t*>(handle_);
}

void MemoryBlock::Unlock() {}

std::uintptr_t MemoryBlock::Release() {
  size_ = 0;
  return std::exchange(handle_, 0);
}

void MemoryBlock::Free() {
  std::free(reinterpret_cast<void*>(std::exchange(handle_, 0)));
  size_ = 0;
}

}  // namespace torvek::platform
