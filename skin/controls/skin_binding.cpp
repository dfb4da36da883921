#include "skin/controls/skin_binding.h"

#include <QWidget>

#include "skin/controls/skin_access.h"

namespace lq {

bool SkinBinding::SetData(LqSkinData* data) {
  data_ = data;
  return SkinLoaded(data);
}

bool SkinBinding::Loaded() const {
  return SkinLoaded(data_);
}

int SkinBinding::Lookup() const {
  return LookupControl(data_, name_);
}

const LqDataSkinControl* SkinBinding::Descriptor() const {
  return Bound() ? ControlAt(data_, index_) : nullptr;
}

bool SkinBinding::SetDefaultFont(const LqFont& font) {
  if (font == defaultFont_) return false;
  defaultFont_ = font;
  return true;
}

QFont SkinBinding::Font(const QString& name, int height, TFontStyles style) const {
  return SkinFontInUse() ? MakeQFont(name, height, style) : MakeQFont(defaultFont_);
}

QFont SkinBinding::Font(const FontLook& skinFont) const {
  return Font(QString::fromStdString(skinFont.fontname), skinFont.fontheight, skinFont.fontstyle);
}

Color SkinBinding::FontColor(Color skinColor) const {
  return Bound() && useSkinFontColor_ ? skinColor : defaultFont_.color;
}

bool SkinBinding::Active(const QWidget& control) const {
  return hovered_ || control.hasFocus();
}

}  // namespace lq
