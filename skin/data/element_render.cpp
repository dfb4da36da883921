#include "skin/data/element_render.h"

#include "skin/data/blit.h"
#include "skin/data/image_compose.h"

namespace lq {

namespace {

// Finds one rectangle field of a descriptor by its skin.ini key.
class RectFinder : public SkinFieldVisitor {
 public:
  explicit RectFinder(std::string key) : key_(std::move(key)) {}
  void Integer(const char*, int&, int) override {}
  void Colour(const char*, Color&, Color) override {}
  void Flag(const char*, bool&) override {}
  void String(const char*, std::string&, const char*) override {}
  void RectValue(const char* key, Rect& value) override {
    if (!found && key_ == key) {
      found = true;
      rect = value;
    }
  }
  void PointValue(const char*, Point&) override {}
  void FontStyle(const char*, TFontStyles&) override {}
  void Alignment(const char*, TextAlignment&) override {}
  void MorphKindValue(const char*, MorphKind&) override {}
  void StretchTypeValue(const char*, StretchType&) override {}
  void InactiveEffectValue(const char*, InactiveEffect&) override {}
  void Command(const char*, FrameCommand&, FrameCommand) override {}

  bool found = false;
  Rect rect;

 private:
  std::string key_;
};

std::string RectText(const Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

}  // namespace

SliceMode SliceModeOf(const LqDataSkinCustomControl& e) {
  return SliceModeOfPoints(e);
}

void FitElementSize(const LqDataSkinCustomControl& e, int& width, int& height) {
  switch (SliceModeOf(e)) {
    case SliceMode::Fixed:
      width = e.skinrect.width();
      height = e.skinrect.height();
      break;
    case SliceMode::Horizontal:
      height = e.skinrect.height();
      break;
    case SliceMode::Vertical:
      width = e.skinrect.width();
      break;
    default:
      break;
  }
}

bool RenderControlElement(const LqSkinData& skin, const std::string& name, int width, int height,
                          const std::string& rectKey, ElementImage& out, std::string& error) {
  const int index = skin.GetControlIndex(name);
  if (index < 0) {
    error = "no control element named \"" + name + "\"";
    return false;
  }
  auto* e =
      dynamic_cast<LqDataSkinCustomControl*>(skin.ControlDescriptors[std::size_t(index)].get());
  if (!e) {
    error = "element \"" + name + "\" has no image geometry";
    return false;
  }
  out.sliceMode = SliceModeOf(*e);
  if (out.sliceMode == SliceMode::None) {
    error = "element \"" + name + "\" has an empty skinrect";
    return false;
  }
  if (e->pictureindex < 0 || std::size_t(e->pictureindex) >= skin.ActivePictures.size()) {
    error = "element \"" + name + "\" has no picture (pictureindex " +
            std::to_string(e->pictureindex) + ")";
    return false;
  }
  const Bitmap& picture = skin.ActivePictures[std::size_t(e->pictureindex)];
  Rect source = e->skinrect;
  const std::string key = rectKey.empty() ? "skinrect" : rectKey;
  if (!rectKey.empty()) {
    RectFinder finder(rectKey);
    e->VisitFields(finder);
    if (!finder.found) {
      error = "element \"" + name + "\" has no rectangle key \"" + rectKey + "\"";
      return false;
    }
    if (finder.rect.isEmpty()) {
      error = key + " of element \"" + name + "\" is empty";
      return false;
    }
    source = finder.rect;
  }
  if (source.intersected(picture.rect()) != source) {
    error = key + " " + RectText(source) + " of element \"" + name + "\" lies outside its " +
            std::to_string(picture.width()) + "x" + std::to_string(picture.height()) + " picture";
    return false;
  }

  FitElementSize(*e, width, height);
  const int sw = e->skinrect.width(), sh = e->skinrect.height();
  switch (out.sliceMode) {
    case SliceMode::Fixed:
      out.image = CropBitmap(picture, source);
      break;
    case SliceMode::Both: {
      FrameGeometry g{e->lefttoppoint, e->righttoppoint, e->leftbottompoint, e->rightbottompoint,
                      e->clientrect};
      FrameFlags flags{e->leftstretch, e->topstretch,    e->rightstretch,    e->bottomstretch,
                       true,           e->stretcheffect, int(e->stretchtype)};
      BuildFramedImage(g, FitFrameGeometry(g, width - sw, height - sh), flags, width, height,
                       source, picture, out.image);
      break;
    }
    case SliceMode::Horizontal:
      BuildHStrip(e->lefttoppoint.x, sw - e->righttoppoint.x, out.image, picture, source, width,
                  e->stretcheffect);
      break;
    case SliceMode::Vertical:
      BuildVStrip(e->lefttoppoint.y, sh - e->leftbottompoint.y, out.image, picture, source, height,
                  e->stretcheffect);
      break;
    case SliceMode::None:  // refused above
      break;
  }
  return true;
}

}  // namespace lq
