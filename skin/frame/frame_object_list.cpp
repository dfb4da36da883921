// The frame's object list: creation from the skin or as default buttons, visibility
// from the border icons, layout for the current frame geometry, and the shared timers.
#include <QWidget>

#include "skin/data/resource_str_data.h"
#include "skin/data/skin_data.h"
#include "skin/frame/caption_object.h"
#include "skin/frame/lacquer_form.h"

namespace lq {

namespace {

FrameCommand CommandOf(const LqActiveSkinObject& o) {
  if (auto* s = dynamic_cast<const LqSkinStdButtonObject*>(&o)) return s->command;
  if (auto* a = dynamic_cast<const LqSkinAnimateObject*>(&o)) return a->command;
  return FrameCommand::Default;
}

// Standard buttons, and animate objects that behave as buttons.
bool IsCaptionButton(const LqActiveSkinObject& o) {
  if (dynamic_cast<const LqSkinStdButtonObject*>(&o)) return true;
  auto* a = dynamic_cast<const LqSkinAnimateObject*>(&o);
  return a && a->buttonStyle;
}

const char* DefaultHint(FrameCommand command) {
  switch (command) {
    case FrameCommand::Close:
      return "关闭";
    case FrameCommand::Maximize:
      return "最大化";
    case FrameCommand::Minimize:
      return "最小化";
    case FrameCommand::SysMenu:
      return "系统菜单";
    case FrameCommand::RollUp:
      return "卷起";
    case FrameCommand::MinimizeToTray:
      return "最小化到系统托盘";
    default:
      return nullptr;
  }
}

// The resource string table's hint for a caption button, when the skin data has a table.
const char* HintKey(FrameCommand command) {
  switch (command) {
    case FrameCommand::Close:
      return "CLOSEBUTTON_HINT";
    case FrameCommand::Maximize:
      return "MAXBUTTON_HINT";
    case FrameCommand::Minimize:
      return "MINBUTTON_HINT";
    case FrameCommand::SysMenu:
      return "MENUBUTTON_HINT";
    case FrameCommand::RollUp:
      return "ROLLUPBUTTON_HINT";
    case FrameCommand::MinimizeToTray:
      return "TRAYBUTTON_HINT";
    default:
      return nullptr;
  }
}

std::string HintOf(FrameCommand command, const LqSkinData* skin) {
  const char* builtIn = DefaultHint(command);
  if (!builtIn) return {};
  if (skin && skin->ResourceStrData()) {
    std::string text = skin->ResourceStrData()->GetResStr(HintKey(command));
    if (!text.empty()) return text;
  }
  return builtIn;
}

}  // namespace

void LqLacquerForm::CreateObjects() {
  objects_.clear();
  hotIndex_ = prevHotIndex_ = capturedIndex_ = -1;
  if (!skin_) return;
  for (const ObjectSpec& def : skin_->objects) {
    switch (def.kind) {
      case FrameObjectKind::StdButton:
        objects_.push_back(std::make_unique<LqSkinStdButtonObject>(*this, def, true));
        break;
      case FrameObjectKind::Button:
        objects_.push_back(std::make_unique<LqSkinButtonObject>(*this, def));
        break;
      case FrameObjectKind::Caption:
        objects_.push_back(std::make_unique<LqSkinCaptionObject>(*this, def));
        break;
      case FrameObjectKind::Animate:
        objects_.push_back(std::make_unique<LqSkinAnimateObject>(*this, def));
        break;
      case FrameObjectKind::UserObject:
        objects_.push_back(std::make_unique<LqUserObject>(*this, def));
        break;
    }
  }
  UpdateObjectVisibility();
  for (auto& o : objects_)
    if (std::string h = HintOf(CommandOf(*o), skinData_); !h.empty() && IsCaptionButton(*o))
      o->hint = h;
}

void LqLacquerForm::CreateDefaultButtons() {
  objects_.clear();
  hotIndex_ = prevHotIndex_ = capturedIndex_ = -1;
  const std::pair<const char*, FrameCommand> buttons[] = {
      {"closebutton", FrameCommand::Close},     {"maxbutton", FrameCommand::Maximize},
      {"minbutton", FrameCommand::Minimize},    {"rollupbutton", FrameCommand::RollUp},
      {"sysmenubutton", FrameCommand::SysMenu}, {"traybutton", FrameCommand::MinimizeToTray}};
  for (const auto& [name, command] : buttons) {
    ObjectSpec def;
    def.kind = FrameObjectKind::StdButton;
    def.IDName = name;
    def.skinrectinapicture = true;
    def.command = command;
    auto button = std::make_unique<LqSkinStdButtonObject>(*this, def, false);
    button->hint = HintOf(command, skinData_);
    objects_.push_back(std::move(button));
  }
  UpdateObjectVisibility();
}

void LqLacquerForm::UpdateObjectVisibility() {
  for (auto& o : objects_) {
    if (!IsCaptionButton(*o)) continue;
    const FrameCommand command = CommandOf(*o);
    bool enabled = true;  // close and custom buttons are only ever disabled by hiding
    if (hideCaptionButtons_) {
      enabled = false;
    } else {
      switch (command) {
        case FrameCommand::Maximize:
          enabled = borderIcons_ & biMaximize;
          break;
        case FrameCommand::Minimize:
          enabled = borderIcons_ & biMinimize;
          break;
        case FrameCommand::SysMenu:
          enabled = (borderIcons_ & biSystemMenu) && !DisableSystemMenu;
          break;
        case FrameCommand::RollUp:
          enabled = borderIcons_ & biRollUp;
          break;
        case FrameCommand::MinimizeToTray:
          enabled = borderIcons_ & biMinimizeToTray;
          break;
        default:
          break;
      }
    }
    o->enabled = enabled;
    if (command == FrameCommand::Default && !hideCaptionButtons_) {
      o->visible = customObjectVisibility_ && customObjectVisibility_(o->IDName);
    } else {
      // An object painted as part of the frame picture cannot disappear.
      o->visible = o->ownImage ? enabled : true;
    }
  }
}

void LqLacquerForm::LayoutObjects() {
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
  std::vector<LqActiveSkinObject*> row;
  LqActiveSkinObject* sysMenu = nullptr;
  for (FrameCommand command : {FrameCommand::Close, FrameCommand::Maximize, FrameCommand::Minimize,
                               FrameCommand::RollUp, FrameCommand::MinimizeToTray})
    for (auto& o : objects_)
      if (o->visible && o->ownImage && IsCaptionButton(*o) && CommandOf(*o) == command)
        row.push_back(o.get());
  for (auto& o : objects_)
    if (o->visible && o->ownImage && IsCaptionButton(*o) && CommandOf(*o) == FrameCommand::Default)
      row.push_back(o.get());
  for (auto& o : objects_)
    if (o->visible && o->ownImage && IsCaptionButton(*o) &&
        CommandOf(*o) == FrameCommand::SysMenu) {
      sysMenu = o.get();
      break;
    }
  LqActiveSkinObject* caption = FirstCaption();
  auto sizeOf = [this](LqActiveSkinObject* o) {
    if (showIcon_ && CommandOf(*o) == FrameCommand::SysMenu) return std::pair{16, 16};
    return std::pair{o->normalRect.width(), o->normalRect.height()};
  };

  if (!metrics_.buttonsInLeft) {
    int x = area.right;
    for (LqActiveSkinObject* o : row) {
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
    for (LqActiveSkinObject* o : row) {
      const auto [w, h] = sizeOf(o);
      o->ObjectRect = {x, y, x + w, y + h};
      x += w + offset;
    }
    if (!useButtonsRect && caption) caption->ObjectRect.left = x + offset;
  }
}

LqActiveSkinObject* LqLacquerForm::FindObject(const std::string& idName) const {
  for (const auto& o : objects_)
    if (o->IDName == idName) return o.get();
  return nullptr;
}

LqSkinCaptionObject* LqLacquerForm::FirstCaption() const {
  for (const auto& o : objects_)
    if (o->Kind() == FrameObjectKind::Caption) return static_cast<LqSkinCaptionObject*>(o.get());
  return nullptr;
}

void LqLacquerForm::RepaintObject(LqActiveSkinObject* object) {
  if (!form_ || !object) return;
  const Rect& r = object->ObjectRect;
  form_->update(QRect(r.left, r.top, r.width(), r.height()));
}

void LqLacquerForm::StartMorphTimer() {
  if (!morphTimer_.isActive()) morphTimer_.start();
}

void LqLacquerForm::StartAnimationTimer() {
  if (!animationTimer_.isActive()) animationTimer_.start();
}

void LqLacquerForm::MorphTick() {
  bool stepped = false;
  for (auto& o : objects_)
    if (o->MorphStep()) stepped = true;
  if (!stepped) morphTimer_.stop();
}

void LqLacquerForm::AnimationTick() {
  bool stepped = false;
  for (auto& o : objects_) {
    if (auto* c = dynamic_cast<LqSkinCaptionObject*>(o.get()))
      stepped = c->AnimationStep() || stepped;
    else if (auto* a = dynamic_cast<LqSkinAnimateObject*>(o.get()))
      stepped = a->AnimationStep() || stepped;
  }
  if (!stepped) animationTimer_.stop();
}

}  // namespace lq
