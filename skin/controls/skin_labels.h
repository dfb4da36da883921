#pragma once
// Text controls: the windowless std label that draws its caption over its parent,
// and the framed label / status panel that draw a skin element behind the text.

#include <QImage>
#include <QWidget>

#include "skin/controls/control_looks.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_panel.h"

namespace lq {

enum class EllipsisStyle { None, End, Path };

// A transparent label: it never fills its background, so the parent shows through.
class LqSkinStdLabel : public QWidget, public SkinClient {
 public:
  explicit LqSkinStdLabel(QWidget* parent = nullptr);

  QString Caption() const { return Caption_; }
  void SetCaption(const QString& text);
  Qt::Alignment Alignment() const { return Alignment_; }
  void SetAlignment(Qt::Alignment a);
  bool AutoSize() const { return AutoSize_; }
  void SetAutoSize(bool on);
  bool WordWrap() const { return WordWrap_; }
  void SetWordWrap(bool on);
  EllipsisStyle EllipsType() const { return EllipsType_; }
  void SetEllipsType(EllipsisStyle t);
  bool UseSkinFont() const { return binding_.UseSkinFont(); }
  void SetUseSkinFont(bool on);
  bool UseSkinColor() const { return binding_.UseSkinFontColor(); }
  void SetUseSkinColor(bool on);
  const LqFont& DefaultFont() const { return binding_.DefaultFont(); }
  void SetDefaultFont(const LqFont& f);
  // The label's own font, used when UseSkinFont is false.
  const LqFont& Font() const { return Font_; }
  void SetFont(const LqFont& f);

  LqSkinData* SkinData() const { return binding_.Data(); }
  // Stores the reference; when one is given, binds, re-sizes and repaints.
  void SetSkinData(LqSkinData* data);
  const std::string& SkinDataName() const { return binding_.Name(); }
  void SetSkinDataName(const std::string& name);
  int DescriptorIndex() const { return binding_.Index(); }

  // Bind, re-size (with AutoSize) and repaint: what the skin-change walk calls.
  void UpdateSkin();
  LqSkinData* skinDataRef() const override { return binding_.Data(); }
  void ReleaseSkin() override;
  void ApplySkin() override { UpdateSkin(); }

  // The font and colour the caption is drawn in.
  QFont CurrentFont() const;
  Color CurrentColor() const;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void BindSkin();
  void AdjustSize();
  int TextFlags() const;

  QString Caption_;
  Qt::Alignment Alignment_ = Qt::AlignLeft;
  bool AutoSize_ = true, WordWrap_ = false;
  EllipsisStyle EllipsType_ = EllipsisStyle::None;
  SkinBinding binding_{"stdlabel"};
  LqFont Font_;
  StdLabelLook look_;
  bool lookCopied_ = false;
};

enum class LabelEllipsis { None, End };

class LqSkinLabel : public LqSkinCustomControl {
 public:
  explicit LqSkinLabel(QWidget* parent = nullptr);

  QString Caption() const { return Caption_; }
  void SetCaption(const QString& text);
  LabelEllipsis EllipsType() const { return EllipsType_; }
  void SetEllipsType(LabelEllipsis t);
  bool UseSkinSize() const { return UseSkinSize_; }
  void SetUseSkinSize(bool on);
  BevelStyle BorderStyle() const { return BorderStyle_; }
  void SetBorderStyle(BevelStyle s);
  TextAlignment Alignment() const { return Alignment_; }
  void SetAlignment(TextAlignment a);
  bool AutoSize() const { return AutoSize_; }
  void SetAutoSize(bool on);

  void BindSkin() override;
  void FitSizeToSkin(int& width, int& height) override;
  // The text area for the current size (fitted client rectangle, or inset 3 unbound).
  QRect TextArea() const;
  QFont CurrentFont() const;
  Color CurrentColor() const;

 protected:
  void DrawDefault(QImage& canvas) override;
  void DrawSkin(QImage& canvas) override;
  // Width taken in front of the text (the status panel's image).
  virtual int ImageSpace() const { return 0; }
  virtual void DrawImage(QPainter&, QRect&) {}
  void DrawText(QPainter& p, QRect area);
  void AdjustSize();

  QString Caption_;
  LabelEllipsis EllipsType_ = LabelEllipsis::None;
  bool UseSkinSize_ = true;
  BevelStyle BorderStyle_ = BevelStyle::Frame;
  TextAlignment Alignment_ = TextAlignment::Left;
  bool AutoSize_ = false;
  LabelLook look_;
};

class LqSkinStatusPanel : public LqSkinLabel {
 public:
  explicit LqSkinStatusPanel(QWidget* parent = nullptr);
  // NumGlyphs images side by side; the second is the disabled look.
  void SetGlyph(const QImage& glyph, int numGlyphs = 1);
  int NumGlyphs() const { return NumGlyphs_; }

 protected:
  int ImageSpace() const override;
  void DrawImage(QPainter& p, QRect& area) override;

 private:
  QImage Glyph_;
  int NumGlyphs_ = 1;
};

}  // namespace lq
