#pragma once
// The item store of a list box: ordered phrases (code page 936 bytes), per-item selection
// and a current item, with the list box's case-insensitive exact-match search answered
// from an index in O(1). The harvest run uses the result list's PhraseList as its queue;
// a list box view only shows it.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "text/ascii_case.h"

namespace longtail {

class PhraseList {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& Item(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  const std::string& operator[](int index) const { return Item(index); }
  const std::vector<std::string>& Items() const { return items_; }

  void Append(std::string phrase);
  void Insert(int index, std::string phrase);  // index == Count() appends
  void Delete(int index);
  void Clear();

  // True when an item equals `phrase` ignoring the case of ASCII letters. O(1).
  bool ContainsExact(std::string_view phrase) const;
  // Index of the first such item, or -1. O(1) when absent, a scan when present.
  int IndexOfExact(std::string_view phrase) const;

  bool Selected(int index) const { return selected_.at(static_cast<std::size_t>(index)) != 0; }
  void SetSelected(int index, bool selected);
  int SelectedCount() const { return selectedCount_; }
  void SelectAll(bool selected);
  // Deletes every selected item in one pass; same result as deleting them one by one.
  void DeleteSelected();
  // Deletes every item for which `drop` is true, in one pass, keeping the order.
  void RemoveIf(const std::function<bool(const std::string&)>& drop);

  // The current (focused) item, -1 for none. Kept on the same item across deletes and
  // inserts before it; -1 when that item goes.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);

  // Called after every change of the items (not of selection or current item).
  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

 private:
  // Transparent, so lookups take a string_view without building a std::string.
  struct FoldHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return HashIgnoringAsciiCase(s); }
  };
  struct FoldEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const {
      return EqualsIgnoringAsciiCase(a, b);
    }
  };
  void IndexAdd(const std::string& phrase);
  void IndexRemove(const std::string& phrase);
  void Changed() {
    if (onChange_) onChange_();
  }

  std::vector<std::string> items_;
  std::vector<char> selected_;
  int selectedCount_ = 0;
  int itemIndex_ = -1;
  // Folded text -> number of items with that text.
  std::unordered_map<std::string, int, FoldHash, FoldEqual> index_;
  std::function<void()> onChange_;
};

}  // namespace longtail
