#pragma once
// The text of a list's phrases, packed end to end in large blocks: one heap allocation per
// block instead of one per phrase, and no per-phrase header. Text is only ever appended;
// a phrase is found again by the place Add() returned. Blocks are shared with snapshots,
// which read only text added before they were taken, so appending never disturbs them.

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace longtail {

class PhraseTextArena {
 public:
  struct Place {
    std::uint32_t block = 0;
    std::uint32_t offset = 0;
  };

  // The blocks as they are now; kept alive by the snapshot after the arena lets go of them.
  class Snapshot {
   public:
    std::string_view View(Place place, std::uint32_t length) const {
      return {blocks_[place.block].get() + place.offset, length};
    }

   private:
    friend class PhraseTextArena;
    std::vector<std::shared_ptr<const char[]>> blocks_;
  };

  Place Add(std::string_view text);
  std::string_view View(Place place, std::uint32_t length) const {
    return {blocks_[place.block].get() + place.offset, length};
  }
  // Gives back the space of the text added last, when `place` is still at the arena's end
  // and no snapshot may still read it.
  void TakeBackIfLast(Place place, std::uint32_t length);
  void Clear();
  Snapshot Share() const;
  // Bytes held by phrases that are no longer listed (the caller tells which).
  void Forget(std::uint32_t length) { unusedBytes_ += length; }
  std::size_t UnusedBytes() const { return unusedBytes_; }
  std::size_t UsedBytes() const { return usedBytes_; }

 private:
  static constexpr std::size_t kBlockSize = 256 * 1024;

  std::vector<std::shared_ptr<char[]>> blocks_;
  std::size_t lastFill_ = 0;      // bytes used in the last block
  std::size_t lastCapacity_ = 0;  // its size (larger than kBlockSize for a huge phrase)
  std::size_t usedBytes_ = 0;
  std::size_t unusedBytes_ = 0;
};

}  // namespace longtail
