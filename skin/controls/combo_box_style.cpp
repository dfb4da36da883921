#include "skin/controls/combo_box_style.h"

#include <QFrame>

#include "skin/controls/combo_box.h"

namespace lq {

int LqComboBoxStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                               QStyleHintReturn* returnData) const {
  switch (hint) {
    case SH_ComboBox_Popup:
      return 0;
    case SH_ComboBox_ListMouseTracking:
      return 1;
    case SH_ComboBox_PopupFrameStyle:
      return QFrame::NoFrame;  // the box paints the list's frame itself
    default:
      return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
}

QRect LqComboBoxStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                      SubControl sub, const QWidget* widget) const {
  const auto* box = dynamic_cast<const LqSkinComboBox*>(widget);
  if (box && control == CC_ComboBox) {
    // QComboBox asks for these to hit-test the arrow and to place an edit field.
    if (sub == SC_ComboBoxArrow) return box->ButtonRect();
    if (sub == SC_ComboBoxEditField) return box->ClientRect();
  }
  return QProxyStyle::subControlRect(control, option, sub, widget);
}

}  // namespace lq
