#pragma once
// Container controls: a panel with a nine-part skin frame and skin-textured client
// area (optionally with a caption, a check mark and roll-up), and the group box,
// which is a captioned panel bound to the "groupbox" element.

#include <functional>

class QPainter;
class QRect;

#include "skin/controls/control_looks.h"
#include "skin/controls/skin_control.h"

namespace lq {

enum class ImagePosition { Default, Left };
enum class BevelStyle { Frame, Raised, Lowered, None };

// The unskinned face of panels and labels: button-face fill inside the bevel of `style`.
void DrawDefaultBevel(QPainter& p, const QRect& r, BevelStyle style);

class LqSkinPanel : public LqSkinCustomControl {
  Q_OBJECT

 public:
  explicit LqSkinPanel(QWidget* parent = nullptr);

  QString Caption() const { return Caption_; }
  void SetCaption(const QString& text);

  lq::ImagePosition ImagePosition() const { return ImagePosition_; }
  void SetImagePosition(lq::ImagePosition p);
  bool TransparentMode() const { return TransparentMode_; }
  void SetTransparentMode(bool on);
  int RealHeight() const { return RealHeight_; }
  bool AutoEnabledControls = true;
  bool CheckedMode() const { return CheckedMode_; }
  void SetCheckedMode(bool on);
  bool Checked() const { return Checked_; }
  void SetChecked(bool on);
  TextAlignment DefaultAlignment() const { return DefaultAlignment_; }
  void SetDefaultAlignment(TextAlignment a);
  int DefaultCaptionHeight() const { return DefaultCaptionHeight_; }
  void SetDefaultCaptionHeight(int h);
  BevelStyle BorderStyle() const { return BorderStyle_; }
  void SetBorderStyle(BevelStyle s);
  bool CaptionMode() const { return CaptionMode_; }
  void SetCaptionMode(bool on);
  bool RollUpMode() const { return RollUpMode_; }
  void SetRollUpMode(bool on);
  bool RollUpState() const { return RollUpState_; }
  void SetRollUpState(bool on);
  // The caption glyph: NumGlyphs images side by side, the second the disabled look.
  void SetGlyph(const QImage& glyph, int numGlyphs = 1);
  int Spacing = 2;

  void BindSkin() override;
  void ApplySkin() override;
  QRect AlignClientRect() const override;
  // The caption area in control coordinates (empty when the skin has none).
  QRect CaptionArea() const;
  const PanelLook& Look() const { return look_; }

 signals:
  void checkedChanged();
  void rollUpStateChanged();

 protected:
  void DrawDefault(QImage& canvas) override;
  void DrawSkin(QImage& canvas) override;
  void paintEvent(QPaintEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void DrawSkinCaption(QPainter& p, const QRect& area);
  void DrawDefaultCaption(QPainter& p);
  int GlyphWidth() const;
  void DrawRollGlyph(QPainter& p, int x, int y, Color c) const;
  void DrawGlyph(QPainter& p, int x, int y) const;
  void PaintWholeArea(QPainter& p, const QImage& image);
  int RolledUpHeight() const;

  QString Caption_;
  lq::ImagePosition ImagePosition_ = lq::ImagePosition::Default;
  bool TransparentMode_ = false;
  int RealHeight_ = -1;
  bool CheckedMode_ = false, Checked_ = false;
  TextAlignment DefaultAlignment_ = TextAlignment::Left;
  int DefaultCaptionHeight_ = 22;
  BevelStyle BorderStyle_ = BevelStyle::Frame;
  bool CaptionMode_ = false;
  bool RollUpMode_ = false, RollUpState_ = false;
  QImage Glyph_;
  int NumGlyphs_ = 1;
  PanelLook look_;
};

class LqSkinGroupBox : public LqSkinPanel {
 public:
  explicit LqSkinGroupBox(QWidget* parent = nullptr);
};

}  // namespace lq
