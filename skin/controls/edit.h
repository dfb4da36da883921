#pragma once
// LqSkinEdit: a single-line text field drawn in the "edit" element of the skin
// (three-part strip, text inside its client rectangle), or with a two-pixel frame
// while unbound. Input methods, clipboard and undo come from QLineEdit.

#include <QLineEdit>
#include <functional>
#include <string>

#include "skin/controls/control_style.h"
#include "skin/controls/edit_look.h"
#include "skin/controls/skin_binding.h"
#include "skin/controls/skin_client.h"

namespace lq {

class LqSkinData;

class LqSkinEdit : public QLineEdit, public SkinClient {
  Q_OBJECT

 public:
  explicit LqSkinEdit(QWidget* parent = nullptr);

  LqSkinData* SkinData() const { return binding_.Data(); }
  // Stores the reference; a loaded skin is applied at once.
  void SetSkinData(LqSkinData* data);
  const std::string& SkinDataName() const { return binding_.Name(); }
  void SetSkinDataName(const std::string& name) { binding_.SetName(name); }
  int DescriptorIndex() const { return binding_.Index(); }
  bool IsBound() const { return binding_.Bound(); }

  Color DefaultColor() const { return DefaultColor_; }
  void SetDefaultColor(Color c);
  const LqFont& DefaultFont() const { return binding_.DefaultFont(); }
  void SetDefaultFont(const LqFont& f);
  bool UseSkinFont() const { return binding_.UseSkinFont(); }
  void SetUseSkinFont(bool on);
  int DefaultWidth() const { return DefaultWidth_; }
  int DefaultHeight() const { return DefaultHeight_; }
  void SetDefaultWidth(int w);
  void SetDefaultHeight(int h);
  bool ButtonMode() const { return ButtonMode_; }
  void SetButtonMode(bool on);

  // Asked for Enter and Escape before they go on to the form; clearing the key
  // keeps it from the form.
  using KeyFilter = std::function<void(QChar& key)>;
  void SetKeyFilter(KeyFilter filter) { keyFilter_ = std::move(filter); }

  LqSkinData* skinDataRef() const override { return binding_.Data(); }
  void ReleaseSkin() override;
  void ApplySkin() override;

  // The current look: hot (mouse inside) or focused controls draw active.
  bool Active() const { return binding_.Active(*this); }
  // The height the control keeps for the current skin and font, or 0 for any.
  int ForcedHeight() const;
  // Text colour in use now.
  Color TextColor() const;
  // The button at the right edge in button mode, in widget coordinates.
  QRect ButtonRect() const;
  bool ButtonPressed() const { return buttonDown_ && buttonHot_; }

 signals:
  void mouseEntered();
  void mouseLeft();
  void buttonClicked();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void enterEvent(QEnterEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  KeyFilter keyFilter_;
  void BindSkin();
  void UpdateLook();
  void PaintFrame(QPainter& p);

  SkinBinding binding_{"edit"};
  EditLook look_;
  Color DefaultColor_ = SystemColor(5);  // window colour
  int DefaultWidth_ = 0, DefaultHeight_ = 0;
  bool ButtonMode_ = false;
  bool buttonDown_ = false, buttonHot_ = false;
};

}  // namespace lq
