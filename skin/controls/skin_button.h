#pragma once
// Push buttons: every state image of the "button" element (normal, hot, down,
// focused, disabled), the font-colour rules, glyph-and-caption layout, hover
// animation and morphing, repeat mode, groups and keyboard handling. The XForm
// button can also show images of its own while no skin is bound.

#include <QTimer>
#include <functional>

#include "skin/controls/control_looks.h"
#include "skin/controls/skin_control.h"
#include "skin/data/glyph_layout.h"

namespace lq {

class LqSkinButton : public LqSkinCustomControl {
  Q_OBJECT

 public:
  explicit LqSkinButton(QWidget* parent = nullptr);
  ~LqSkinButton() override;

  QString Caption() const { return Caption_; }
  void SetCaption(const QString& text);

  bool UseSkinSize() const { return UseSkinSize_; }
  void SetUseSkinSize(bool on);
  bool RepeatMode = false;
  int RepeatInterval = 100;
  bool AllowAllUp = false;
  bool CanFocused() const { return CanFocused_; }
  void SetCanFocused(bool on);
  bool Down() const { return Down_; }
  void SetDown(bool down);
  int GroupIndex() const { return GroupIndex_; }
  void SetGroupIndex(int group);
  void SetGlyph(const QImage& glyph);
  const QImage& Glyph() const { return Glyph_; }
  int NumGlyphs() const { return NumGlyphs_; }
  void SetNumGlyphs(int n);
  int Margin() const { return Margin_; }
  void SetMargin(int m);
  int Spacing() const { return Spacing_; }
  void SetSpacing(int s);
  GlyphLayout Layout() const { return Layout_; }
  void SetLayout(GlyphLayout l);
  bool Cancel = false;
  bool Default() const { return Default_; }
  void SetDefault(bool on);
  int ModalResult = 0;

  // Called before glyph and caption are drawn; clearing drawDefault skips them.
  using PaintHook = std::function<void(QPainter&, const QRect& client, bool& drawDefault,
                                       bool active, bool down)>;
  void SetPaintHook(PaintHook hook) { paintHook_ = std::move(hook); }

  // The button's action: clicked() (and the form's modal result for focusable buttons).
  virtual void ButtonClick();

  void BindSkin() override;
  void ApplySkin() override;
  void FitSizeToSkin(int& width, int& height) override;

  double MorphFactor() const { return morphFactor_; }
  bool Morphing() const { return morphTimer_.isActive(); }
  bool Animating() const { return animateTimer_.isActive(); }
  int AnimationFrame() const { return frame_; }
  // The state image and font colour the current state draws with (bound look).
  Rect StateRect() const;
  Color StateFontColor() const;
  const ButtonLook& Look() const { return look_; }

 signals:
  void clicked();

 protected:
  virtual void DrawState(QImage& canvas, const Rect& skinRect, bool active, bool down);
  void DrawDefault(QImage& canvas) override;
  void DrawSkin(QImage& canvas) override;
  void paintEvent(QPaintEvent* e) override;
  // Glyph and caption in area, in the painter's font and pen.
  void DrawGlyphAndCaption(QPainter& p, const QRect& area, bool down);

  void enterEvent(QEnterEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void changeEvent(QEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  bool event(QEvent* e) override;

  bool Focused() const { return CanFocused_ && hasFocus(); }
  bool Grouped() const { return GroupIndex_ != 0; }
  // The down look: pressed with the mouse over it (or by keyboard), or a grouped button.
  bool ShowsDown() const;
  bool EffectsOn() const;
  // A focusable default button looks active while a control that is not a push
  // button has the focus in its window (Enter would click it).
  bool HoldsDefaultLook() const;
  void StartMorph();
  void StopEffects();

 private:
  PaintHook paintHook_;
  void HoverChanged(bool entering);
  void StartAnimation(bool up);
  void AnimationTick();
  void MorphTick();
  void RepeatTick();
  void WatchWindowKeys();
  Rect AnimationFrameRect() const;

  QString Caption_;
  bool UseSkinSize_ = true;
  bool CanFocused_ = true;
  bool Down_ = false;
  int GroupIndex_ = 0;
  QImage Glyph_;
  int NumGlyphs_ = 1;
  int Margin_ = -1, Spacing_ = 1;
  GlyphLayout Layout_ = GlyphLayout::Left;
  bool Default_ = false;
  int shortcutId_ = 0;
  QMetaObject::Connection focusWatch_;

  bool pressedByMouse_ = false;
  bool downOnPress_ = false;
  ButtonLook look_;

  QTimer repeatTimer_, animateTimer_, morphTimer_;
  int frame_ = 0;
  bool animatingUp_ = true;
  double morphFactor_ = 0.0;
};

class LqSkinXFormButton : public LqSkinButton {
 public:
  explicit LqSkinXFormButton(QWidget* parent = nullptr);

  void SetDefImage(const QImage& image);
  void SetDefActiveImage(const QImage& image) { DefActiveImage_ = image; }
  void SetDefDownImage(const QImage& image) { DefDownImage_ = image; }
  void SetDefMask(const QImage& mask);
  const QImage& DefImage() const { return DefImage_; }
  Color DefActiveFontColor = 0;
  Color DefDownFontColor = 0;

  void ApplySkin() override;
  void SetBounds(const QRect& r) override;
  void UpdateRegion() override;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  bool OwnImageMode() const { return !IsBound() && !DefImage_.isNull(); }
  void PaintOwnImage(QPainter& p);

  QImage DefImage_, DefActiveImage_, DefDownImage_, DefMask_;
};

}  // namespace lq
