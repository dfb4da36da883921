#pragma once
// What a list view shows and edits of its items: the items' text, per-item selection and
// the current item. The view never owns or copies the text; it asks for the rows it paints
// (and, for type-ahead, the rows it searches), so one virtual call a row is all it costs.

#include <cstdint>
#include <functional>
#include <string_view>

namespace longtail {

class ListModel {
 public:
  virtual ~ListModel() = default;

  virtual int Count() const = 0;
  // The text (UTF-8) of an item, in place: valid until the items next change.
  virtual std::string_view View(int index) const = 0;
  // Counts the changes of the items other than appends: a view that sees it unchanged
  // knows that the items it saw are still in place, and that any new ones follow them.
  virtual std::uint64_t EditCount() const = 0;
  virtual void Clear() = 0;

  virtual bool Selected(int index) const = 0;
  virtual void SetSelected(int index, bool selected) = 0;
  virtual int SelectedCount() const = 0;
  virtual void SelectAll(bool selected) = 0;

  // The current (focused) item, -1 for none.
  virtual int ItemIndex() const = 0;
  virtual void SetItemIndex(int index) = 0;

  // Called after every change of the items (not of selection or current item); one
  // listener, the view.
  virtual void SetOnChange(std::function<void()> onChange) = 0;

 protected:
  ListModel() = default;
  ListModel(const ListModel&) = default;
  ListModel& operator=(const ListModel&) = default;
};

}  // namespace longtail
