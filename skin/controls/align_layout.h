#pragma once
// Docking of child widgets to the sides of their parent: top, bottom, left, right
// and client, placed in creation order inside the client rectangle the parent offers.

#include <QObject>
#include <QRect>
#include <functional>

class QWidget;

namespace lq {

enum class DockAlign { None, Top, Bottom, Left, Right, Client };

// Stores the alignment on the widget and re-aligns its parent's children.
void SetAlign(QWidget* widget, DockAlign align);
DockAlign AlignOf(const QWidget* widget);

// Places the visible aligned children of parent inside area: top ones stacked from
// the top (keeping their heights), then bottom ones from the bottom, then left and
// right ones (keeping their widths) in what remains, then client ones fill the rest.
// Children that adjust the size they are given (bound skinned controls) advance the
// remaining area by the size they actually took.
void AlignChildren(QWidget* parent, const QRect& area);

// Re-aligns the children of parent in the client rectangle parent offers: a skinned
// control's own rectangle, the area of an installed LqAlignLayout, or parent->rect().
void RealignChildren(QWidget* parent);

// Keeps the aligned children of a plain widget (a form, a test window) in place on
// every resize. The area defaults to the whole widget.
class LqAlignLayout : public QObject {
  Q_OBJECT

 public:
  explicit LqAlignLayout(QWidget* parent, std::function<QRect()> area = {});
  void realign();
  static LqAlignLayout* find(const QWidget* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* parent_;
  std::function<QRect()> area_;
};

}  // namespace lq
