#pragma once
// The skin-binding state every skinned control carries: the skin data it draws from,
// the element it binds to by name, the bound descriptor, the font it falls back on
// and whether the mouse is over it. A control holds one and forwards its public
// skin properties to it, so the rules for binding and for choosing between the
// skin's font and the default font live in one place.

#include <QFont>
#include <string>

#include "skin/controls/control_looks.h"
#include "skin/controls/control_style.h"

class QWidget;

namespace lq {

class LqSkinData;
class LqDataSkinControl;

class SkinBinding {
 public:
  explicit SkinBinding(std::string name = {}) : name_(std::move(name)) {}

  LqSkinData* Data() const { return data_; }
  // Stores the reference (not owned); true when it holds a loaded skin to apply.
  bool SetData(LqSkinData* data);
  bool Loaded() const;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }

  int Index() const { return index_; }
  bool Bound() const { return index_ >= 0; }
  // The descriptor index of the element named Name, or -1 without a loaded skin or
  // an element of that name.
  int Lookup() const;
  // Binds to what Lookup finds.
  int Bind() { return index_ = Lookup(); }
  // Records the outcome of a bind a look copier made (descriptor index or -1).
  void SetIndex(int index) { index_ = index; }
  // Forgets the descriptor of a skin that is about to change.
  void Release() { index_ = -1; }
  // The bound descriptor, or null while unbound.
  const LqDataSkinControl* Descriptor() const;

  // The font while unbound, and always when UseSkinFont is off.
  const LqFont& DefaultFont() const { return defaultFont_; }
  // False when the font was already the default one.
  bool SetDefaultFont(const LqFont& font);
  bool UseSkinFont() const { return useSkinFont_; }
  void SetUseSkinFont(bool on) { useSkinFont_ = on; }
  bool UseSkinFontColor() const { return useSkinFontColor_; }
  void SetUseSkinFontColor(bool on) { useSkinFontColor_ = on; }
  // The skin's font is in use: bound, with UseSkinFont on.
  bool SkinFontInUse() const { return Bound() && useSkinFont_; }
  // The skin's font (given by the element) while that is in use, else the default font.
  QFont Font(const QString& name, int height, TFontStyles style) const;
  QFont Font(const FontLook& skinFont) const;
  // The skin's colour while bound with UseSkinFontColor, else the default font's.
  Color FontColor(Color skinColor) const;

  // Mouse over the control, as its enter and leave handlers report it.
  bool Hovered() const { return hovered_; }
  void SetHovered(bool on) { hovered_ = on; }
  // The active look: hovered, or focused.
  bool Active(const QWidget& control) const;

 private:
  LqSkinData* data_ = nullptr;
  std::string name_;
  int index_ = -1;
  LqFont defaultFont_;
  bool useSkinFont_ = true;
  bool useSkinFontColor_ = true;
  bool hovered_ = false;
};

}  // namespace lq
