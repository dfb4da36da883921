#pragma once
// The style a skinned combo box runs under: the application's style, except that the
// list always drops down below the box (never laid over it as a menu), follows the
// mouse, has no frame of its own, and the arrow and edit field are where the box
// draws them.

#include <QProxyStyle>

namespace lq {

class LqComboBoxStyle : public QProxyStyle {
 public:
  LqComboBoxStyle() = default;

  int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                const QWidget* widget = nullptr,
                QStyleHintReturn* returnData = nullptr) const override;
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace lq
