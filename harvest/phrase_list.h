#pragma once
// The item store of a list box: ordered phrases (code page 936 bytes), per-item selection
// and a current item, with the list box's case-insensitive exact-match search answered
// from an index in O(1). The harvest run uses the result list's PhraseList as its queue;
// a list box view only shows it.
//
// Sized for a million phrases: the text lives once, packed in an arena; each item is a
// 16-byte record (place, length, cached hash of the folded text) plus a selection byte, and
// the index holds 32-bit item numbers with those hashes. That is about 35 bytes an item
// beyond its text, which leaves room in a 64-byte budget for a few bytes of provenance.
// Records sit in shared chunks and text blocks are shared too, so Share() hands out a
// snapshot of the items in microseconds that another thread may read (auto-save does).

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "harvest/folded_index.h"
#include "harvest/phrase_text_arena.h"
#include "harvest/shared_chunks.h"

namespace longtail {

class PhraseList {
 public:
  class Snapshot;

  int Count() const { return static_cast<int>(entries_.size()); }
  // The text of an item, in place: valid until the list next changes.
  std::string_view View(int index) const;
  // A copy of the text of an item.
  std::string Item(int index) const { return std::string(View(index)); }
  std::string operator[](int index) const { return Item(index); }
  // A copy of every item, in order.
  std::vector<std::string> Items() const;

  void Append(std::string_view phrase);
  // Appends `phrase` unless an item equals it ignoring ASCII letter case: one hash and one
  // probe where ContainsExact followed by Append take two. True when appended.
  bool AppendIfAbsent(std::string_view phrase);
  void Insert(int index, std::string_view phrase);  // index == Count() appends
  void Delete(int index);
  void Clear();

  // True when an item equals `phrase` ignoring the case of ASCII letters. O(1).
  bool ContainsExact(std::string_view phrase) const;
  // Index of the first such item, or -1. O(1).
  int IndexOfExact(std::string_view phrase) const;

  bool Selected(int index) const { return selected_.at(static_cast<std::size_t>(index)) != 0; }
  void SetSelected(int index, bool selected);
  int SelectedCount() const { return selectedCount_; }
  void SelectAll(bool selected);
  // Deletes every selected item in one pass; same result as deleting them one by one.
  void DeleteSelected();
  // Deletes every item for which `drop` is true, in one pass, keeping the order. `drop` is
  // asked about every item in order, exactly once, and must not change the list.
  void RemoveIf(const std::function<bool(const std::string&)>& drop);

  // The current (focused) item, -1 for none. Kept on the same item across deletes and
  // inserts before it; -1 when that item goes.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);

  // The items as they are now, unaffected by later changes; readable on any thread.
  Snapshot Share() const;

  // Counts the changes of the items other than appends (inserts, deletes, removals,
  // clearing): a view that sees it unchanged knows the items it saw are still in place.
  std::uint64_t EditCount() const { return editCount_; }

  // Called after every change of the items (not of selection or current item).
  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

 private:
  struct Entry {
    PhraseTextArena::Place place;
    std::uint32_t length;
    std::uint32_t hash;  // of the text with its ASCII letters folded
  };
  std::string_view Text(const Entry& e) const { return arena_.View(e.place, e.length); }
  Entry Store(std::string_view phrase, std::uint32_t hash);
  bool Matches(std::uint32_t item, std::string_view phrase) const;
  // Removes the items marked in `dropped` (`count` of them), keeping the order.
  void RemoveMarked(const std::vector<char>& dropped, std::size_t count);
  void RebuildIndex();
  void CompactTextIfWasteful();
  void Changed() {
    if (onChange_) onChange_();
  }

  SharedChunks<Entry> entries_;
  std::vector<char> selected_;
  PhraseTextArena arena_;
  FoldedIndex index_;
  std::uint64_t editCount_ = 0;
  int selectedCount_ = 0;
  int itemIndex_ = -1;
  std::function<void()> onChange_;
};

class PhraseList::Snapshot {
 public:
  int Count() const { return static_cast<int>(entries_.size()); }
  std::string_view View(int index) const {
    const Entry& e = entries_[static_cast<std::size_t>(index)];
    return text_.View(e.place, e.length);
  }
  std::vector<std::string> Items() const;

 private:
  friend class PhraseList;
  SharedChunks<Entry>::View entries_;
  PhraseTextArena::Snapshot text_;
};

}  // namespace longtail
