// The frame's object list: creation from the skin or as default buttons, visibility
// from the border icons, layout for the current frame geometry, and the shared timers.
#include <QWidget>

#include "skin/frame/caption_object.h"
#include "skin/frame/lacquer_form.h"

namespace lq {

namespace {

TlqStdCommand CommandOf(const TlqActiveSkinObject& o) {
  if (auto* s = dynamic_cast<const TlqSkinStdButtonObject*>(&o)) return s->command;
  if (auto* a = dynamic_cast<const TlqSkinAnimateObject*>(&o)) return a->command;
  return cmDefault;
}

// Standard buttons, and animate objects that behave as buttons.
bool IsCaptionButton(const TlqActiveSkinObject& o) {
  if (dynamic_cast<const TlqSkinStdButtonObject*>(&o)) return true;
  auto* a = dynamic_cast<const TlqSkinAnimateObject*>(&o);
  return a && a->buttonStyle;
}

const char* DefaultHint(TlqStdCommand command) {
  switch (command) {
    case cmClose:
      return "关闭";
    case cmMaximize:
      return "最大化";
    case cmMinimize:
      return "最小化";
    case cmSysMenu:
      return "系统菜单";
    case cmRollUp:
      return "卷起";
    case cmMinimizeToTray:
      return "最小化到系统托盘";
    default:
      return nullptr;
  }
}

}  // namespace

void TlqLacquerForm::CreateObjects() {
  objects_.clear();
  hotIndex_ = prevHotIndex_ = capturedIndex_ = -1;
  if (!skin_) return;
  for (const ObjectSpec& spec : skin_->objects) {
    switch (spec.kind) {
      case FrameObjectKind::StdButton:
        objects_.push_back(std::make_unique<TlqSkinStdButtonObject>(*this, spec, true));
        break;
      case FrameObjectKind::Button:
        objects_.push_back(std::make_unique<TlqSkinButtonObject>(*this, spec));
        break;
      case FrameObjectKind::Caption:
        objects_.push_back(std::make_unique<TlqSkinCaptionObject>(*this, spec));
        break;
      case FrameObjectKind::Animate:
        objects_.push_back(std::make_unique<TlqSkinAnimateObject>(*this, spec));
        break;
      case FrameObjectKind::UserObject:
        objects_.push_back(std::make_unique<TlqUserObject>(*this, spec));
        break;
    }
  }
  UpdateObjectVisibility();
  for (auto& o : objects_)
    if (const char* h = DefaultHint(CommandOf(*o)); h && IsCaptionButton(*o))
      o->hint = QString::fromUtf8(h).toStdString();
}

void TlqLacquerForm::CreateDefaultButtons() {
  objects_.clear();
  hotIndex_ = prevHotIndex_ = capturedIndex_ = -1;
  const std::pair<const char*, TlqStdCommand> buttons[] = {
      {"closebutton", cmClose},   {"maxbutton", cmMaximize},    {"minbutton", cmMinimize},
      {"rollupbutton", cmRollUp}, {"sysmenubutton", cmSysMenu}, {"traybutton", cmMinimizeToTray}};
  for (const auto& [name, command] : buttons) {
    ObjectSpec spec;
    spec.kind = FrameObjectKind::StdButton;
    spec.IDName = name;
    spec.skinrectinapicture = true;
    spec.command = command;
    auto button = std::make_unique<TlqSkinStdButtonObject>(*this, spec, false);
    button->hint = DefaultHint(command);
    objects_.push_back(std::move(button));
  }
  UpdateObjectVisibility();
}

void TlqLacquerForm::UpdateObjectVisibility() {
  for (auto& o : objects_) {
    if (!IsCaptionButton(*o)) continue;
    const TlqStdCommand command = CommandOf(*o);
    bool enabled = true;  // close and custom buttons are only ever disabled by hiding
    if (hideCaptionButtons_) {
      enabled = false;
    } else {
      switch (command) {
        case cmMaximize:
          enabled = borderIcons_ & biMaximize;
          break;
        case cmMinimize:
          enabled = borderIcons_ & biMinimize;
          break;
        case cmSysMenu:
          enabled = (borderIcons_ & biSystemMenu) && !DisableSystemMenu;
          break;
        case cmRollUp:
          enabled = borderIcons_ & biRollUp;
          break;
        case cmMinimizeToTray:
          enabled = borderIcons_ & biMinimizeToTray;
          break;
        default:
          break;
      }
    }
    o->enabled = enabled;
    if (command == cmDefault && !hideCaptionButtons_) {
      bool shown = false;
      if (OnActivateCustomObject) OnActivateCustomObject(o->IDName, shown);
      o->visible = shown;
    } else {
      // An object painted as part of the frame picture cannot disappear.
      o->visible = o->ownImage ? enabled : true;
    }
  }
}

void TlqLacquerForm::LayoutObjects() {
  if (!skinReady_) return;
  const FrameSkinInfo& info = skin_->info;
  for (auto& o : objects_)
    if (!o->ownImage) o->ObjectRect = MapFramePictureRect(info, metrics_, o->normalRect);

  const bool useButtonsRect = !metrics_.buttons.isEmpty();
  const Rect area = useButtonsRect ? metrics_.buttons : metrics_.caption;
  if (area.isEmpty()) return;
  const int y = area.top;
  const int offset = metrics_.buttonsOffset;

  // Own-image caption buttons in their fixed order, then custom buttons in list order.
  std::vector<TlqActiveSkinObject*> row;
  TlqActiveSkinObject* sysMenu = nullptr;
  for (TlqStdCommand command : {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray})
    for (auto& o : objects_)
      if (o->visible && o->ownImage && IsCaptionButton(*o) && CommandOf(*o) == command)
        row.push_back(o.get());
  for (auto& o : objects_)
    if (o->visible && o->ownImage && IsCaptionButton(*o) && CommandOf(*o) == cmDefault)
      row.push_back(o.get());
  for (auto& o : objects_)
    if (o->visible && o->ownImage && IsCaptionButton(*o) && CommandOf(*o) == cmSysMenu) {
      sysMenu = o.get();
      break;
    }
  TlqActiveSkinObject* caption = FirstCaption();
  auto sizeOf = [this](TlqActiveSkinObject* o) {
    if (showIcon_ && CommandOf(*o) == cmSysMenu) return std::pair{16, 16};
    return std::pair{o->normalRect.width(), o->normalRect.height()};
  };

  if (!metrics_.buttonsInLeft) {
    int x = area.right;
    for (TlqActiveSkinObject* o : row) {
      const auto [w, h] = sizeOf(o);
      o->ObjectRect = {x - w, y, x, y + h};
      x -= w + offset;
    }
    if (!useButtonsRect && caption) caption->ObjectRect.right = x + offset;
    if (sysMenu) {
      const auto [w, h] = sizeOf(sysMenu);
      const Rect& c = metrics_.caption;
      const int left = c.left;
      const int t = c.top + c.height() / 2 - h / 2;
      sysMenu->ObjectRect = {left, t, left + w, t + h};
      if (caption) caption->ObjectRect.left = left + w;
    }
  } else {
    int x = area.left;
    if (!useButtonsRect && sysMenu) row.push_back(sysMenu);
    for (TlqActiveSkinObject* o : row) {
      const auto [w, h] = sizeOf(o);
      o->ObjectRect = {x, y, x + w, y + h};
      x += w + offset;
    }
    if (!useButtonsRect && caption) caption->ObjectRect.left = x + offset;
  }
}

TlqActiveSkinObject* TlqLacquerForm::FindObject(const std::string& idName) const {
  for (const auto& o : objects_)
    if (o->IDName == idName) return o.get();
  return nullptr;
}

TlqSkinCaptionObject* TlqLacquerForm::FirstCaption() const {
  for (const auto& o : objects_)
    if (o->Kind() == FrameObjectKind::Caption) return static_cast<TlqSkinCaptionObject*>(o.get());
  return nullptr;
}

void TlqLacquerForm::RepaintObject(TlqActiveSkinObject* object) {
  if (!form_ || !object) return;
  const Rect& r = object->ObjectRect;
  form_->update(QRect(r.left, r.top, r.width(), r.height()));
}

void TlqLacquerForm::StartMorphTimer() {
  if (!morphTimer_.isActive()) morphTimer_.start();
}

void TlqLacquerForm::StartAnimationTimer() {
  if (!animationTimer_.isActive()) animationTimer_.start();
}

void TlqLacquerForm::MorphTick() {
  bool stepped = false;
  for (auto& o : objects_)
    if (o->MorphStep()) stepped = true;
  if (!stepped) morphTimer_.stop();
}

void TlqLacquerForm::AnimationTick() {
  bool stepped = false;
  for (auto& o : objects_) {
    if (auto* c = dynamic_cast<TlqSkinCaptionObject*>(o.get()))
      stepped = c->AnimationStep() || stepped;
    else if (auto* a = dynamic_cast<TlqSkinAnimateObject*>(o.get()))
      stepped = a->AnimationStep() || stepped;
  }
  if (!stepped) animationTimer_.stop();
}

}  // namespace lq
