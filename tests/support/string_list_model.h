#pragma once
// Test helper: a plain list model over a vector of strings, for views tested without the
// harvest's phrase list. Edits follow the phrase list's rules: appends leave the edit count
// alone, and the current item stays on its item across inserts and deletes before it.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/list_model.h"

namespace longtail::testing {

class StringListModel final : public ListModel {
 public:
  int Count() const override { return static_cast<int>(items_.size()); }
  std::string_view View(int index) const override { return items_.at(Place(index)); }
  std::string Item(int index) const { return items_.at(Place(index)); }
  std::uint64_t EditCount() const override { return edits_; }

  void Append(std::string_view item) {
    items_.emplace_back(item);
    selected_.push_back(false);
    Changed();
  }
  void Insert(int index, std::string_view item) {
    items_.insert(items_.begin() + index, std::string(item));
    selected_.insert(selected_.begin() + index, false);
    if (current_ >= index) ++current_;
    Edited();
  }
  void Delete(int index) {
    items_.erase(items_.begin() + index);
    selected_.erase(selected_.begin() + index);
    if (current_ == index)
      current_ = -1;
    else if (current_ > index)
      --current_;
    Edited();
  }
  void DeleteSelected() {
    for (int i = Count() - 1; i >= 0; --i)
      if (selected_[Place(i)]) {
        items_.erase(items_.begin() + i);
        selected_.erase(selected_.begin() + i);
        if (current_ == i)
          current_ = -1;
        else if (current_ > i)
          --current_;
      }
    Edited();
  }
  void Clear() override {
    items_.clear();
    selected_.clear();
    current_ = -1;
    Edited();
  }

  bool Selected(int index) const override { return selected_.at(Place(index)); }
  void SetSelected(int index, bool selected) override { selected_.at(Place(index)) = selected; }
  int SelectedCount() const override {
    return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
  }
  void SelectAll(bool selected) override {
    std::fill(selected_.begin(), selected_.end(), selected);
  }

  int ItemIndex() const override { return current_; }
  void SetItemIndex(int index) override { current_ = index; }

  void SetOnChange(std::function<void()> onChange) override { onChange_ = std::move(onChange); }

 private:
  static std::size_t Place(int index) { return static_cast<std::size_t>(index); }
  void Edited() {
    ++edits_;
    Changed();
  }
  void Changed() {
    if (onChange_) onChange_();
  }

  std::vector<std::string> items_;
  std::vector<bool> selected_;
  int current_ = -1;
  std::uint64_t edits_ = 0;
  std::function<void()> onChange_;
};

}  // namespace longtail::testing
