#pragma once
// The dropped-down list of a skinned combo box: its items (skinned strips or plain
// rows, indented per row by the box) and the frame around the list.

#include <QAbstractItemDelegate>
#include <QMargins>
#include <functional>

class QPainter;

namespace lq {

class LqSkinComboBox;

class LqComboItemDelegate : public QAbstractItemDelegate {
 public:
  explicit LqComboItemDelegate(LqSkinComboBox* box);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // The box is going away: its virtuals may no longer be called.
  void Detach() { box_ = nullptr; }

 private:
  LqSkinComboBox* box_;
};

// Space the list frame takes on each side of the list.
QMargins ComboListMargins(const LqSkinComboBox& box);
// The frame (and background) of the list's window of size rect.
void PaintComboListFrame(QPainter& p, const LqSkinComboBox& box, const QRect& rect);

// Paints the list's window with PaintComboListFrame instead of the style's frame, and
// reports when the window hides (the list also closes itself, by a click elsewhere).
class LqComboListFramePainter : public QObject {
 public:
  LqComboListFramePainter(LqSkinComboBox* box, std::function<void()> onHidden);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  LqSkinComboBox* box_;
  std::function<void()> onHidden_;
};

}  // namespace lq
