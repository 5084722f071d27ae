// What the portable picture loader lets a load take. A GIF's descriptor can claim up to
// 65535 x 65535 pixels in a few bytes, and a recording holds hundreds of frames, so every
// picture's pixels are checked against these bounds before they are allocated: a frame that
// would be too large fails, and so does one that would take the loader's pictures together over
// their budget. The budget is shared with the pictures, which give their bytes back when they
// are released, whichever outlives the other.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <new>

namespace torvek::portable {

struct PictureLimits {
  // Pixels of one picture.
  std::uint64_t maxPicturePixels = std::uint64_t{64} << 20;
  // Bytes of every picture of the loader alive at once (indices, colour tables, pixels).
  std::uint64_t maxLiveBytes = std::uint64_t{512} << 20;
};

// Why the last load gave no picture.
enum class PictureFailure {
  kNone,
  kNoData,         // size 0, or more than the block holds
  kUnknownFormat,  // neither a GIF nor a BMP (a PNG or a JPEG among them)
  kCorrupt,        // the decoder refused it: bad or truncated data, a side of 0
  kTooLarge,       // more pixels than maxPicturePixels, or a side over 65535
  kUnbacked,       // more pixels than the data that follows could ever fill
  kOverBudget,     // the loader's pictures would pass maxLiveBytes
};

class PictureBudget {
 public:
  explicit PictureBudget(std::uint64_t limit) : limit_(limit) {}

  // Takes `bytes` when they fit under the limit.
  bool Take(std::uint64_t bytes) {
    std::uint64_t live = live_.load();
    do {
      if (bytes > limit_ || live > limit_ - bytes)
        return false;
    } while (!live_.compare_exchange_weak(live, live + bytes));
    return true;
  }
  void Give(std::uint64_t bytes) { live_.fetch_sub(bytes); }
  std::uint64_t Live() const { return live_.load(); }

 private:
  const std::uint64_t limit_;
  std::atomic<std::uint64_t> live_{0};
};

// Bytes held against a budget, given back when the holder goes.
class BudgetShare {
 public:
  // The bytes, when they fit; else a share that holds nothing.
  static BudgetShare Take(const std::shared_ptr<PictureBudget>& budget, std::uint64_t bytes) {
    BudgetShare share;
    if (budget->Take(bytes)) {
      share.budget_ = budget;
      share.bytes_ = bytes;
    }
    return share;
  }

  BudgetShare() = default;
  ~BudgetShare() {
    if (budget_ != nullptr)
      budget_->Give(bytes_);
  }
  BudgetShare(BudgetShare&& other) noexcept
      : budget_(std::move(other.budget_)), bytes_(other.bytes_) {}
  BudgetShare(const BudgetShare&) = delete;
  BudgetShare& operator=(const BudgetShare&) = delete;
  BudgetShare& operator=(BudgetShare&& other) noexcept {
    if (this != &other) {
      if (budget_ != nullptr)
        budget_->Give(bytes_);
      budget_ = std::move(other.budget_);
      bytes_ = other.bytes_;
    }
    return *this;
  }

  bool IsHeld() const { return budget_ != nullptr; }

 private:
  std::shared_ptr<PictureBudget> budget_;
  std::uint64_t bytes_ = 0;
};

// `count` elements of T, held against `budget` by `share`; null, with nothing held, when they
// would pass the budget or cannot be had.
template <typename T>
std::unique_ptr<T[]> AllocateWithin(const std::shared_ptr<PictureBudget>& budget,
                                    std::uint64_t count, BudgetShare& share) {
  BudgetShare taken = BudgetShare::Take(budget, count * sizeof(T));
  if (!taken.IsHeld())
    return nullptr;
  std::unique_ptr<T[]> elements(new (std::nothrow) T[count]);
  if (elements != nullptr)
    share = std::move(taken);
  return elements;
}

}  // namespace torvek::portable
