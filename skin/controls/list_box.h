#pragma once
// LqSkinListBox: a skinned frame around an inner list (LqListBox) that views the
// box's list model, plus the skinned scroll bars it creates while they are needed.
// Items, selection and current item are model state; the box owns the model and views it.

#include <QImage>
#include <QPoint>
#include <QSize>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/list_model.h"
#include "skin/controls/phrase_list_view.h"
#include "skin/controls/skin_control.h"

namespace lq {

class LqSkinScrollBar;

// What the box copies from a list-box descriptor on every bind.
struct ListBoxLook {
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle = 0;
  Color fontcolor = 0, activefontcolor = 0, focusfontcolor = 0;
  Rect itemrect, activeitemrect, focusitemrect;
  int itemleftoffset = 0, itemrightoffset = 0;
  Rect itemtextrect;
  Rect captionrect;
  std::string vscrollbarname = "vscrollbar", hscrollbarname = "hscrollbar",
              bothhscrollbarname = "bothhscrollbar";
  bool showfocus = false;
};

class LqSkinListBox : public LqSkinCustomControl {
  Q_OBJECT

 public:
  // The box owns `items` (never null) for its lifetime, so the model outlives the view.
  explicit LqSkinListBox(std::unique_ptr<longtail::ListModel> items, QWidget* parent = nullptr);
  ~LqSkinListBox() override;

  // --- the program's operations -------------------------------------------
  longtail::ListModel& Items() { return *items_; }
  const longtail::ListModel& Items() const { return *items_; }
  int ItemIndex() const;
  void SetItemIndex(int index);
  bool Selected(int index) const;
  void SetSelected(int index, bool on);
  int SelCount() const;
  // Removes every item, then re-syncs the scroll bars at once.
  void Clear();
  // Item under a point of the inner list (-1 when none).
  int ItemAtPos(const QPoint& p, bool existing = true) const;
  int TopIndex() const;
  void SetTopIndex(int index);

  // --- properties ----------------------------------------------------------
  bool UseSkinItemHeight() const { return useSkinItemHeight_; }
  void SetUseSkinItemHeight(bool on);
  int DefaultItemHeight() const { return defaultItemHeight_; }
  void SetDefaultItemHeight(int h);
  bool HorizontalExtent() const { return horizontalExtent_; }
  void SetHorizontalExtent(bool on);
  int RowCount() const { return rowCount_; }
  void SetRowCount(int rows);
  bool AutoComplete() const { return list_->AutoComplete; }
  void SetAutoComplete(bool on) { list_->AutoComplete = on; }
  bool MultiSelect() const { return list_->MultiSelect; }
  void SetMultiSelect(bool on) { list_->MultiSelect = on; }
  bool ExtandedSelect() const { return list_->ExtendedSelect; }
  void SetExtandedSelect(bool on) { list_->ExtendedSelect = on; }
  // Font of the default look (copied from DefaultFont while unbound).
  LqFont Font;

  // Draws an item's content instead of the built-in text.
  using ItemPainter =
      std::function<void(QPainter&, int index, ItemDrawState, const QRect& textRect)>;
  void SetItemPainter(ItemPainter painter) { itemPainter_ = std::move(painter); }

  // --- parts ---------------------------------------------------------------------
  LqListBox* ListBox() const { return list_; }
  LqSkinScrollBar* VScrollBar() const { return vbar_; }
  LqSkinScrollBar* HScrollBar() const { return hbar_; }
  const ListBoxLook& Look() const { return look_; }
  bool SkinnedItems() const { return skinnedItems_; }

  void BindSkin() override;
  void ApplySkin() override;
  // Places the inner list and the bars inside the frame.
  void LayoutParts();
  // Makes the bars match the inner list's scroll state (creating or removing them).
  void SyncScrollBars();
  // Height that shows exactly rows items.
  int RowCountHeight(int rows) const;

 signals:
  void itemClicked();
  void itemDoubleClicked();
  // The context-menu request of the inner list: the owner shows the box's popup
  // menu at the global position. The selection is left alone.
  void contextMenuRequested(const QPoint& global);

 protected:
  void DrawDefault(QImage& canvas) override;
  void DrawSkin(QImage& canvas) override;
  void DefaultFontChanged() override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  ItemPainter itemPainter_;
  void DrawListItem(QPainter& p, int index, const QRect& r, ItemDrawState state);
  void DrawSkinItemFixed(QPainter& p, int index, const QRect& r, ItemDrawState state);
  void DrawSkinItemStretched(QPainter& p, int index, const QRect& r, ItemDrawState state);
  void DrawDefaultItem(QPainter& p, int index, const QRect& r, ItemDrawState state);
  // The composed skin background of a row in one of its looks (`kind`) at a size, made by
  // `compose` once and reused: composing and converting it cost about a millisecond a paint.
  QImage RowBackground(int kind, QSize size, const std::function<Bitmap()>& compose);
  void DrawItemText(QPainter& p, int index, QRect textRect, ItemDrawState state, Color color,
                    const QFont& font);
  void EraseList(QPainter& p, const QRect& r);
  QFont ItemFont() const;
  QRect ContentRect() const;
  void ApplyItemHeight();
  void BindBar(LqSkinScrollBar* bar, bool horizontal);
  LqSkinScrollBar* CreateBar(bool horizontal);
  void RemoveBar(LqSkinScrollBar*& bar);
  void SyncVertical();
  void SyncHorizontal();
  int WidestItem();
  bool HandleListKey(QKeyEvent* e);
  bool HandleListWheel(QWheelEvent* e);

  std::unique_ptr<longtail::ListModel> items_;
  LqListBox* list_ = nullptr;
  LqSkinScrollBar* vbar_ = nullptr;
  LqSkinScrollBar* hbar_ = nullptr;
  bool useSkinItemHeight_ = true;
  int defaultItemHeight_ = 20;
  bool horizontalExtent_ = false;
  int rowCount_ = 0;
  bool reskinning_ = false;
  bool skinnedItems_ = false;
  ListBoxLook look_;
  struct CachedRow {
    int kind;
    QSize size;
    QImage image;
  };
  std::vector<CachedRow> rowCache_;  // cleared when the skin is bound anew
  // Widest item text measured so far, and how many items that covers.
  int widest_ = 0;
  int measured_ = 0;
};

}  // namespace lq
