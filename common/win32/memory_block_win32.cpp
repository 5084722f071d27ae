#include <windows.h>

#include <utility>

#include "common/platform/memory_block.h"

namespace torvek::platform {

MemoryBlock MemoryBlock::Allocate(std::size_t size, Kind kind) {
  MemoryBlock block;
  if (size == 0)
    return block;
  const UINT flags = kind == Kind::kFixed ? GMEM_FIXED : GMEM_MOVEABLE | GMEM_NODISCARD;
  HGLOBAL handle = GlobalAlloc(flags, size);
  if (handle == nullptr)
    return block;
  block.handle_ = reinterpret_cast<std::uintptr_t>(handle);
  block.size_ = size;
  block.kind_ = kind;
  return block;
}

std::uint8_t* MemoryBlock::Lock() {
  if (handle_ == 0)
    return nullptr;
  return static_cast<std::uint8_t*>(GlobalLock(reinterpret_cast<HGLOBAL>(handle_)));
}

void MemoryBlock::Unlock() {
  if (handle_ != 0)
    GlobalUnlock(reinterpret_cast<HGLOBAL>(handle_));
}

void MemoryBlock::Free() {
  if (handle_ != 0)
    GlobalFree(reinterpret_cast<HGLOBAL>(std::exchange(handle_, 0)));
  size_ = 0;
}

}  // namespace torvek::platform
