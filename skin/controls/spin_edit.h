#pragma once
// LqSkinSpinEdit: a numeric field with up and down buttons, drawn from the
// "spinedit" element (or a built-in look while unbound). The inner editor filters
// typed keys; texts that form a number become the value; the buttons step once on
// release and repeat while held.

#include <QLineEdit>
#include <functional>
#include <memory>

#include "skin/controls/control_looks.h"
#include "skin/controls/scroll_bar_logic.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/spin_edit_value.h"
#include "skin/qt/qt_timer.h"

namespace lq {

class LqSkinSpinEdit;

// The frameless inner editor: it refuses keys the value rules do not take.
class LqSkinNumEdit : public QLineEdit {
 public:
  explicit LqSkinNumEdit(LqSkinSpinEdit* owner);

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void enterEvent(QEnterEvent* e) override;
  void leaveEvent(QEvent* e) override;

 private:
  LqSkinSpinEdit* owner_;
};

class LqSkinSpinEdit : public LqSkinCustomControl {
  Q_OBJECT

 public:
  static constexpr int kUpButton = 0, kDownButton = 1;

  // timers: where the button repeat timer comes from (QTimers on the GUI thread by default).
  explicit LqSkinSpinEdit(QWidget* parent = nullptr,
                          std::shared_ptr<longtail::TimerFactory> timers = QtTimers());
  ~LqSkinSpinEdit() override;

  double Value() const { return Value_; }
  void SetValue(double v);
  double MinValue() const { return rules_.MinValue; }
  double MaxValue() const { return rules_.MaxValue; }
  void SetMinValue(double v);
  void SetMaxValue(double v);
  double Increment() const { return Increment_; }
  void SetIncrement(double v) { Increment_ = v; }
  SpinValueType ValueType() const { return rules_.ValueType; }
  void SetValueType(SpinValueType t);
  int Decimal() const { return rules_.Decimal; }
  void SetDecimal(int d);
  bool EditorEnabled() const { return EditorEnabled_; }
  void SetEditorEnabled(bool on);
  int MaxLength() const;
  void SetMaxLength(int n);
  bool UseSkinSize() const { return UseSkinSize_; }
  void SetUseSkinSize(bool on);
  Color DefaultColor() const { return DefaultColor_; }
  void SetDefaultColor(Color c);
  const SpinValueRules& Rules() const { return rules_; }

  // The refusal sound; replaceable so that tests can count refusals.
  void SetBeep(std::function<void()> beep) { beep_ = std::move(beep); }

  LqSkinNumEdit* Editor() const { return editor_; }
  // Button rectangles in widget coordinates for the current size.
  QRect ButtonRect(int button) const;
  bool ButtonHot(int button) const { return hot_[button]; }
  bool ButtonPressed(int button) const { return pressed_[button]; }
  longtail::PeriodicTimer& Timer() { return *timer_; }
  // Hot: the mouse over the control or its editor.
  bool Hot() const { return MouseInside() || editorHot_; }

  void BindSkin() override;
  void ApplySkin() override;
  void FitSizeToSkin(int& width, int& height) override;

  // Stepping as arrows and wheel do: value changes, then the button event.
  void StepUp();
  void StepDown();

 signals:
  void changed();
  void upButtonClicked();
  void downButtonClicked();
  void editKeyPressed(QKeyEvent* e);

 protected:
  void DrawDefault(QImage& canvas) override;
  void DrawSkin(QImage& canvas) override;
  void DefaultFontChanged() override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void enterEvent(QEnterEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  std::function<void()> beep_;
  friend class LqSkinNumEdit;
  void EditorTextChanged(const QString& text);
  void SetEditorText(const QString& text);
  void TimerTick();
  int ButtonAt(QPoint p) const;
  void SetHot(int button);
  void LayoutEditor();
  void UpdateEditorLook();
  void SetEditorHot(bool hot);

  SpinValueRules rules_;
  double Value_ = 0;
  double Increment_ = 1;
  bool EditorEnabled_ = true;
  bool UseSkinSize_ = true;
  Color DefaultColor_ = clWindow;

  // From the descriptor.
  Rect activeskinrect_, upbuttonrect_, activeupbuttonrect_, downupbuttonrect_;
  Rect downbuttonrect_, activedownbuttonrect_, downdownbuttonrect_;
  FontLook font_;
  Color activefontcolor_ = 0, disabledfontcolor_ = 0;

  LqSkinNumEdit* editor_ = nullptr;
  std::shared_ptr<longtail::TimerFactory> timers_;  // outlives timer_
  std::unique_ptr<longtail::PeriodicTimer> timer_;
  bool hot_[2] = {false, false};
  bool pressed_[2] = {false, false};
  int captured_ = -1;
  bool firstDelay_ = false;
  bool internalUpdate_ = false;
  bool editorHot_ = false;
};

}  // namespace lq
