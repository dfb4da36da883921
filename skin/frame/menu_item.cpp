#include "skin/frame/menu_item.h"

#include <algorithm>

namespace lq {

MenuItem::MenuItem(QString caption, std::function<void()> onClick)
    : Caption(std::move(caption)), clickHandler_(std::move(onClick)) {}

QChar MenuItem::Accelerator() const {
  for (int i = 0; i + 1 < Caption.size(); ++i) {
    if (Caption[i] != QLatin1Char('&')) continue;
    if (Caption[i + 1] == QLatin1Char('&')) {
      ++i;  // "&&" is a literal ampersand
      continue;
    }
    return Caption[i + 1].toUpper();
  }
  return {};
}

MenuItem* MenuItem::Add(std::unique_ptr<MenuItem> item) {
  return Insert(Count(), std::move(item));
}

MenuItem* MenuItem::Add(QString caption, std::function<void()> onClick) {
  return Add(std::make_unique<MenuItem>(std::move(caption), std::move(onClick)));
}

MenuItem* MenuItem::Insert(int index, std::unique_ptr<MenuItem> item) {
  index = std::clamp(index, 0, Count());
  item->parent_ = this;
  MenuItem* raw = item.get();
  children_.insert(children_.begin() + index, std::move(item));
  return raw;
}

void MenuItem::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  children_.erase(children_.begin() + index);
}

void MenuItem::Clear() {
  children_.clear();
}

int MenuItem::IndexOf(const MenuItem* item) const {
  for (int i = 0; i < Count(); ++i)
    if (children_[std::size_t(i)].get() == item) return i;
  return -1;
}

MenuItem* MenuItem::Find(const QString& name) const {
  for (const auto& c : children_)
    if (c->Name == name) return c.get();
  return nullptr;
}

void MenuItem::Click() {
  if (clickHandler_) clickHandler_();
}

void MenuItem::Update() {
  if (updateHandler_) updateHandler_(*this);
}

void MenuItem::Paint(QPainter& painter, const QRect& textRect, bool highlighted) const {
  if (itemPainter_) itemPainter_(painter, textRect, highlighted);
}

QString StripAccelerator(const QString& caption, int* underlineAt) {
  QString out;
  out.reserve(caption.size());
  int underline = -1;
  for (int i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
      ++i;
      if (caption[i] != QLatin1Char('&') && underline < 0) underline = int(out.size());
    }
    out.append(caption[i]);
  }
  if (underlineAt) *underlineAt = underline;
  return out;
}

std::vector<int> ShownChildren(const MenuItem& parent) {
  std::vector<int> shown;
  bool lastWasSeparator = true;  // drops leading separators
  for (int i = 0; i < parent.Count(); ++i) {
    const MenuItem* item = parent.Item(i);
    if (!item->Visible) continue;
    if (item->IsSeparator()) {
      if (lastWasSeparator) continue;
      lastWasSeparator = true;
    } else {
      lastWasSeparator = false;
    }
    shown.push_back(i);
  }
  while (!shown.empty() && parent.Item(shown.back())->IsSeparator()) shown.pop_back();
  return shown;
}

}  // namespace lq
