#include "harvest/phrase_list.h"

#include <bit>
#include <limits>
#include <stdexcept>

#include "text/ascii_case.h"

namespace longtail {

namespace {

std::uint32_t FoldedHash(std::string_view phrase) {
  const std::uint64_t h = HashIgnoringAsciiCase(phrase);
  return static_cast<std::uint32_t>(h ^ (h >> 32));
}

// Bulk removals above this share of the list rebuild the index from the cached hashes in
// one pass; smaller ones remove their entries one by one and renumber the rest.
bool IsLargeShare(std::size_t removed, std::size_t count) {
  return removed * 8 > count;
}

// Number of marked positions below each position, from a bit set with per-word counts.
class RemovedBefore {
 public:
  explicit RemovedBefore(const std::vector<char>& dropped)
      : bits_((dropped.size() + 63) / 64), before_(bits_.size()) {
    for (std::size_t i = 0; i < dropped.size(); ++i)
      if (dropped[i]) bits_[i / 64] |= std::uint64_t{1} << (i % 64);
    std::uint32_t total = 0;
    for (std::size_t w = 0; w < bits_.size(); ++w) {
      before_[w] = total;
      total += static_cast<std::uint32_t>(std::popcount(bits_[w]));
    }
  }
  std::uint32_t operator()(std::uint32_t item) const {
    const std::uint64_t below = (std::uint64_t{1} << (item % 64)) - 1;
    return before_[item / 64] + static_cast<std::uint32_t>(std::popcount(bits_[item / 64] & below));
  }

 private:
  std::vector<std::uint64_t> bits_;
  std::vector<std::uint32_t> before_;
};

}  // namespace

template <typename Renumber>
void PhraseList::RenumberParents(Renumber&& renumber) {
  // Only records whose parent moves are written, so chunks a snapshot shares stay shared.
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const std::uint32_t parent = entries_[i].origin.parent;
    if (parent == PhraseOrigin::kNoParent) continue;
    const std::uint32_t renumbered = renumber(parent);
    if (renumbered != parent) entries_.Mutable(i).origin.parent = renumbered;
  }
}

std::string_view PhraseList::View(int index) const {
  return Text(entries_[CheckedIndex(index)]);
}

std::vector<std::string> PhraseList::Items() const {
  std::vector<std::string> out;
  out.reserve(entries_.size());
  for (std::size_t i = 0; i < entries_.size(); ++i) out.emplace_back(Text(entries_[i]));
  return out;
}

PhraseList::Snapshot PhraseList::Share() const {
  Snapshot snapshot;
  snapshot.entries_ = entries_.Share();
  snapshot.text_ = arena_.Share();
  return snapshot;
}

std::vector<std::string> PhraseList::Snapshot::Items() const {
  std::vector<std::string> out;
  out.reserve(entries_.size());
  for (int i = 0; i < Count(); ++i) out.emplace_back(View(i));
  return out;
}

PhraseList::Entry PhraseList::Store(std::string_view phrase, std::uint32_t hash) {
  if (entries_.size() >= static_cast<std::size_t>(std::numeric_limits<int>::max()))
    throw std::length_error("PhraseList: too many items");
  const PhraseTextArena::Place place = arena_.Add(phrase);
  return Entry{place, static_cast<std::uint32_t>(phrase.size()), hash, {}};
}

bool PhraseList::Matches(std::uint32_t item, std::string_view phrase) const {
  return EqualsIgnoringAsciiCase(Text(entries_[item]), phrase);
}

void PhraseList::Append(std::string_view phrase) {
  const Entry e = Store(phrase, FoldedHash(phrase));
  index_.Add(static_cast<std::uint32_t>(entries_.size()), e.hash);
  entries_.push_back(e);
  selected_.push_back(0);
  Changed();
}

bool PhraseList::AppendIfAbsent(std::string_view phrase) {
  const std::uint32_t hash = FoldedHash(phrase);
  const auto item = static_cast<std::uint32_t>(entries_.size());
  if (!index_.AddIfAbsent(item, hash, [&](std::uint32_t i) { return Matches(i, phrase); }))
    return false;
  Entry e;
  try {
    e = Store(phrase, hash);
  } catch (...) {
    index_.Remove(item, hash);
    throw;
  }
  entries_.push_back(e);
  selected_.push_back(0);
  Changed();
  return true;
}

void PhraseList::Insert(int index, std::string_view phrase) {
  if (index < 0 || index > Count()) throw std::out_of_range("PhraseList::Insert");
  const Entry e = Store(phrase, FoldedHash(phrase));
  const auto at = static_cast<std::uint32_t>(index);
  if (index < Count()) index_.Shift(at, +1);
  index_.Add(at, e.hash);
  if (at <= highestParent_) {
    RenumberParents([at](std::uint32_t parent) { return parent >= at ? parent + 1 : parent; });
    ++highestParent_;
  }
  entries_.insert(static_cast<std::size_t>(index), e);
  selected_.insert(selected_.begin() + index, 0);
  if (itemIndex_ >= index) ++itemIndex_;
  ++editCount_;
  Changed();
}

void PhraseList::Delete(int index) {
  if (index < 0 || index >= Count()) throw std::out_of_range("PhraseList::Delete");
  const auto at = static_cast<std::size_t>(index);
  const Entry e = entries_[at];
  index_.Remove(static_cast<std::uint32_t>(at), e.hash);
  if (index + 1 < Count()) index_.Shift(static_cast<std::uint32_t>(at + 1), -1);
  arena_.TakeBackIfLast(e.place, e.length);
  if (selected_[at]) --selectedCount_;
  entries_.erase(at);
  selected_.erase(selected_.begin() + index);
  const auto gone = static_cast<std::uint32_t>(at);
  if (gone <= highestParent_)
    RenumberParents([gone](std::uint32_t parent) {
      return parent == gone ? PhraseOrigin::kNoParent : parent > gone ? parent - 1 : parent;
    });
  if (itemIndex_ == index)
    itemIndex_ = -1;
  else if (itemIndex_ > index)
    --itemIndex_;
  CompactTextIfWasteful();
  ++editCount_;
  Changed();
}

void PhraseList::Clear() {
  highestParent_ = -1;
  entries_.clear();
  selected_ = {};
  arena_.Clear();
  index_.Clear();
  selectedCount_ = 0;
  itemIndex_ = -1;
  ++editCount_;
  Changed();
}

bool PhraseList::ContainsExact(std::string_view phrase) const {
  return index_.Contains(FoldedHash(phrase),
                         [&](std::uint32_t item) { return Matches(item, phrase); });
}

int PhraseList::IndexOfExact(std::string_view phrase) const {
  return static_cast<int>(index_.FindFirst(
      FoldedHash(phrase), [&](std::uint32_t item) { return Matches(item, phrase); }));
}

void PhraseList::SetSelected(int index, bool selected) {
  char& s = selected_.at(static_cast<std::size_t>(index));
  if ((s != 0) == selected) return;
  s = selected ? 1 : 0;
  selectedCount_ += selected ? 1 : -1;
}

void PhraseList::SelectAll(bool selected) {
  for (char& s : selected_) s = selected ? 1 : 0;
  selectedCount_ = selected ? Count() : 0;
}

void PhraseList::SetItemIndex(int index) {
  itemIndex_ = (index >= 0 && index < Count()) ? index : -1;
}

void PhraseList::DeleteSelected() {
  if (selectedCount_ == 0) return;
  RemoveMarked(selected_, static_cast<std::size_t>(selectedCount_));
}

void PhraseList::RemoveIf(const std::function<bool(const std::string&)>& drop) {
  std::vector<char> dropped(entries_.size());
  std::size_t count = 0;
  std::string text;  // one buffer for every item: no allocation per item
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    text.assign(Text(entries_[i]));
    dropped[i] = drop(text) ? 1 : 0;
    count += dropped[i];
  }
  if (count > 0) RemoveMarked(dropped, count);
}

void PhraseList::RemoveMarked(const std::vector<char>& dropped, std::size_t count) {
  const std::size_t n = entries_.size();
  if (count == n) {
    Clear();
    return;
  }
  const bool rebuild = IsLargeShare(count, n);
  const RemovedBefore removedBefore(dropped);
  if (!rebuild) {
    for (std::size_t i = 0; i < n; ++i)
      if (dropped[i]) index_.Remove(static_cast<std::uint32_t>(i), entries_[i].hash);
    index_.RenumberAll([&](std::uint32_t item) { return item - removedBefore(item); });
  }
  RenumberParents([&](std::uint32_t parent) {
    return parent >= n || dropped[parent] ? PhraseOrigin::kNoParent
                                          : parent - removedBefore(parent);
  });
  std::size_t out = 0;
  int newItemIndex = -1;
  for (std::size_t i = 0; i < n; ++i) {
    if (dropped[i]) {
      arena_.Forget(entries_[i].length);
      if (selected_[i]) --selectedCount_;
      continue;
    }
    if (static_cast<int>(i) == itemIndex_) newItemIndex = static_cast<int>(out);
    entries_.Mutable(out) = entries_[i];
    selected_[out] = selected_[i];
    ++out;
  }
  entries_.truncate(out);
  selected_.resize(out);
  itemIndex_ = newItemIndex;
  if (rebuild) RebuildIndex();
  CompactTextIfWasteful();
  ++editCount_;
  Changed();
}

void PhraseList::RebuildIndex() {
  index_.Clear();
  index_.Reserve(entries_.size());
  for (std::size_t i = 0; i < entries_.size(); ++i)
    index_.Add(static_cast<std::uint32_t>(i), entries_[i].hash);
}

// Copies the listed text into a fresh arena once more than half of the arena is text of
// removed phrases, so deleting never keeps more than twice the listed text.
void PhraseList::CompactTextIfWasteful() {
  const std::size_t unused = arena_.UnusedBytes();
  if (unused < (1u << 20) || unused * 2 < arena_.UsedBytes()) return;
  PhraseTextArena fresh;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    Entry& e = entries_.Mutable(i);
    e.place = fresh.Add(Text(e));
  }
  arena_ = std::move(fresh);
}

}  // namespace longtail
