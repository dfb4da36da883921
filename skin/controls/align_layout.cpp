#include "skin/controls/align_layout.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>

#include "skin/controls/skin_control.h"

namespace lq {
namespace {

constexpr char kAlignProperty[] = "lqAlign";

// Bound skinned controls fit the requested size to their element.
void PlaceChild(QWidget* child, const QRect& r) {
  if (auto* control = dynamic_cast<LqSkinControl*>(child))
    control->SetBounds(r);
  else
    child->setGeometry(r);
}

}  // namespace

void SetAlign(QWidget* widget, DockAlign align) {
  if (!widget) return;
  widget->setProperty(kAlignProperty, int(align));
  if (QWidget* parent = widget->parentWidget()) RealignChildren(parent);
}

DockAlign AlignOf(const QWidget* widget) {
  const QVariant v = widget->property(kAlignProperty);
  return v.isValid() ? DockAlign(v.toInt()) : DockAlign::None;
}

void AlignChildren(QWidget* parent, const QRect& area) {
  if (!parent) return;
  const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  QRect rest = area;
  // Children hidden on purpose take no space; a child not yet shown does.
  auto hidden = [](QWidget* c) {
    return c->isHidden() && c->testAttribute(Qt::WA_WState_ExplicitShowHide);
  };
  auto each = [&](DockAlign which, auto&& place) {
    for (QWidget* child : children)
      if (!hidden(child) && !child->isWindow() && AlignOf(child) == which) place(child);
  };
  each(DockAlign::Top, [&](QWidget* c) {
    PlaceChild(c, QRect(rest.left(), rest.top(), rest.width(), c->height()));
    rest.setTop(rest.top() + c->height());
  });
  each(DockAlign::Bottom, [&](QWidget* c) {
    PlaceChild(c, QRect(rest.left(), rest.bottom() + 1 - c->height(), rest.width(), c->height()));
    c->move(c->x(), rest.bottom() + 1 - c->height());  // a fitted height changes the top
    rest.setBottom(rest.bottom() - c->height());
  });
  each(DockAlign::Left, [&](QWidget* c) {
    PlaceChild(c, QRect(rest.left(), rest.top(), c->width(), std::max(0, rest.height())));
    rest.setLeft(rest.left() + c->width());
  });
  each(DockAlign::Right, [&](QWidget* c) {
    PlaceChild(c, QRect(rest.right() + 1 - c->width(), rest.top(), c->width(),
                        std::max(0, rest.height())));
    c->move(rest.right() + 1 - c->width(), c->y());
    rest.setRight(rest.right() - c->width());
  });
  each(DockAlign::Client, [&](QWidget* c) {
    PlaceChild(
        c, QRect(rest.left(), rest.top(), std::max(0, rest.width()), std::max(0, rest.height())));
  });
}

void RealignChildren(QWidget* parent) {
  if (!parent) return;
  if (auto* control = dynamic_cast<LqSkinControl*>(parent)) {
    control->AlignControls();
    return;
  }
  if (LqAlignLayout* layout = LqAlignLayout::find(parent)) {
    layout->realign();
    return;
  }
  AlignChildren(parent, parent->rect());
}

LqAlignLayout::LqAlignLayout(QWidget* parent, std::function<QRect()> area)
    : QObject(parent), parent_(parent), area_(std::move(area)) {
  setObjectName(QStringLiteral("lqAlignLayout"));
  parent->installEventFilter(this);
}

void LqAlignLayout::realign() {
  AlignChildren(parent_, area_ ? area_() : parent_->rect());
}

LqAlignLayout* LqAlignLayout::find(const QWidget* parent) {
  return parent->findChild<LqAlignLayout*>(QStringLiteral("lqAlignLayout"),
                                           Qt::FindDirectChildrenOnly);
}

bool LqAlignLayout::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent_ && event->type() == QEvent::Resize) realign();
  return QObject::eventFilter(watched, event);
}

}  // namespace lq
