#pragma once
// LqSkinComboBox: a drop-down list box drawn from the "combobox" element of the skin
// (three-part strip with a button at the right edge, the current item inside the client
// rectangle, skinned items in the dropped-down list), or with a sunken frame and a plain
// button while unbound. Selection, keys, wheel and signals are QComboBox's.

#include <QComboBox>
#include <string>

#include "skin/controls/combo_box_look.h"
#include "skin/controls/control_style.h"
#include "skin/controls/skin_binding.h"
#include "skin/controls/skin_client.h"

namespace lq {

class LqSkinData;
class LqComboItemDelegate;
class LqComboListView;

class LqSkinComboBox : public QComboBox, public SkinClient {
 public:
  explicit LqSkinComboBox(QWidget* parent = nullptr);
  ~LqSkinComboBox() override;

  LqSkinData* SkinData() const { return binding_.Data(); }
  // Stores the reference; a loaded skin is applied at once.
  void SetSkinData(LqSkinData* data);
  const std::string& SkinDataName() const { return binding_.Name(); }
  // Takes effect with the next ApplySkin.
  void SetSkinDataName(const std::string& name) { binding_.SetName(name); }
  int DescriptorIndex() const { return binding_.Index(); }
  bool IsBound() const { return binding_.Bound(); }

  // The font while unbound, and always when UseSkinFont is off.
  const LqFont& DefaultFont() const { return binding_.DefaultFont(); }
  void SetDefaultFont(const LqFont& f);
  bool UseSkinFont() const { return binding_.UseSkinFont(); }
  void SetUseSkinFont(bool on);

  LqSkinData* skinDataRef() const override { return binding_.Data(); }
  void ReleaseSkin() override;
  void ApplySkin() override;

  // How far an item's icon and text sit right of the list's text column.
  virtual int ItemIndent(int row) const;

  // --- the current look ----------------------------------------------------------
  // Hovered or focused boxes draw active.
  bool Active() const { return binding_.Active(*this); }
  bool ButtonHot() const { return binding_.Hovered(); }
  // Pressed, or the list is dropped down.
  bool ButtonDown() const { return mouseDown_ || popupOpen_; }
  bool PopupOpen() const { return popupOpen_; }
  // The button and the current item's area, in widget coordinates.
  QRect ButtonRect() const;
  QRect ClientRect() const;
  // Text colour of the closed box now.
  Color TextColor() const;
  const ComboBoxLook& Look() const { return look_; }
  // The picture of the element and of the list frame while bound with one, else null.
  const Bitmap* Picture() const;
  const Bitmap* ListFramePicture() const;
  LqComboListView* ListView() const { return listView_; }
  // Items are drawn from the element's pictures (not plainly).
  bool SkinnedItems() const;

  // Frames the list for the current skin, then drops it down. However the list
  // closes, its window's hide resets the button.
  void showPopup() override;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void enterEvent(QEnterEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void UpdateLook();
  void PreparePopupFrame();

  SkinBinding binding_{"combobox"};
  ComboBoxLook look_;
  bool mouseDown_ = false, popupOpen_ = false;
  LqComboListView* listView_ = nullptr;
  LqComboItemDelegate* delegate_ = nullptr;
  QObject* frameFilter_ = nullptr;
};

}  // namespace lq
