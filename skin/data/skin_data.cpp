#include "skin/data/skin_data.h"

#include <algorithm>
#include <new>

#include "skin/data/resource_str_data.h"
#include "skin/data/skin_container.h"
#include "skin/data/stored_skin.h"

namespace lq {
namespace {

bool PointUnset(const Point& p) {
  return p.x == 0 || p.y == 0;
}

// Splits "name:kind" at the first colon; false when there is none.
bool SplitEntry(const std::string& entry, std::string& name, std::string& kind) {
  std::size_t colon = entry.find(':');
  if (colon == std::string::npos) return false;
  name = entry.substr(0, colon);
  kind = entry.substr(colon + 1);
  return true;
}

}  // namespace

LqSkinData::LqSkinData() = default;

LqSkinData::~LqSkinData() {
  Empty = true;  // no notification on destruction
}

void LqSkinData::SetSkinnableForm(bool value) {
  if (value == skinnableForm_) return;
  skinnableForm_ = value;
  if (!StreamingIn) SendSkinMessage(SKIN_FORMSKINNABLE_CHANGED);
}

void LqSkinData::SetCompressedStoredSkin(LqCompressedStoredSkin* store) {
  store_ = store;
  if (store_) LoadCompressedStoredSkin(*store_);
}

void LqSkinData::SetResourceStrData(LqResourceStrData* strings) {
  strings_ = strings;
  SendSkinMessage(SKIN_STRINGS_CHANGED);
}

void LqSkinData::ComponentRemoved(const void* component) {
  if (component == store_) store_ = nullptr;
  if (component == strings_) strings_ = nullptr;
}

int LqSkinData::GetControlIndex(const std::string& name) const {
  for (std::size_t i = 0; i < ControlDescriptors.size(); ++i)
    if (ControlDescriptors[i]->IDName == name) return int(i);
  return -1;
}

int LqSkinData::GetObjectIndex(const std::string& name) const {
  for (std::size_t i = 0; i < ObjectDescriptors.size(); ++i)
    if (ObjectDescriptors[i]->IDName == name) return int(i);
  return -1;
}

void LqSkinData::SendSkinMessage(int message) {
  // A receiver may go away while an earlier one handles the message: walk a copy and
  // skip receivers that are no longer registered.
  if (Owner && IsSkinReceiverAlive(Owner)) Owner->SkinNotification(message, *this);
  const std::vector<LqSkinReceiver*> receivers = SkinReceivers();
  for (LqSkinReceiver* r : receivers)
    if (r != Owner && IsSkinReceiverAlive(r)) r->SkinNotification(message, *this);
}

void LqSkinData::ClearSkin() {
  ObjectDescriptors.clear();
  ControlDescriptors.clear();
  ActivePictures.clear();
  MainPicture = Bitmap();
  InactivePicture = Bitmap();
  MaskBitmap = Bitmap();
  picture.clear();
  mask.clear();
  PopupWindowDescriptor.windowpictureindex = -1;
  HintWindowDescriptor.windowpictureindex = -1;
  ActivePictureNames.clear();
  SkinColors.Reset();
  Empty = true;
}

bool LqSkinData::LoadCompressedStoredSkin(const LqCompressedStoredSkin& store) {
  if (store.IsEmpty()) return true;
  return Load(nullptr, &store);
}

bool LqSkinData::LoadContainer(const std::vector<std::uint8_t>& container) {
  return Load(&container, nullptr);
}

bool LqSkinData::Load(const std::vector<std::uint8_t>* container,
                      const LqCompressedStoredSkin* store) {
  Empty = true;
  ChangingSkin = true;
  SendSkinMessage(SKIN_BEFORE_CHANGE);
  ClearSkin();
  lastError_.clear();
  bool ok = false;
  try {
    std::vector<std::uint8_t> inflated;
    if (store) {
      if (!store->DecompressToStream(inflated, &lastError_)) throw SkinFormatError(lastError_);
      container = &inflated;
    }
    SkinContainer c;
    if (!ReadSkinContainer(container->data(), container->size(), c, lastError_))
      throw SkinFormatError(lastError_);
    if (c.main) MainPicture = std::move(c.main->pixels);
    if (c.inactive) InactivePicture = std::move(c.inactive->pixels);
    if (c.mask) MaskBitmap = std::move(c.mask->pixels);
    for (BmpPicture& p : c.active) ActivePictures.push_back(std::move(p.pixels));
    LoadDefinition(SkinIni::FromText(c.text));
    ok = true;
  } catch (const SkinFormatError& e) {
    lastError_ = e.what();
  } catch (const std::bad_alloc&) {
    lastError_ = "out of memory while loading the skin";
  }
  if (ok) {
    Empty = false;
  } else {
    ClearSkin();  // a half-read skin is never shown
  }
  SendSkinMessage(SKIN_CHANGED);
  ChangingSkin = false;
  SendSkinMessage(SKIN_AFTER_CHANGE);
  return ok;
}

void LqSkinData::LoadDefinition(const SkinIni& ini) {
  skinname = ReadSkinString(ini, "VERSION", "skinname", "");
  skinauthor = ReadSkinString(ini, "VERSION", "skinauthor", "");
  authoremail = ReadSkinString(ini, "VERSION", "authoremail", "");
  authorurl = ReadSkinString(ini, "VERSION", "authorurl", "");
  skincomments = ReadSkinString(ini, "VERSION", "skincomments", "");
  picture = ReadSkinString(ini, "PICTURES", "picture", "");
  inactivepicture = ReadSkinString(ini, "PICTURES", "inactivepicture", "");
  mask = ReadSkinString(ini, "PICTURES", "mask", "");
  ActivePictureNames = ReadIniList(ini, "PICTURES", "activepictures");
  LoadFormInfo(ini);
  PopupWindowDescriptor.LoadFromIni(ini);
  HintWindowDescriptor.LoadFromIni(ini);
  SkinColors.LoadFromIni(ini);

  std::string name, kind;
  for (const std::string& entry : ReadIniList(ini, "SKINOBJECTS", "")) {
    if (!SplitEntry(entry, name, kind)) continue;
    std::unique_ptr<LqDataSkinObject> d = CreateObjectDescriptor(kind, name);
    if (!d) continue;
    ObjectDescriptors.push_back(std::move(d));
    ObjectDescriptors.back()->LoadFromIni(ini);
  }
  for (const std::string& entry : ReadIniList(ini, "SKINCONTROLS", "")) {
    if (!SplitEntry(entry, name, kind)) continue;
    std::unique_ptr<LqDataSkinControl> d = CreateControlDescriptor(kind, name);
    if (!d) continue;
    ControlDescriptors.push_back(std::move(d));
    ControlDescriptors.back()->LoadFromIni(ini);
  }
}

void LqSkinData::VisitFormInfo(SkinFieldVisitor& v) {
  v.PointValue("lefttoppoint", lefttoppoint);
  v.PointValue("righttoppoint", righttoppoint);
  v.PointValue("leftbottompoint", leftbottompoint);
  v.PointValue("rightbottompoint", rightbottompoint);
  v.RectValue("clientrect", clientrect);
  v.Integer("bgpictureindex", bgpictureindex, -1);
  v.Integer("mdibgpictureindex", mdibgpictureindex, -1);
  v.Flag("leftstretch", leftstretch);
  v.Flag("rightstretch", rightstretch);
  v.Flag("topstretch", topstretch);
  v.Flag("bottomstretch", bottomstretch);
  v.Flag("stretcheffect", stretcheffect);
  v.StretchTypeValue("stretchtype", stretchtype);
  v.Flag("mdibgstretcheffect", mdibgstretcheffect);
  v.StretchTypeValue("mdibgstretchtype", mdibgstretchtype);
  v.RectValue("maskrectarea", maskrectarea);
  v.PointValue("hittestlefttoppoint", hittestlefttoppoint);
  v.PointValue("hittestrighttoppoint", hittestrighttoppoint);
  v.PointValue("hittestleftbottompoint", hittestleftbottompoint);
  v.PointValue("hittestrightbottompoint", hittestrightbottompoint);
  v.RectValue("buttonsrect", buttonsrect);
  v.RectValue("captionrect", captionrect);
  v.Integer("buttonsoffset", buttonsoffset, 0);
  v.Flag("buttonsinleft", buttonsinleft);
  v.Flag("mainmenupopupup", mainmenupopupup);
  v.Integer("borderwidth", borderwidth, 0);
  v.Integer("formminwidth", formminwidth, 0);
  v.Flag("mditabstransparent", mditabstransparent);
  v.Flag("mainmenubartransparent", mainmenubartransparent);
  v.Flag("autorenderinginactiveimage", autorenderinginactiveimage);
  v.InactiveEffectValue("inactiveeffect", inactiveeffect);
}

void LqSkinData::LoadFormInfo(const SkinIni& ini) {
  IniFieldReader reader(ini, "FORMINFO");
  VisitFormInfo(reader);

  // A shaped frame: the mask area covers at least the client area, and hit-test corners
  // that are not set follow the frame's corner points.
  if (!mask.empty()) {
    if (maskrectarea.isEmpty()) {
      maskrectarea = clientrect;
    } else {
      maskrectarea.left = std::min(maskrectarea.left, clientrect.left);
      maskrectarea.top = std::min(maskrectarea.top, clientrect.top);
      maskrectarea.right = std::max(maskrectarea.right, clientrect.right);
      maskrectarea.bottom = std::max(maskrectarea.bottom, clientrect.bottom);
    }
    if (PointUnset(hittestlefttoppoint)) hittestlefttoppoint = lefttoppoint;
    if (PointUnset(hittestrighttoppoint)) hittestrighttoppoint = righttoppoint;
    if (PointUnset(hittestleftbottompoint)) hittestleftbottompoint = leftbottompoint;
    if (PointUnset(hittestrightbottompoint)) hittestrightbottompoint = rightbottompoint;
  }
  // Corner pieces never reach into the client area.
  if (rightbottompoint.x != lefttoppoint.x && rightbottompoint.y != lefttoppoint.y) {
    lefttoppoint.x = std::max(lefttoppoint.x, clientrect.left);
    leftbottompoint.x = std::max(leftbottompoint.x, clientrect.left);
    lefttoppoint.y = std::max(lefttoppoint.y, clientrect.top);
    righttoppoint.y = std::max(righttoppoint.y, clientrect.top);
    righttoppoint.x = std::min(righttoppoint.x, clientrect.right);
    rightbottompoint.x = std::min(rightbottompoint.x, clientrect.right);
    leftbottompoint.y = std::min(leftbottompoint.y, clientrect.bottom);
    rightbottompoint.y = std::min(rightbottompoint.y, clientrect.bottom);
  }
}

void LqSkinData::SaveToIni(SkinIni& ini) {
  ini.EraseSection("VERSION");
  ini.WriteString("VERSION", "skinname", skinname);
  ini.WriteString("VERSION", "skinauthor", skinauthor);
  ini.WriteString("VERSION", "authoremail", authoremail);
  ini.WriteString("VERSION", "authorurl", authorurl);
  ini.WriteString("VERSION", "skincomments", skincomments);
  ini.EraseSection("PICTURES");
  ini.WriteString("PICTURES", "picture", picture);
  ini.WriteString("PICTURES", "inactivepicture", inactivepicture);
  ini.WriteString("PICTURES", "mask", mask);
  WriteIniList(ini, "PICTURES", "activepictures", ActivePictureNames);
  ini.EraseSection("FORMINFO");
  IniFieldWriter formInfo(ini, "FORMINFO");
  VisitFormInfo(formInfo);
  PopupWindowDescriptor.SaveToIni(ini);
  HintWindowDescriptor.SaveToIni(ini);
  SkinColors.SaveToIni(ini);
  std::vector<std::string> objects, controls;
  for (const auto& d : ObjectDescriptors) objects.push_back(d->IDName + ":" + d->Kind());
  for (const auto& d : ControlDescriptors) controls.push_back(d->IDName + ":" + d->Kind());
  ini.EraseSection("SKINOBJECTS");
  WriteIniList(ini, "SKINOBJECTS", "", objects);
  ini.EraseSection("SKINCONTROLS");
  WriteIniList(ini, "SKINCONTROLS", "", controls);
  for (const auto& d : ObjectDescriptors) d->SaveToIni(ini);
  for (const auto& d : ControlDescriptors) d->SaveToIni(ini);
}

}  // namespace lq
