#include "skin/frame/lacquer_form.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "skin/frame/caption_object.h"

namespace lq {

namespace {

// Every living frame in creation order (the oldest form is the default main form).
std::vector<LqLacquerForm*>& Frames() {
  static std::vector<LqLacquerForm*> frames;
  return frames;
}

QPointer<QWidget>& ExplicitMainForm() {
  static QPointer<QWidget> form;
  return form;
}

}  // namespace

LqLacquerForm::LqLacquerForm(QWidget* form) : QObject(form), form_(form) {
  Q_ASSERT(form);
  DefCaptionFont = QFont("Arial");
  DefCaptionFont.setBold(true);
  DefCaptionFont.setPixelSize(14);
  DefInActiveCaptionFont = DefCaptionFont;
  DefCaptionFontColor = FrameSysColor(18);
  DefInActiveCaptionFontColor = FrameSysColor(16);
  screens_ = std::make_shared<QtScreenInfo>();

  pollTimer_.setInterval(50);
  morphTimer_.setInterval(25);
  animationTimer_.setInterval(25);
  connect(&pollTimer_, &QTimer::timeout, this, &LqLacquerForm::PollHot);
  connect(&morphTimer_, &QTimer::timeout, this, &LqLacquerForm::MorphTick);
  connect(&animationTimer_, &QTimer::timeout, this, &LqLacquerForm::AnimationTick);

  hadCursor_ = form->testAttribute(Qt::WA_SetCursor);
  formCursor_ = form->cursor();
  form->setMouseTracking(true);
  form->setAutoFillBackground(false);
  form->installEventFilter(this);
  // Alt+Space opens the frame's system menu instead of the platform's.
  auto* altSpace = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), form);
  altSpace->setContext(Qt::WindowShortcut);
  connect(altSpace, &QShortcut::activated, this,
          [this] { HandleShortCut(Qt::Key_Space, Qt::AltModifier); });
  Frames().push_back(this);
  ApplyWindowFlags();
  frameWidth_ = form->width();
  frameHeight_ = form->height();
  form->setContentsMargins(Insets().left, Insets().top, Insets().right, Insets().bottom);
}

LqLacquerForm::~LqLacquerForm() {
  pollTimer_.stop();
  morphTimer_.stop();
  animationTimer_.stop();
  objects_.clear();
  auto& frames = Frames();
  frames.erase(std::remove(frames.begin(), frames.end(), this), frames.end());
  if (form_) form_->removeEventFilter(this);
}

const std::vector<LqLacquerForm*>& LqLacquerForm::AllFrames() {
  return Frames();
}

LqLacquerForm* LqLacquerForm::FindFrame(const QWidget* form) {
  if (!form) return nullptr;
  return form->findChild<LqLacquerForm*>(QString(), Qt::FindDirectChildrenOnly);
}

void LqLacquerForm::SetApplicationMainForm(QWidget* form) {
  ExplicitMainForm() = form;
}

bool LqLacquerForm::IsMainForm() const {
  if (QWidget* main = ExplicitMainForm()) return main == form_;
  const auto& frames = Frames();
  return !frames.empty() && frames.front() == this;
}

// --- skin -------------------------------------------------------------------------------

void LqLacquerForm::SetFrameSkin(std::optional<FrameSkin> skin) {
  skin_ = std::move(skin);
  ApplySkin();
}

void LqLacquerForm::SetSkinnable(bool on) {
  if (on == skinnable_) return;
  const bool wasMaximized =
      skinnable_ ? frameState_ == FrameState::Maximized : form_->isMaximized();
  const bool wasVisible = form_->isVisible();
  if (wasMaximized) {
    if (skinnable_)
      SetFrameState(FrameState::Normal);
    else
      form_->showNormal();
  }
  skinnable_ = on;
  ApplySkin();
  ApplyControlsSkin(nullptr);
  if (wasMaximized) {
    if (skinnable_)
      SetFrameState(FrameState::Maximized);
    else
      form_->showMaximized();
  }
  if (wasVisible && !form_->isVisible()) form_->show();
  form_->update();
}

void LqLacquerForm::ApplySkin() {
  hotIndex_ = prevHotIndex_ = capturedIndex_ = -1;
  skinReady_ = skin_.has_value() && !skin_->main.empty();
  if (skinReady_ && skinnable_) {
    CreateObjects();
  } else {
    objects_.clear();
    frameWidth_ = form_->width();
    frameHeight_ = form_->height();
    UpdateRegion();
  }
  ApplyWindowFlags();
  EnforceMinimumSize();
  if (rolledUp_ || frameState_ == FrameState::Minimized) {
    Rect b = Bounds();
    b.bottom = b.top + GetMinHeight();
    if (frameState_ == FrameState::Minimized) b.right = b.left + GetMinWidth();
    SetBounds(b);
  }
  frameWidth_ = form_->width();
  frameHeight_ = form_->height();
  if (skinReady_) UpdateFrame();
  form_->update();
  UpdateActivation(true);
  pollTimer_.start();
  emit skinDataChanged();
  if (!rolledUp_ && (ClientWidth > 0 || ClientHeight > 0)) {
    const QRect c = ClientRect();
    SetClientSize(ClientWidth > 0 ? ClientWidth : c.width(),
                  ClientHeight > 0 ? ClientHeight : c.height());
  }
}

void LqLacquerForm::SkinBeforeChange(LqSkinData* sender) {
  if (sender != skinData_) return;
  changing_ = true;
  skinReady_ = false;
  pollTimer_.stop();
  morphTimer_.stop();
  animationTimer_.stop();
  objects_.clear();
  hotIndex_ = prevHotIndex_ = capturedIndex_ = -1;
  ReleaseControlsSkin(sender);
  emit aboutToChangeSkinData();
}

void LqLacquerForm::SkinChanged(LqSkinData* sender) {
  changing_ = false;
  if (sender == skinData_) SetSkinData(skinData_);
  ApplyControlsSkin(sender);
}

void LqLacquerForm::SkinAfterChange(LqSkinData*) {
  emit skinDataChangeFinished();
}

// --- properties ---------------------------------------------------------------------------

void LqLacquerForm::SetBorderIcons(LqBorderIcons icons) {
  borderIcons_ = icons;
  UpdateObjectVisibility();
  if (skinReady_) LayoutObjects();
  ApplyWindowFlags();
  form_->update();
}

void LqLacquerForm::SetHideCaptionButtons(bool on) {
  hideCaptionButtons_ = on;
  SetBorderIcons(borderIcons_);
}

void LqLacquerForm::SetShowIcon(bool on) {
  showIcon_ = on;
  if (skinReady_) LayoutObjects();
  form_->update();
}

FrameInsets LqLacquerForm::Insets() const {
  if (!skinnable_) return {};
  if (skinReady_) return SkinnedFrameInsets(skin_->info);
  return DefaultFrameInsets();
}

void LqLacquerForm::SetClientSize(int width, int height) {
  const FrameInsets in = Insets();
  form_->resize(std::max(0, width) + in.left + in.right, std::max(0, height) + in.top + in.bottom);
}

QRect LqLacquerForm::ClientRect() const {
  const FrameInsets in = Insets();
  const int w = std::max(0, form_->width() - in.left - in.right);
  const int h = std::max(0, form_->height() - in.top - in.bottom);
  return QRect(in.left, in.top, w, h);
}

// --- platform window ----------------------------------------------------------------------

void LqLacquerForm::ApplyWindowFlags() {
  if (!form_ || !form_->isWindow()) return;
  Qt::WindowFlags flags = form_->windowFlags();
  Qt::WindowFlags wanted = flags;
  const Qt::WindowFlags platformDecoration =
      Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
      Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint;
  if (skinnable_) {
    // Qt drops the frameless hint again when decoration hints are combined with it.
    wanted &= ~platformDecoration;
    wanted |= Qt::FramelessWindowHint;
  } else {
    wanted &= ~Qt::FramelessWindowHint;
    wanted |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    wanted &= ~(Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint);
    if ((borderIcons_ & biSystemMenu) && !hideCaptionButtons_) wanted |= Qt::WindowSystemMenuHint;
    if (borderIcons_ & biMinimize) wanted |= Qt::WindowMinimizeButtonHint;
    if (borderIcons_ & biMaximize) wanted |= Qt::WindowMaximizeButtonHint;
  }
  // Wayland cannot shape a window: draw the shape on a translucent surface instead.
  const bool translucent = skinnable_ && QGuiApplication::platformName() == "wayland";
  if (form_->testAttribute(Qt::WA_TranslucentBackground) != translucent)
    form_->setAttribute(Qt::WA_TranslucentBackground, translucent);
  if (wanted != flags) {
    const bool visible = form_->isVisible();
    const QRect geometry = form_->geometry();
    form_->setWindowFlags(wanted);
    form_->setGeometry(geometry);
    if (visible) form_->show();
  }
  const FrameInsets in = Insets();
  form_->setContentsMargins(in.left, in.top, in.right, in.bottom);
}

void LqLacquerForm::ApplySizeLimits() {
  if (!form_) return;
  if (!skinnable_) {
    form_->setMinimumSize(std::max(0, MinWidth), std::max(0, MinHeight));
    return;
  }
  form_->setMinimumSize(GetMinWidth(), GetMinHeight());
  form_->setMaximumSize(MaxWidth > 0 ? MaxWidth : QWIDGETSIZE_MAX,
                        MaxHeight > 0 ? MaxHeight : QWIDGETSIZE_MAX);
}

void LqLacquerForm::EnforceMinimumSize() {
  ApplySizeLimits();
  const int minW = GetMinWidth();
  const int minH = GetMinHeight();
  Rect b = Bounds();
  const bool narrow = b.width() < minW;
  const bool low = b.height() < minH;
  if (narrow) b.right = b.left + minW;
  if (low) b.bottom = b.top + minH;
  if (narrow || low)
    SetBounds(b);  // one bounds change for both directions
  else
    NudgeWidth();
}

void LqLacquerForm::NudgeWidth() {
  // The size stays; what a size change would run (geometry, region, layout) runs now.
  OnSizeChanged();
}

// --- events ---------------------------------------------------------------------------------

bool LqLacquerForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched != form_) return false;
  switch (event->type()) {
    case QEvent::Resize:
      OnSizeChanged();
      RecordNormalBounds();
      break;
    case QEvent::Move:
      RecordNormalBounds();
      break;
    case QEvent::Show:
      OnShowing();
      WatchPlatformState();
      break;
    case QEvent::ActivationChange:
      OnActivationChanged();
      break;
    case QEvent::WindowTitleChange: {
      // Only the frame shows the title.
      QRegion frame(form_->rect());
      if (skinnable_) frame -= ClientRect();
      form_->update(frame);
      break;
    }
    case QEvent::Paint: {
      QPainter p(form_);
      PaintBackground(p);
      PaintFrame(p);
      break;
    }
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      return OnMouseEvent(static_cast<QMouseEvent*>(event));
    case QEvent::Leave:
      OnLeave();
      break;
    case QEvent::CursorChange:
      // The form's own cursor (set by its owner) is what the client area shows.
      if (!settingCursor_) {
        formCursor_ = form_->cursor();
        hadCursor_ = form_->testAttribute(Qt::WA_SetCursor);
      }
      break;
    case QEvent::Hide:
      // Not at Close: the form may refuse to close and stay.
      pollTimer_.stop();
      break;
    default:
      break;
  }
  return false;
}

void LqLacquerForm::OnSizeChanged() {
  magnetic_.clearEdges();
  frameWidth_ = form_->width();
  frameHeight_ = form_->height();
  if (skinnable_) {
    if (skinReady_ && SizeAtLeastMinimum()) {
      UpdateFrame();
    } else if (!skinReady_) {
      LayoutDefaultCaption();
      UpdateRegion();
      form_->update();
    }
  }
}

void LqLacquerForm::OnShowing() {
  PlaceOnFirstShow();
  StartFadeIn();
  NudgeWidth();
}

void LqLacquerForm::OnActivationChanged() {
  formActive_ = form_->isActiveWindow();
  ClearMouseState();
  for (auto& o : objects_)
    if (o->Kind() != FrameObjectKind::Caption) o->ResetHover();
  form_->update();
  UpdateActivation(true);
}

void LqLacquerForm::CloseForm() {
  if (form_) form_->close();
}

QColor LqLacquerForm::FrameSysColor(int role) const {
  // The few platform colours the default frame uses, by their system colour number.
  switch (role) {
    case 15:
      return QColor(212, 208, 200);  // button face
    case 16:
      return QColor(128, 128, 128);  // button shadow
    case 18:
      return QColor(0, 0, 0);  // button text
    case 20:
      return QColor(255, 255, 255);  // button highlight
    case 21:
      return QColor(64, 64, 64);  // 3D dark shadow
    case 22:
      return QColor(212, 208, 200);  // 3D light
    default:
      return QColor(0, 0, 0);
  }
}

}  // namespace lq
