#pragma once
// Open-addressing hash index of a list's item numbers (linear probing). Each slot holds an
// item number and that item's hash, so a probe compares text only on a full hash match.
// The index knows nothing of the text: lookups take a predicate that compares an item.
// Item numbers are positions, so removing or inserting items renumbers the index.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace longtail {

class FoldedIndex {
 public:
  void Clear();
  // Makes room for `count` entries without growing again.
  void Reserve(std::size_t count);
  void Add(std::uint32_t item, std::uint32_t hash);
  // Removes the entry of `item`, which must be present with `hash`.
  void Remove(std::uint32_t item, std::uint32_t hash);

  // Smallest item with `hash` for which `matches(item)` holds, or -1.
  template <typename Matches>
  std::int64_t FindFirst(std::uint32_t hash, Matches&& matches) const;
  template <typename Matches>
  bool Contains(std::uint32_t hash, Matches&& matches) const;
  // Adds `item` unless an entry with `hash` matches, in one probe; true when added.
  template <typename Matches>
  bool AddIfAbsent(std::uint32_t item, std::uint32_t hash, Matches&& matches);

  // Every item number at or above `from` moves by `delta` (+1 or -1).
  void Shift(std::uint32_t from, int delta);
  // Replaces every item number by `renumber(item)`.
  template <typename Renumber>
  void RenumberAll(Renumber&& renumber);

  std::size_t Size() const { return size_; }
  std::size_t SlotBytes() const { return slotCount_ * sizeof(Slot); }

 private:
  static constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;
  struct Slot {
    std::uint32_t item = kEmpty;
    std::uint32_t hash = 0;
  };
  std::size_t Home(std::uint32_t hash) const {
    // Fibonacci hashing spreads the bits of any hash over the table.
    return static_cast<std::size_t>((hash * 0x9E3779B97F4A7C15ull) >> shift_);
  }
  void Rehash(std::size_t slotCount);
  void Place(Slot slot);
  Slot* begin() const { return slots_.get(); }
  Slot* end() const { return slots_.get() + slotCount_; }

  struct Free {
    void operator()(Slot* p) const { std::free(p); }
  };
  // Large tables sit on huge pages where the system allows it: lookups land at random
  // places, and a page-table walk per lookup would cost as much as the lookup itself.
  static std::unique_ptr<Slot[], Free> AllocateEmpty(std::size_t slotCount);

  std::unique_ptr<Slot[], Free> slots_;
  std::size_t slotCount_ = 0;
  std::size_t mask_ = 0;
  int shift_ = 64;
  std::size_t size_ = 0;
};

template <typename Matches>
std::int64_t FoldedIndex::FindFirst(std::uint32_t hash, Matches&& matches) const {
  if (slotCount_ == 0) return -1;
  std::int64_t first = -1;
  for (std::size_t i = Home(hash);; i = (i + 1) & mask_) {
    const Slot& s = slots_[i];
    if (s.item == kEmpty) return first;
    if (s.hash == hash && (first < 0 || s.item < first) && matches(s.item)) first = s.item;
  }
}

template <typename Matches>
bool FoldedIndex::Contains(std::uint32_t hash, Matches&& matches) const {
  if (slotCount_ == 0) return false;
  for (std::size_t i = Home(hash);; i = (i + 1) & mask_) {
    const Slot& s = slots_[i];
    if (s.item == kEmpty) return false;
    if (s.hash == hash && matches(s.item)) return true;
  }
}

template <typename Matches>
bool FoldedIndex::AddIfAbsent(std::uint32_t item, std::uint32_t hash, Matches&& matches) {
  if (item == kEmpty) throw std::length_error("FoldedIndex: too many items");
  if ((size_ + 1) * 2 > slotCount_) Reserve(std::max<std::size_t>(size_ + 1, slotCount_));
  std::size_t i = Home(hash);
  for (; slots_[i].item != kEmpty; i = (i + 1) & mask_)
    if (slots_[i].hash == hash && matches(slots_[i].item)) return false;
  slots_[i] = Slot{item, hash};
  ++size_;
  return true;
}

template <typename Renumber>
void FoldedIndex::RenumberAll(Renumber&& renumber) {
  for (Slot& s : *this)
    if (s.item != kEmpty) s.item = renumber(s.item);
}

}  // namespace longtail
