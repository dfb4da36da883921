#pragma once
// The item tree of a popup menu: captions with "&" accelerators, separators ("-"),
// submenus, check and radio marks, shortcut texts, images and click handlers.
// Skinned menus show these items; nothing here draws.

#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QRect;

namespace lq {

class MenuItem {
 public:
  MenuItem() = default;
  explicit MenuItem(QString caption, std::function<void()> onClick = {});
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  QString Caption;
  QString Name;
  bool Enabled = true;
  bool Visible = true;
  bool Checked = false;
  bool RadioItem = false;
  QString ShortCut;     // shortcut text shown right-aligned, e.g. "Alt+F4"
  int ImageIndex = -1;  // index into the owning menu's image list
  QImage Bitmap;        // the item's own image; takes precedence over ImageIndex

  // The item's command, run by Click().
  void SetClickHandler(std::function<void()> handler) { clickHandler_ = std::move(handler); }
  // Lets the item bring Enabled/Visible/Caption up to date before it is shown.
  using UpdateHandler = std::function<void(MenuItem&)>;
  void SetUpdateHandler(UpdateHandler handler) { updateHandler_ = std::move(handler); }
  // Owner drawing: (painter, text rectangle, highlighted). Replaces caption, arrow and image.
  using ItemPainter = std::function<void(QPainter&, const QRect&, bool highlighted)>;
  void SetItemPainter(ItemPainter painter) { itemPainter_ = std::move(painter); }
  bool OwnerDrawn() const { return bool(itemPainter_); }

  bool IsSeparator() const { return Caption == QStringLiteral("-"); }
  // The character after a single "&" (upper-cased), or a null QChar.
  QChar Accelerator() const;

  // Children (a non-empty list makes this item a submenu).
  int Count() const { return int(children_.size()); }
  MenuItem* Item(int i) const { return children_[std::size_t(i)].get(); }
  MenuItem* Parent() const { return parent_; }
  MenuItem* Add(std::unique_ptr<MenuItem> item);
  MenuItem* Add(QString caption, std::function<void()> onClick = {});
  MenuItem* Insert(int index, std::unique_ptr<MenuItem> item);
  void Delete(int index);
  void Clear();
  int IndexOf(const MenuItem* item) const;
  MenuItem* Find(const QString& name) const;

  // Runs the item's command.
  void Click();
  // Runs the update handler, if any.
  void Update();
  // Runs the item painter, if any.
  void Paint(QPainter& painter, const QRect& textRect, bool highlighted) const;

 private:
  std::function<void()> clickHandler_;
  UpdateHandler updateHandler_;
  ItemPainter itemPainter_;
  MenuItem* parent_ = nullptr;
  std::vector<std::unique_ptr<MenuItem>> children_;
};

// Caption text as shown: "&&" becomes "&", a single "&" disappears. underlineAt receives the
// index (in the result) of the character to underline, or -1.
QString StripAccelerator(const QString& caption, int* underlineAt = nullptr);

// Indices of the children that a menu shows: visible items, with separators at the start, at
// the end and next to another separator removed (the usual automatic line reduction).
std::vector<int> ShownChildren(const MenuItem& parent);

}  // namespace lq
