// A block of global memory, as OLE's streams take it: on Windows an HGLOBAL from GlobalAlloc,
// elsewhere the heap. A fixed block is addressed directly; a moveable one (the copy of a
// resource) is locked while it is read. The block is freed with the object unless a stream has
// taken it over (Release).
#pragma once

#include <cstddef>
#include <cstdint>

namespace torvek::platform {

class MemoryBlock {
 public:
  enum class Kind { kFixed, kMoveable };

  MemoryBlock() = default;
  // GlobalAlloc with GMEM_FIXED, or GMEM_MOVEABLE | GMEM_NODISCARD. An invalid block when the
  // memory cannot be had, or when `size` is 0.
  static MemoryBlock Allocate(std::size_t size, Kind kind);
  ~MemoryBlock();
  MemoryBlock(MemoryBlock&& other) noexcept;
  MemoryBlock& operator=(MemoryBlock&& other) noexcept;
  MemoryBlock(const MemoryBlock&) = delete;
  MemoryBlock& operator=(const MemoryBlock&) = delete;

  bool IsValid() const { return handle_ != 0; }
  std::size_t Size() const { return size_; }
  Kind BlockKind() const { return kind_; }

  // GlobalLock: the bytes, or null when the block is invalid or cannot be locked. Every Lock
  // is matched by an Unlock.
  std::uint8_t* Lock();
  void Unlock();

  // The HGLOBAL on Windows; an opaque value elsewhere.
  std::uintptr_t Handle() const { return handle_; }
  // Gives the block up to a new owner (a stream that frees it); the object is left invalid.
  std::uintptr_t Release();

 private:
  void Free();

  std::uintptr_t handle_ = 0;
  std::size_t size_ = 0;
  Kind kind_ = Kind::kFixed;
};

}  // namespace torvek::platform
