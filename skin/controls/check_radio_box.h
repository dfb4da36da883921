#pragma once
// Check box and radio box: flat (check image over the parent's background, as the
// windows use it) or non-flat (a full element image), with checked, unchecked and
// grayed images per enabled and hot state, radio groups and OnClick rules.

#include <QTimer>
#include <functional>

#include "skin/controls/control_looks.h"
#include "skin/controls/skin_control.h"

namespace lq {

enum class CheckBoxState { Unchecked, Checked, Grayed };

class LqSkinCheckRadioBox : public LqSkinCustomControl {
  Q_OBJECT

 public:
  explicit LqSkinCheckRadioBox(QWidget* parent = nullptr);

  QString Caption() const { return Caption_; }
  void SetCaption(const QString& text);
  bool WordWrap() const { return WordWrap_; }
  void SetWordWrap(bool on);
  bool AllowGrayed() const { return AllowGrayed_; }
  void SetAllowGrayed(bool on);
  CheckBoxState State() const { return State_; }
  void SetState(CheckBoxState s);
  bool Flat() const { return Flat_; }
  void SetFlat(bool on);
  bool CanFocused() const { return CanFocused_; }
  void SetCanFocused(bool on);
  bool Radio() const { return Radio_; }
  void SetRadio(bool on);
  bool Checked() const { return Checked_; }
  void SetChecked(bool on);
  int GroupIndex = 0;

  // A check box flips Checked; a radio box becomes checked.
  virtual void Toggle();

  void BindSkin() override;
  void ApplySkin() override;
  void SetBounds(const QRect& r) override;
  void FitSizeToSkin(int& width, int& height) override;

  // The check image the current state draws (bound), and whether it is lightened.
  Rect CheckImageRect(bool* lightened = nullptr) const;
  // Where the caption goes in the flat look.
  QRect CaptionRect() const;
  const CheckLook& Look() const { return look_; }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void DrawSkin(QImage& canvas) override;
  void enterEvent(QEnterEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void changeEvent(QEvent* e) override;
  bool event(QEvent* e) override;

 private:
  void PaintFlat(QPainter& p);
  void PaintFlatDefault(QPainter& p);
  void DrawCaption(QPainter& p, const QRect& r, Color color, int flags);
  QFont CaptionFont() const;
  int CaptionLeft() const;  // where the caption starts, right of the check image
  Color CaptionColor() const;
  void StartMorph();
  void MorphTick();
  bool Focused() const { return CanFocused_ && hasFocus(); }

  QString Caption_;
  bool WordWrap_ = false, AllowGrayed_ = false;
  CheckBoxState State_ = CheckBoxState::Unchecked;
  bool Flat_ = true, CanFocused_ = true;
  bool Radio_ = false, Checked_ = false;
  int shortcutId_ = 0;
  CheckLook look_;
  QTimer morphTimer_;
  double morphFactor_ = 0.0;
};

}  // namespace lq
