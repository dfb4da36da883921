#pragma once
// Base classes of the windowed skinned controls. A control binds to a skin element
// by name (SkinData + SkinDataName), re-binding on every paint and bounds change;
// while unbound it draws its built-in default look. LqSkinCustomControl adds the
// element geometry, size fitting, the window region cut from the mask picture and
// double-buffered painting of the element image.

#include <QImage>
#include <QWidget>
#include <functional>
#include <string>

#include "skin/controls/control_style.h"
#include "skin/controls/skin_binding.h"
#include "skin/controls/skin_client.h"
#include "skin/controls/slice_geometry.h"

namespace lq {

class LqSkinData;
class LqDataSkinControl;

class LqSkinControl : public QWidget, public SkinClient {
  Q_OBJECT

 public:
  explicit LqSkinControl(QWidget* parent = nullptr);
  ~LqSkinControl() override;

  LqSkinData* SkinData() const { return binding_.Data(); }
  // Stores the reference; a loaded skin is applied at once.
  virtual void SetSkinData(LqSkinData* data);
  const std::string& SkinDataName() const { return binding_.Name(); }
  // Stores the name only: binding happens at the next BindSkin.
  virtual void SetSkinDataName(const std::string& name);
  int DescriptorIndex() const { return binding_.Index(); }
  bool IsBound() const { return binding_.Bound(); }
  // The bound descriptor, or null while unbound.
  const LqDataSkinControl* Descriptor() const { return binding_.Descriptor(); }
  const SkinBinding& Binding() const { return binding_; }

  QString HintTitle;
  int HintImageIndex = 0;

  // Resolves SkinDataName to a descriptor and copies what the control draws from.
  virtual void BindSkin();
  virtual void ApplySkin() override;
  virtual void ReleaseSkin() override;
  LqSkinData* skinDataRef() const override { return binding_.Data(); }

  // Moves and sizes the control; a bound control adjusts the size it is given at
  // once, even while hidden (a hidden widget sees its resize event only when shown).
  // Sizing it any other way is fitted in the resize event.
  virtual void SetBounds(const QRect& r);
  void SetSize(int w, int h) { SetBounds(QRect(x(), y(), w, h)); }

  // The rectangle aligned children are placed in, and placing them there.
  virtual QRect AlignClientRect() const { return rect(); }
  void AlignControls();

  // The mouse is over the control, as the control's own event handlers track it.
  bool MouseInside() const { return binding_.Hovered(); }

  // True only while the control paints itself.
  bool PaintInProgress() const { return paintInProgress_; }

 signals:
  void mouseEntered();
  void mouseLeft();

 protected:
  virtual void DrawDefault(QImage& canvas);
  virtual void DrawSkin(QImage& canvas);
  virtual void ParentBackgroundChanged() {}

  // Paints through an off-screen image of the control's size.
  void PaintBuffered(QPainter& painter);

  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void enterEvent(QEnterEvent* e) override;
  void leaveEvent(QEvent* e) override;
  bool event(QEvent* e) override;

  SkinBinding binding_;

 private:
  bool paintInProgress_ = false;
};

class LqSkinCustomControl : public LqSkinControl {
 public:
  explicit LqSkinCustomControl(QWidget* parent = nullptr);

  int DefaultWidth() const { return DefaultWidth_; }
  int DefaultHeight() const { return DefaultHeight_; }
  void SetDefaultWidth(int w);
  void SetDefaultHeight(int h);
  const LqFont& DefaultFont() const { return binding_.DefaultFont(); }
  void SetDefaultFont(const LqFont& font);
  bool UseSkinFont() const { return binding_.UseSkinFont(); }
  void SetUseSkinFont(bool on);
  bool UseSkinFontColor() const { return binding_.UseSkinFontColor(); }
  void SetUseSkinFontColor(bool on);

  lq::SliceMode SliceMode() const { return SliceMode_; }
  const SliceGeometry& Geometry() const { return geom_; }
  const FittedGeometry& Fitted() const { return fitted_; }
  Rect FittedClientRect() const { return fitted_.client; }

  void BindSkin() override;
  void ApplySkin() override;
  void ReleaseSkin() override;
  void SetBounds(const QRect& r) override;
  // The element's size where the skin fixes it (in one direction or both).
  QSize sizeHint() const override;

  // In/out: adjusts a proposed size to what the element allows and computes the
  // fitted points and client rectangle for it.
  virtual void FitSizeToSkin(int& width, int& height);
  // Cuts and applies the window region for the current size.
  virtual void UpdateRegion();
  Rect MapSkinRect(const Rect& r) const;

 protected:
  virtual void DefaultFontChanged() {}
  void DrawDefault(QImage& canvas) override;
  void DrawSkin(QImage& canvas) override;
  // Composes the element image from source (skinrect or a state rectangle) at the
  // canvas size and draws it at (0, 0).
  void DrawElementImage(QImage& canvas, const Rect& source);
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

  // True when the bound descriptor carries element geometry (a custom-control kind).
  bool HasElementGeometry() const { return IsBound() && customDescriptor_; }
  const Bitmap* Picture() const { return picture_; }
  const Bitmap* MaskPicture() const { return maskPicture_; }
  void DropMaskPicture() { maskPicture_ = nullptr; }
  // The font of the current look: the element's with UseSkinFont, else DefaultFont.
  QFont SkinOrDefaultFont(const QString& name, int height, int style) const {
    return binding_.Font(name, height, style);
  }

  bool splitFrame_ = false;
  bool fillClient_ = true;
  bool regionApplied_ = false;

 private:
  void PaintSplitFrame(QPainter& painter);
  void ApplySize(int w, int h);
  void FitToSkin();

  int DefaultWidth_ = 0, DefaultHeight_ = 0;
  SliceGeometry geom_;
  FittedGeometry fitted_;
  lq::SliceMode SliceMode_ = lq::SliceMode::Fixed;
  bool customDescriptor_ = false;
  const Bitmap* picture_ = nullptr;
  const Bitmap* maskPicture_ = nullptr;
  bool fitting_ = false;
};

}  // namespace lq
