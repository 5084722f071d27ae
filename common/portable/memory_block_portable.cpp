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

std::uint8_t* MemoryBlock::Lock() {
  return reinterpret_cast<std::uint8_t*>(handle_);
}

void MemoryBlock::Unlock() {}

void MemoryBlock::Free() {
  std::free(reinterpret_cast<void*>(std::exchange(handle_, 0)));
  size_ = 0;
}

}  // namespace torvek::platform
