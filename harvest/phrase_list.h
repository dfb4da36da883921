#pragma once
// The item store of a list box: ordered phrases (UTF-8), per-item selection, where each
// phrase came from, and a current item, with the list box's case-insensitive exact-match search
// answered from an index in O(1). The harvest run uses the result list's PhraseList as its queue;
// a list box view only shows it.
//
// Sized for a million phrases: the text lives once, packed in an arena; each item is a
// 24-byte record (place, length, cached hash of the folded text, and 8 bytes of origin)
// plus a selection byte, and the index holds 32-bit item numbers with those hashes. That
// is about 45 bytes an item beyond its text, within a 64-byte budget.
// Records sit in shared chunks and text blocks are shared too, so Share() hands out a
// snapshot of the items in microseconds that another thread may read (auto-save does).

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/list_model.h"
#include "harvest/folded_index.h"
#include "harvest/phrase_text_arena.h"
#include "harvest/shared_chunks.h"

namespace longtail {

// Where a listed phrase came from, in 8 bytes: no copy of any text.
struct PhraseOrigin {
  static constexpr std::uint32_t kNoParent = 0xFFFFFFFFu;
  static constexpr int kDeepest = 0xFFFF;
  // Item number of the phrase whose answer named it; kNoParent for a seed, or once that
  // item is deleted. Kept in step as items are inserted and deleted.
  std::uint32_t parent = kNoParent;
  std::uint16_t depth = 0;  // seeds 0; one more than the parent's
  std::uint8_t source = 0;  // the naming source's number (1 + its registry place); 0: none
};

// Final, so calls through a PhraseList are direct; a list box view reaches it as a ListModel.
class PhraseList final : public ListModel {
 public:
  class Snapshot;

  int Count() const override { return static_cast<int>(entries_.size()); }
  // The text of an item, in place: valid until the list next changes.
  std::string_view View(int index) const override;
  // A copy of the text of an item.
  std::string Item(int index) const { return std::string(View(index)); }
  std::string operator[](int index) const { return Item(index); }
  // A copy of every item, in order.
  std::vector<std::string> Items() const;

  // Where the item came from; a new item has no origin until one is set.
  PhraseOrigin Origin(int index) const { return entries_[CheckedIndex(index)].origin; }
  void SetOrigin(int index, PhraseOrigin origin) {
    entries_.Mutable(CheckedIndex(index)).origin = origin;
    if (origin.parent != PhraseOrigin::kNoParent)
      highestParent_ = std::max<std::int64_t>(highestParent_, origin.parent);
  }

  void Append(std::string_view phrase);
  // Appends `phrase` unless an item equals it ignoring ASCII letter case: one hash and one
  // probe where ContainsExact followed by Append take two. True when appended.
  bool AppendIfAbsent(std::string_view phrase);
  void Insert(int index, std::string_view phrase);  // index == Count() appends
  void Delete(int index);
  void Clear() override;

  // True when an item equals `phrase` ignoring the case of ASCII letters. O(1).
  bool ContainsExact(std::string_view phrase) const;
  // Index of the first such item, or -1. O(1).
  int IndexOfExact(std::string_view phrase) const;

  bool Selected(int index) const override {
    return selected_.at(static_cast<std::size_t>(index)) != 0;
  }
  void SetSelected(int index, bool selected) override;
  int SelectedCount() const override { return selectedCount_; }
  void SelectAll(bool selected) override;
  // Deletes every selected item in one pass; same result as deleting them one by one.
  void DeleteSelected();
  // Deletes every item for which `drop` is true, in one pass, keeping the order. `drop` is
  // asked about every item in order, exactly once, and must not change the list.
  void RemoveIf(const std::function<bool(const std::string&)>& drop);

  // The current (focused) item, -1 for none. Kept on the same item across deletes and
  // inserts before it; -1 when that item goes.
  int ItemIndex() const override { return itemIndex_; }
  void SetItemIndex(int index) override;

  // The items as they are now, unaffected by later changes; readable on any thread.
  Snapshot Share() const;

  // Counts the changes of the items other than appends (inserts, deletes, removals,
  // clearing): a view that sees it unchanged knows the items it saw are still in place.
  std::uint64_t EditCount() const override { return editCount_; }

  // Called after every change of the items (not of selection or current item).
  void SetOnChange(std::function<void()> onChange) override { onChange_ = std::move(onChange); }

 private:
  // `index` as a record number; throws std::out_of_range when there is no such item.
  std::size_t CheckedIndex(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= entries_.size())
      throw std::out_of_range("PhraseList: no such item");
    return static_cast<std::size_t>(index);
  }
  struct Entry {
    PhraseTextArena::Place place;
    std::uint32_t length;
    std::uint32_t hash;  // of the text with its ASCII letters folded
    PhraseOrigin origin;
  };
  // Parent item numbers follow the items: `renumber` maps each old one to the new one, or
  // to kNoParent when that item has gone.
  template <typename Renumber>
  void RenumberParents(Renumber&& renumber);
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
  // At least every parent number any record holds (-1: none holds one). Parents name
  // earlier items, so deleting or inserting near the end moves none and skips the pass
  // over the records that renumbering them takes.
  std::int64_t highestParent_ = -1;
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
  PhraseOrigin Origin(int index) const { return entries_[static_cast<std::size_t>(index)].origin; }
  std::vector<std::string> Items() const;

 private:
  friend class PhraseList;
  SharedChunks<Entry>::View entries_;
  PhraseTextArena::Snapshot text_;
};

}  // namespace longtail
