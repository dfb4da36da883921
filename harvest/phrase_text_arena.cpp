#include "harvest/phrase_text_arena.h"

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
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(lastCapacity_));
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
      place.offset + std::size_t{length} != lastFill_) {
    Forget(length);
    return;
  }
  lastFill_ = place.offset;
  usedBytes_ -= length;
}

void PhraseTextArena::Clear() {
  blocks_.clear();
  lastFill_ = lastCapacity_ = usedBytes_ = unusedBytes_ = 0;
}

}  // namespace longtail
