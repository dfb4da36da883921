#pragma once
// The window's choice of sources: a "来源" button that opens a skinned popup menu with a
// check item per source (the classic pair checked at first). The choice lasts for the
// session and is read at every Query; at least one source stays checked.

#include <QObject>
#include <QRect>
#include <string>
#include <vector>

class QWidget;

namespace lq {
class LqSkinData;
class LqSkinPopupMenu;
class LqSkinXFormButton;
}  // namespace lq

namespace longtail {

class SourcePicker : public QObject {
 public:
  SourcePicker(QWidget* parent, lq::LqSkinData* data, const QRect& buttonBounds);

  // The checked sources' ids, in registry order.
  std::vector<std::string> Chosen() const;
  // Checks exactly the sources named (unknown ids are ignored; none leaves the choice).
  void Choose(const std::vector<std::string>& ids);

  lq::LqSkinXFormButton* Button() const { return button_; }
  lq::LqSkinPopupMenu* Menu() const { return menu_; }
  // Opens the menu under the button, as a click does.
  void Open();

 private:
  lq::LqSkinXFormButton* button_;
  lq::LqSkinPopupMenu* menu_;
};

}  // namespace longtail
