#include "harvest/phrase_text_arena.h"

#include <atomic>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace longtail {

PhraseTextArena::Place PhraseTextArena::Add(std::string_view text) {
  if (text.size() > std::numeric_limits<std::uint32_t>::max())
    throw std::length_error("PhraseTextArena: phrase too long");
  if (blocks_.empty() || lastCapacity_ - lastFill_ < text.size()) {
    if (blocks_.size() >= std::numeric_limits<std::uint32_t>::max())
      throw std::length_error("PhraseTextArena: too many blocks");
    lastCapacity_ = std::max(kBlockSize, text.size());
    blocks_.push_back(std::shared_ptr<char[]>(new char[lastCapacity_]));
    lastFill_ = 0;
  }
  Place place{static_cast<std::uint32_t>(blocks_.size() - 1),
              static_cast<std::uint32_t>(lastFill_)};
  if (!text.empty()) std::memcpy(blocks_.back().get() + lastFill_, text.data(), text.size());
  lastFill_ += text.size();
  usedBytes_ += text.size();
  return place;
}

void PhraseTextArena::TakeBackIfLast(Place place, std::uint32_t length) {
  if (blocks_.empty() || place.block != blocks_.size() - 1 ||
      place.offset + std::size_t{length} != lastFill_ || blocks_.back().use_count() > 1) {
    Forget(length);
    return;
  }
  // A snapshot that let go on another thread read these bytes before we write them again.
  std::atomic_thread_fence(std::memory_order_acquire);
  lastFill_ = place.offset;
  usedBytes_ -= length;
}

void PhraseTextArena::Clear() {
  blocks_.clear();
  lastFill_ = lastCapacity_ = usedBytes_ = unusedBytes_ = 0;
}

PhraseTextArena::Snapshot PhraseTextArena::Share() const {
  Snapshot snapshot;
  snapshot.blocks_.assign(blocks_.begin(), blocks_.end());
  return snapshot;
}

}  // namespace longtail
