#include "harvest/folded_index.h"

#include <sys/mman.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>
#include <utility>

namespace longtail {

std::unique_ptr<FoldedIndex::Slot[], FoldedIndex::Free> FoldedIndex::AllocateEmpty(
    std::size_t slotCount) {
  constexpr std::size_t kHugePage = 2u << 20;
  const std::size_t bytes = slotCount * sizeof(Slot);
  void* p = bytes >= kHugePage ? std::aligned_alloc(kHugePage, bytes) : std::malloc(bytes);
  if (!p) throw std::bad_alloc();
  if (bytes >= kHugePage) madvise(p, bytes, MADV_HUGEPAGE);  // a hint; fine if refused
  std::memset(p, 0xFF, bytes);                               // every item kEmpty
  return std::unique_ptr<Slot[], Free>(static_cast<Slot*>(p));
}

void FoldedIndex::Clear() {
  slots_.reset();
  slotCount_ = 0;
  mask_ = 0;
  shift_ = 64;
  size_ = 0;
}

void FoldedIndex::Reserve(std::size_t count) {
  // At most half full: probes stay short even for absent phrases.
  const std::size_t wanted = std::bit_ceil(std::max<std::size_t>(16, count * 2));
  if (wanted > slotCount_) Rehash(wanted);
}

void FoldedIndex::Rehash(std::size_t slotCount) {
  std::unique_ptr<Slot[], Free> old = AllocateEmpty(slotCount);
  std::swap(old, slots_);
  const std::size_t oldCount = std::exchange(slotCount_, slotCount);
  mask_ = slotCount - 1;
  shift_ = 64 - std::countr_zero(slotCount);
  for (std::size_t i = 0; i < oldCount; ++i)
    if (old[i].item != kEmpty) Place(old[i]);
}

void FoldedIndex::Place(Slot slot) {
  std::size_t i = Home(slot.hash);
  while (slots_[i].item != kEmpty) i = (i + 1) & mask_;
  slots_[i] = slot;
}

void FoldedIndex::Add(std::uint32_t item, std::uint32_t hash) {
  if (item == kEmpty) throw std::length_error("FoldedIndex: too many items");
  if ((size_ + 1) * 2 > slotCount_) Reserve(std::max<std::size_t>(size_ + 1, slotCount_));
  Place({item, hash});
  ++size_;
}

void FoldedIndex::Remove(std::uint32_t item, std::uint32_t hash) {
  if (slotCount_ == 0) return;
  std::size_t hole = Home(hash);
  while (slots_[hole].item != item) {
    if (slots_[hole].item == kEmpty) return;
    hole = (hole + 1) & mask_;
  }
  // Backward-shift deletion: pull later entries of the run into the hole when their home
  // lies at or before it, so no probe ever stops early at an empty slot.
  for (std::size_t next = (hole + 1) & mask_; slots_[next].item != kEmpty;
       next = (next + 1) & mask_) {
    const std::size_t home = Home(slots_[next].hash);
    const bool homeAfterHole =
        hole <= next ? (home > hole && home <= next) : (home > hole || home <= next);
    if (homeAfterHole) continue;
    slots_[hole] = slots_[next];
    hole = next;
  }
  slots_[hole] = Slot{};
  --size_;
}

void FoldedIndex::Shift(std::uint32_t from, int delta) {
  for (Slot& s : *this)
    if (s.item != kEmpty && s.item >= from) s.item = static_cast<std::uint32_t>(s.item + delta);
}

}  // namespace longtail
