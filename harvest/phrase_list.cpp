#include "harvest/phrase_list.h"

#include <stdexcept>

namespace longtail {

void PhraseList::IndexAdd(const std::string& phrase) {
  ++index_.try_emplace(phrase, 0).first->second;
}

void PhraseList::IndexRemove(const std::string& phrase) {
  auto it = index_.find(std::string_view(phrase));
  if (it != index_.end() && --it->second == 0) index_.erase(it);
}

void PhraseList::Append(std::string phrase) {
  IndexAdd(phrase);
  items_.push_back(std::move(phrase));
  selected_.push_back(0);
  Changed();
}

void PhraseList::Insert(int index, std::string phrase) {
  if (index < 0 || index > Count()) throw std::out_of_range("PhraseList::Insert");
  IndexAdd(phrase);
  items_.insert(items_.begin() + index, std::move(phrase));
  selected_.insert(selected_.begin() + index, 0);
  if (itemIndex_ >= index) ++itemIndex_;
  Changed();
}

void PhraseList::Delete(int index) {
  if (index < 0 || index >= Count()) throw std::out_of_range("PhraseList::Delete");
  IndexRemove(items_[static_cast<std::size_t>(index)]);
  if (selected_[static_cast<std::size_t>(index)]) --selectedCount_;
  items_.erase(items_.begin() + index);
  selected_.erase(selected_.begin() + index);
  if (itemIndex_ == index)
    itemIndex_ = -1;
  else if (itemIndex_ > index)
    --itemIndex_;
  Changed();
}

void PhraseList::Clear() {
  items_.clear();
  selected_.clear();
  index_.clear();
  selectedCount_ = 0;
  itemIndex_ = -1;
  Changed();
}

bool PhraseList::ContainsExact(std::string_view phrase) const {
  return index_.find(phrase) != index_.end();
}

int PhraseList::IndexOfExact(std::string_view phrase) const {
  if (!ContainsExact(phrase)) return -1;
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (EqualsIgnoringAsciiCase(items_[i], phrase)) return static_cast<int>(i);
  return -1;
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
  std::size_t i = 0;
  RemoveIf([&](const std::string&) { return selected_[i++] != 0; });
}

void PhraseList::RemoveIf(const std::function<bool(const std::string&)>& drop) {
  std::size_t out = 0;
  int newItemIndex = -1;
  bool removed = false;
  // `drop` is asked about every item in order, exactly once.
  std::vector<char> dropped(items_.size());
  for (std::size_t i = 0; i < items_.size(); ++i) dropped[i] = drop(items_[i]) ? 1 : 0;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (dropped[i]) {
      IndexRemove(items_[i]);
      if (selected_[i]) --selectedCount_;
      removed = true;
      continue;
    }
    if (static_cast<int>(i) == itemIndex_) newItemIndex = static_cast<int>(out);
    if (out != i) {
      items_[out] = std::move(items_[i]);
      selected_[out] = selected_[i];
    }
    ++out;
  }
  items_.resize(out);
  selected_.resize(out);
  itemIndex_ = newItemIndex;
  if (removed) Changed();
}

}  // namespace longtail
