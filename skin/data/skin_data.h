#pragma once
// LqSkinData: one loaded skin. It owns the pictures, the frame information of [FORMINFO],
// the popup and hint window descriptors, the skin colours and one descriptor per element
// of [SKINOBJECTS] and [SKINCONTROLS]; consumers find descriptors by element name.
//
// Consumers check that the skin is not Empty, look their descriptor up by name, and look
// it up again after every skin change: SKIN_BEFORE_CHANGE invalidates all descriptors.

#include <memory>
#include <string>
#include <vector>

#include "skin/data/bitmap.h"
#include "skin/data/descriptors.h"
#include "skin/data/skin_ini.h"
#include "skin/data/skin_notifications.h"

namespace lq {

class LqCompressedStoredSkin;
class LqResourceStrData;

class LqSkinData {
 public:
  LqSkinData();
  ~LqSkinData();
  LqSkinData(const LqSkinData&) = delete;
  LqSkinData& operator=(const LqSkinData&) = delete;

  // --- Component properties -------------------------------------------------------------
  bool SkinnableForm() const { return skinnableForm_; }
  // A change sends SKIN_FORMSKINNABLE_CHANGED, except while StreamingIn.
  void SetSkinnableForm(bool value);
  bool EnableSkinEffects = true;
  // Loads the store at once (when it is set).
  void SetCompressedStoredSkin(LqCompressedStoredSkin* store);
  LqCompressedStoredSkin* CompressedStoredSkin() const { return store_; }
  // Always sends SKIN_STRINGS_CHANGED.
  void SetResourceStrData(LqResourceStrData* strings);
  LqResourceStrData* ResourceStrData() const { return strings_; }
  int SkinIndex = 0;
  // True while the owning form is being created from its stored properties.
  bool StreamingIn = false;
  // The receiver that hears every notification first (the owning form).
  LqSkinReceiver* Owner = nullptr;
  // A component this one refers to is going away: forget it (the loaded skin stays).
  void ComponentRemoved(const void* component);

  // --- Lookup ---------------------------------------------------------------------------
  // Position of the first descriptor whose IDName equals `name` exactly, or -1.
  int GetControlIndex(const std::string& name) const;
  int GetObjectIndex(const std::string& name) const;
  // The descriptor of that name when it is of class T (or derived), else nullptr.
  template <class T>
  T* FindControl(const std::string& name) const {
    int i = GetControlIndex(name);
    return i < 0 ? nullptr : dynamic_cast<T*>(ControlDescriptors[std::size_t(i)].get());
  }
  template <class T>
  T* FindObject(const std::string& name) const {
    int i = GetObjectIndex(name);
    return i < 0 ? nullptr : dynamic_cast<T*>(ObjectDescriptors[std::size_t(i)].get());
  }

  // --- Loading --------------------------------------------------------------------------
  // Loads a store: nothing at all when it is empty; otherwise SKIN_BEFORE_CHANGE, clear,
  // read, SKIN_CHANGED, SKIN_AFTER_CHANGE. A store that cannot be read (corrupt data, a
  // newer version, a bad picture or value) leaves the skin cleared and Empty, still sends
  // SKIN_CHANGED and SKIN_AFTER_CHANGE so forms redraw their default look, and returns
  // false; LastError() then says what was wrong.
  bool LoadCompressedStoredSkin(const LqCompressedStoredSkin& store);
  // The same for an already inflated container.
  bool LoadContainer(const std::vector<std::uint8_t>& container);
  // Reads the definition text into this skin data (throws SkinFormatError). Used by the
  // loaders above; pictures are not touched.
  void LoadDefinition(const SkinIni& ini);
  // Frees descriptors and active pictures, empties pictures and picture names, resets
  // the window descriptors' picture indices and the skin colours; sets Empty.
  void ClearSkin();
  void SendSkinMessage(int message);
  const std::string& LastError() const { return lastError_; }

  // Writes [VERSION], [PICTURES], [FORMINFO], the window sections, [SKINCOLORS] and every
  // element back into an ini.
  void SaveToIni(SkinIni& ini);
  // Visits the [FORMINFO] fields (as held, after the adjustments).
  void VisitFormInfo(SkinFieldVisitor& v);

  // --- Skin content ---------------------------------------------------------------------
  LqSkinColors SkinColors;
  LqDataSkinPopupWindow PopupWindowDescriptor;
  LqDataSkinHintWindow HintWindowDescriptor;
  bool Empty = true;
  bool ChangingSkin = false;

  Bitmap MainPicture, InactivePicture, MaskBitmap;
  std::vector<Bitmap> ActivePictures;
  std::string picture, inactivepicture, mask;  // [PICTURES] names; a mask marks a shaped frame
  std::vector<std::string> ActivePictureNames;
  std::vector<std::unique_ptr<LqDataSkinObject>> ObjectDescriptors;
  std::vector<std::unique_ptr<LqDataSkinControl>> ControlDescriptors;

  // [FORMINFO]
  Point lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint;
  Rect clientrect;
  int bgpictureindex = -1, mdibgpictureindex = -1;
  bool leftstretch = false, rightstretch = false, topstretch = false, bottomstretch = false;
  bool stretcheffect = false;
  StretchType stretchtype = StretchType::Full;
  bool mdibgstretcheffect = false;
  StretchType mdibgstretchtype = StretchType::Full;
  Rect maskrectarea;
  Point hittestlefttoppoint, hittestrighttoppoint, hittestleftbottompoint, hittestrightbottompoint;
  Rect buttonsrect, captionrect;
  int buttonsoffset = 0;
  bool buttonsinleft = false;
  bool mainmenupopupup = false;
  int borderwidth = 0;
  int formminwidth = 0;
  bool mditabstransparent = false, mainmenubartransparent = false;
  bool autorenderinginactiveimage = false;
  InactiveEffect inactiveeffect = InactiveEffect::Brightness;

  // [VERSION]
  std::string skinname, skinauthor, authoremail, authorurl, skincomments;

 private:
  bool Load(const std::vector<std::uint8_t>* container, const LqCompressedStoredSkin* store);
  void LoadFormInfo(const SkinIni& ini);

  bool skinnableForm_ = true;
  LqCompressedStoredSkin* store_ = nullptr;
  LqResourceStrData* strings_ = nullptr;
  std::string lastError_;
};

}  // namespace lq
