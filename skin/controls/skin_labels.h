#pragma once
// Text controls: the windowless std label that draws its caption over its parent,
// and the framed label / status panel that draw a skin element behind the text.

#include <QImage>
#include <QWidget>

#include "skin/controls/control_looks.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_panel.h"

namespace lq {

enum TlqStdEllipsType { lqetNone, lqetEndEllips, lqetPathEllips };

// A transparent label: it never fills its background, so the parent shows through.
class TlqSkinStdLabel : public QWidget, public SkinClient {
 public:
  explicit TlqSkinStdLabel(QWidget* parent = nullptr);

  QString Caption() const { return Caption_; }
  void SetCaption(const QString& text);
  Qt::Alignment Alignment() const { return Alignment_; }
  void SetAlignment(Qt::Alignment a);
  bool AutoSize() const { return AutoSize_; }
  void SetAutoSize(bool on);
  bool WordWrap() const { return WordWrap_; }
  void SetWordWrap(bool on);
  TlqStdEllipsType EllipsType() const { return EllipsType_; }
  void SetEllipsType(TlqStdEllipsType t);
  bool UseSkinFont() const { return UseSkinFont_; }
  void SetUseSkinFont(bool on);
  bool UseSkinColor() const { return UseSkinColor_; }
  void SetUseSkinColor(bool on);
  const TlqFont& DefaultFont() const { return DefaultFont_; }
  void SetDefaultFont(const TlqFont& f);
  // The label's own font, used when UseSkinFont is false.
  const TlqFont& Font() const { return Font_; }
  void SetFont(const TlqFont& f);

  TlqSkinData* SkinData() const { return SkinData_; }
  // Stores the reference; when one is given, binds, re-sizes and repaints.
  void SetSkinData(TlqSkinData* data);
  const std::string& SkinDataName() const { return SkinDataName_; }
  void SetSkinDataName(const std::string& name);
  int DescriptorIndex() const { return DescriptorIndex_; }

  // Bind, re-size (with AutoSize) and repaint: what the skin-change walk calls.
  void UpdateSkin();
  TlqSkinData* skinDataRef() const override { return SkinData_; }
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
  TlqStdEllipsType EllipsType_ = lqetNone;
  bool UseSkinFont_ = true, UseSkinColor_ = true;
  TlqFont DefaultFont_, Font_;
  TlqSkinData* SkinData_ = nullptr;
  std::string SkinDataName_ = "stdlabel";
  int DescriptorIndex_ = -1;
  FontLook look_;
  bool lookCopied_ = false;
};

enum TlqLabelEllipsType { lqetNoneEllips, lqetEllips };

class TlqSkinLabel : public TlqSkinCustomControl {
 public:
  explicit TlqSkinLabel(QWidget* parent = nullptr);

  QString Caption() const { return Caption_; }
  void SetCaption(const QString& text);
  TlqLabelEllipsType EllipsType() const { return EllipsType_; }
  void SetEllipsType(TlqLabelEllipsType t);
  bool UseSkinSize() const { return UseSkinSize_; }
  void SetUseSkinSize(bool on);
  bool UseSkinFontColor() const { return UseSkinFontColor_; }
  void SetUseSkinFontColor(bool on);
  TBevelStyle BorderStyle() const { return BorderStyle_; }
  void SetBorderStyle(TBevelStyle s);
  TAlignment Alignment() const { return Alignment_; }
  void SetAlignment(TAlignment a);
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
  TlqLabelEllipsType EllipsType_ = lqetNoneEllips;
  bool UseSkinSize_ = true, UseSkinFontColor_ = true;
  TBevelStyle BorderStyle_ = bvFrame;
  TAlignment Alignment_ = taLeftJustify;
  bool AutoSize_ = false;
  FontLook look_;
};

class TlqSkinStatusPanel : public TlqSkinLabel {
 public:
  explicit TlqSkinStatusPanel(QWidget* parent = nullptr);
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
