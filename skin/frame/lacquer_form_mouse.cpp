// Mouse handling of the frame: hit testing, moving and sizing the window, hover,
// press and release of frame objects, the caption double-click, and the system menu.
#include <QCursor>
#include <QGuiApplication>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "skin/frame/caption_object.h"
#include "skin/frame/lacquer_form.h"

namespace lq {

namespace {

Qt::Edges EdgesFor(HitCode code) {
  switch (code) {
    case HitCode::Left:
      return Qt::LeftEdge;
    case HitCode::Right:
      return Qt::RightEdge;
    case HitCode::Top:
      return Qt::TopEdge;
    case HitCode::Bottom:
      return Qt::BottomEdge;
    case HitCode::TopLeft:
      return Qt::TopEdge | Qt::LeftEdge;
    case HitCode::TopRight:
      return Qt::TopEdge | Qt::RightEdge;
    case HitCode::BottomLeft:
      return Qt::BottomEdge | Qt::LeftEdge;
    case HitCode::BottomRight:
      return Qt::BottomEdge | Qt::RightEdge;
    default:
      return {};
  }
}

Qt::CursorShape CursorFor(HitCode code) {
  switch (code) {
    case HitCode::Left:
    case HitCode::Right:
      return Qt::SizeHorCursor;
    case HitCode::Top:
    case HitCode::Bottom:
      return Qt::SizeVerCursor;
    case HitCode::TopLeft:
    case HitCode::BottomRight:
      return Qt::SizeFDiagCursor;
    case HitCode::TopRight:
    case HitCode::BottomLeft:
      return Qt::SizeBDiagCursor;
    default:
      return Qt::ArrowCursor;
  }
}

MouseButton ToButton(Qt::MouseButton b) {
  if (b == Qt::RightButton) return MouseButton::Right;
  if (b == Qt::MiddleButton) return MouseButton::Middle;
  return MouseButton::Left;
}

}  // namespace

bool LqLacquerForm::MaskPixelInside(int x, int y) const {
  const Rect& m = metrics_.mask;
  if (m.contains(x, y)) return true;
  auto black = [](const Bitmap& b, int px, int py) {
    if (px < 0 || py < 0 || px >= b.width() || py >= b.height()) return false;
    return b.pixel(px, py) == 0;
  };
  if (y < m.top) return black(maskStrips_.top, x, y);
  if (y < m.bottom) {
    if (x > m.left) return black(maskStrips_.right, x - m.right, y - m.top);
    return black(maskStrips_.left, x, y - m.top);
  }
  return black(maskStrips_.bottom, x, y - m.bottom);
}

HitCode LqLacquerForm::HitTest(int x, int y) const {
  HitTestState st;
  st.rolledUp = rolledUp_;
  st.minimized = frameState_ == FrameState::Minimized;
  st.maximized = frameState_ == FrameState::Maximized;
  st.resizable = AlwaysResize || Sizeable;
  st.objectHot = hotIndex_ != -1;
  st.inSizeMove = inSizeMove_;
  if (!skinReady_) return DefaultHitTest(frameWidth_, frameHeight_, defaultCaption_, st, x, y);
  CaptionRects captions;
  for (const auto& o : objects_)
    if (o->Kind() == FrameObjectKind::Caption) captions.push_back(o->ObjectRect);
  if (skin_->info.hasMask) {
    const MaskTest mask = [this](int px, int py) { return MaskPixelInside(px, py); };
    return SkinnedHitTest(metrics_, st, captions, skin_->info.borderwidth, &mask, x, y);
  }
  return SkinnedHitTest(metrics_, st, captions, skin_->info.borderwidth, nullptr, x, y);
}

void LqLacquerForm::UpdateCursor(HitCode code) {
  settingCursor_ = true;
  if (IsSizingCode(code)) {
    form_->setCursor(CursorFor(code));
  } else if (code == HitCode::Client || UseFormCursorInNCArea) {
    if (hadCursor_)
      form_->setCursor(formCursor_);
    else
      form_->unsetCursor();
  } else {
    form_->setCursor(Qt::ArrowCursor);
  }
  settingCursor_ = false;
}

// --- objects under the mouse ------------------------------------------------------------------

void LqLacquerForm::TestHot(int x, int y, bool activate) {
  if (!IsFormActive() || objects_.empty()) return;
  prevHotIndex_ = hotIndex_;
  int found = -1;
  for (int i = 0; i < int(objects_.size()); ++i) {
    const auto& o = objects_[i];
    if (o->enabled && o->visible && o->ObjectRect.contains(x, y)) {
      found = i;
      break;
    }
  }
  hotIndex_ = (activate && found != -1) ? found : -1;
  if (capturedIndex_ != -1 && capturedIndex_ != found) hotIndex_ = -1;
  if (hotIndex_ >= int(objects_.size())) hotIndex_ = -1;
  if (hotIndex_ == prevHotIndex_) return;
  if (prevHotIndex_ >= 0 && prevHotIndex_ < int(objects_.size())) {
    LqActiveSkinObject* prev = objects_[prevHotIndex_].get();
    if (prev->enabled && prev->visible) prev->MouseLeave();
  }
  if (hotIndex_ >= 0) {
    LqActiveSkinObject* hot = objects_[hotIndex_].get();
    if (hot->enabled && hot->visible) hot->MouseEnter();
  }
}

void LqLacquerForm::PollHot() {
  if (!form_ || !IsFormActive()) return;
  if (inSizeMove_) {
    pollTimer_.stop();
    return;
  }
  const QPoint p = form_->mapFromGlobal(QCursor::pos());
  if (!ClientRect().contains(p))
    TestHot(p.x(), p.y(), true);
  else if (hotIndex_ != -1)
    TestHot(-1, -1, true);
}

void LqLacquerForm::Press(MouseButton button, int x, int y) {
  if (hotIndex_ < 0 || hotIndex_ >= int(objects_.size())) return;
  capturedIndex_ = hotIndex_;
  objects_[hotIndex_]->MouseDown(x, y, button);
}

void LqLacquerForm::Release(MouseButton button, int x, int y) {
  if (capturedIndex_ < 0 || capturedIndex_ >= int(objects_.size())) return;
  LqActiveSkinObject* object = objects_[capturedIndex_].get();
  capturedIndex_ = -1;
  object->MouseUp(x, y, button);
}

void LqLacquerForm::ClearMouseState() {
  // A system move or resize may swallow the release: forget presses and captures.
  pressCode_ = HitCode::Nowhere;
  moveStarted_ = false;
  if (manualMove_ || manualResizeCode_ != HitCode::Nowhere) {
    manualMove_ = false;
    manualResizeCode_ = HitCode::Nowhere;
    inSizeMove_ = false;
  }
  if (capturedIndex_ >= 0 && capturedIndex_ < int(objects_.size())) {
    LqActiveSkinObject* o = objects_[capturedIndex_].get();
    if (auto* b = dynamic_cast<LqSkinButtonObject*>(o); b && b->down && !b->menuOpen) {
      b->down = false;
      RepaintObject(b);
    }
  }
  capturedIndex_ = -1;
}

// --- mouse events -------------------------------------------------------------------------------

bool LqLacquerForm::OnMouseEvent(QMouseEvent* e) {
  const QPoint pos = e->position().toPoint();
  const QPoint global = e->globalPosition().toPoint();
  const int x = pos.x();
  const int y = pos.y();

  if (manualMove_) {
    if (e->type() == QEvent::MouseMove && (e->buttons() & Qt::LeftButton)) {
      const QPoint topLeft = global - manualMoveOffset_;
      Rect proposed = RectFromSize(topLeft.x(), topLeft.y(), form_->width(), form_->height());
      proposed = SnapToEdges(proposed, global);
      form_->move(proposed.left, proposed.top);
      return true;
    }
    if (e->type() == QEvent::MouseButtonRelease || e->buttons() == Qt::NoButton) {
      manualMove_ = false;
      inSizeMove_ = false;
      pressCode_ = HitCode::Nowhere;
      hotIndex_ = prevHotIndex_ = capturedIndex_ = -1;
      form_->update();
      return true;
    }
  }

  if (manualResizeCode_ != HitCode::Nowhere) {
    if (e->type() == QEvent::MouseMove && (e->buttons() & Qt::LeftButton)) {
      form_->setGeometry(
          ResizedBounds(manualResizeCode_, manualResizeStart_, global - pressGlobal_));
      return true;
    }
    if (e->type() == QEvent::MouseButtonRelease || e->buttons() == Qt::NoButton) {
      manualResizeCode_ = HitCode::Nowhere;
      inSizeMove_ = false;
      form_->update();
      return true;
    }
  }

  const HitCode code = HitTest(x, y);
  const bool nonClient = code != HitCode::Client;
  switch (e->type()) {
    case QEvent::MouseMove: {
      if (e->buttons() == Qt::NoButton && (pressCode_ != HitCode::Nowhere || capturedIndex_ != -1))
        ClearMouseState();
      if (pressCode_ == HitCode::Caption && (e->buttons() & Qt::LeftButton) && !moveStarted_) {
        moveStarted_ = true;
        // A maximized window stays where it is.
        if (frameState_ != FrameState::Maximized) StartManualMove(global);
        return true;
      }
      if (capturedIndex_ != -1) {
        TestHot(x, y, true);
        if (capturedIndex_ != -1) objects_[capturedIndex_]->MouseMove(x, y);
        return true;
      }
      if (nonClient) {
        TestHot(x, y, true);
        if (hotIndex_ != -1) objects_[hotIndex_]->MouseMove(x, y);
      } else if (hotIndex_ != -1) {
        TestHot(-1, -1, true);
      }
      // The hover just changed; the cursor follows the code for the new state.
      if (e->buttons() == Qt::NoButton) UpdateCursor(HitTest(x, y));
      return nonClient;
    }
    case QEvent::MouseButtonPress: {
      if (!nonClient) return false;
      const MouseButton button = ToButton(e->button());
      TestHot(x, y, true);
      Press(button, x, y);
      if (code == HitCode::Caption) {
        capturedIndex_ = -1;
        if (button == MouseButton::Left) {
          pressCode_ = HitCode::Caption;
          pressGlobal_ = global;
          moveStarted_ = false;
        } else if (button == MouseButton::Right && !DisableSystemMenu) {
          ShowSystemMenu(global);
        }
      } else if (IsSizingCode(code) && button == MouseButton::Left) {
        QWindow* w = form_->windowHandle();
        if (!w || !w->startSystemResize(EdgesFor(code))) {
          manualResizeCode_ = code;
          manualResizeStart_ = form_->geometry();
          pressGlobal_ = global;
          inSizeMove_ = true;
        }
      }
      return true;
    }
    case QEvent::MouseButtonRelease: {
      const bool wasCaptured = capturedIndex_ != -1;
      pressCode_ = HitCode::Nowhere;
      moveStarted_ = false;
      Release(ToButton(e->button()), x, y);
      return nonClient || wasCaptured;
    }
    case QEvent::MouseButtonDblClick: {
      if (!nonClient) return false;
      const MouseButton button = ToButton(e->button());
      TestHot(x, y, true);
      Press(button, x, y);
      if (button == MouseButton::Left && hotIndex_ != -1) objects_[hotIndex_]->DblClick();
      if (code == HitCode::Caption) {
        capturedIndex_ = -1;
        pressCode_ = HitCode::Nowhere;
        if (button == MouseButton::Left) CaptionDoubleClick();
      }
      return true;
    }
    default:
      return false;
  }
}

void LqLacquerForm::StartManualMove(QPoint global) {
  // Entering a move: hover state is reset and polling pauses until it ends.
  for (auto& o : objects_)
    if (o->Kind() != FrameObjectKind::Caption) o->ResetHover();
  hotIndex_ = capturedIndex_ = -1;
  magnetic_.cursor = {global.x(), global.y()};
  QWindow* w = form_->windowHandle();
  // The platform moves the window where it can (and must, on Wayland); a magnetic frame
  // moves it itself so that it can snap, and so does any frame the platform cannot move.
  const bool wayland = QGuiApplication::platformName() == "wayland";
  if (w && (!Magnetic || wayland) && w->startSystemMove()) return;
  manualMove_ = true;
  inSizeMove_ = true;
  pollTimer_.stop();
  manualMoveOffset_ = pressGlobal_ - form_->pos();
}

QRect LqLacquerForm::ResizedBounds(HitCode code, const QRect& start, QPoint delta) const {
  int l = start.left(), t = start.top(), r = start.right() + 1, b = start.bottom() + 1;
  const Qt::Edges edges = EdgesFor(code);
  const int minW = GetMinWidth(), minH = GetMinHeight();
  const int maxW = GetMaxWidth(), maxH = GetMaxHeight();
  if (edges & Qt::LeftEdge) l = std::clamp(l + delta.x(), r - maxW, r - minW);
  if (edges & Qt::RightEdge) r = std::clamp(r + delta.x(), l + minW, l + maxW);
  if (edges & Qt::TopEdge) t = std::clamp(t + delta.y(), b - maxH, b - minH);
  if (edges & Qt::BottomEdge) b = std::clamp(b + delta.y(), t + minH, t + maxH);
  return QRect(l, t, r - l, b - t);
}

void LqLacquerForm::OnLeave() {
  if (hotIndex_ != -1 && capturedIndex_ == -1) TestHot(-1, -1, true);
  if (QGuiApplication::mouseButtons() == Qt::NoButton) ClearMouseState();
}

void LqLacquerForm::CaptionDoubleClick() {
  const bool resizable = AlwaysResize || Sizeable;
  if (resizable) {
    if (frameState_ == FrameState::Minimized) {
      SetFrameState(FrameState::Normal);
      return;
    }
    if (frameState_ == FrameState::Normal && !rolledUp_ && (borderIcons_ & biMaximize)) {
      SetFrameState(FrameState::Maximized);
      return;
    }
    if (frameState_ == FrameState::Maximized && !rolledUpWhenMaximized_) {
      SetFrameState(FrameState::Normal);
      return;
    }
  }
  SetRolledUp(!rolledUp_);
}

// --- system menu ------------------------------------------------------------------------------

std::vector<SystemMenuItem> LqLacquerForm::SystemMenuItems() const {
  const bool minimized = frameState_ == FrameState::Minimized;
  const bool maximized = frameState_ == FrameState::Maximized;
  std::vector<SystemMenuItem> items;
  if (!minimized && (borderIcons_ & biMinimize))
    items.push_back({"LQK_MINITEM", QString::fromUtf8("最小化(&N)"), {}});
  if (!maximized && (borderIcons_ & biMaximize))
    items.push_back({"LQK_MAXITEM", QString::fromUtf8("最大化(&X)"), {}});
  if (minimized || maximized || rolledUp_)
    items.push_back({"LQK_RESTORE", QString::fromUtf8("恢复(&R)"), {}});
  if (!rolledUp_ && !minimized && (borderIcons_ & biRollUp))
    items.push_back({"LQK_ROLLUP", QString::fromUtf8("卷起(&L)"), {}});
  if (borderIcons_ & biMinimizeToTray)
    items.push_back({"LQK_MINTOTRAY", QString::fromUtf8("最小化到系统托盘(&T)"), {}});
  if (!items.empty()) items.push_back({"-", "-", {}});
  items.push_back({"LQK_CLOSE", QString::fromUtf8("关闭(&C)"), "Alt+F4"});
  return items;
}

void LqLacquerForm::RunSystemMenuItem(const std::string& name) {
  if (name == "LQK_MINITEM") {
    if (AlwaysMinimizeToTray)
      MinimizeToTray();
    else
      SetFrameState(FrameState::Minimized);
  } else if (name == "LQK_MAXITEM") {
    SetFrameState(FrameState::Maximized);
  } else if (name == "LQK_RESTORE") {
    if (rolledUpWhenMaximized_ || (rolledUp_ && frameState_ == FrameState::Normal))
      SetRolledUp(false);
    else
      SetFrameState(FrameState::Normal);
  } else if (name == "LQK_ROLLUP") {
    SetRolledUp(true);
  } else if (name == "LQK_MINTOTRAY") {
    MinimizeToTray();
  } else if (name == "LQK_CLOSE") {
    CloseForm();
  }
}

void LqLacquerForm::ShowSystemMenu(QPoint globalPos) {
  ShowSystemMenuAt(QRect(globalPos, QSize(0, 0)));
}

void LqLacquerForm::ShowSystemMenuAt(const QRect& globalRect) {
  if (!skinMenuOpen_) {
    skinMenuOpen_ = true;
    emit menuOpened();
  }
  emit systemMenuRequested(globalRect);
  // Without a menu engine listening nothing is shown: close the menu mode again.
  if (!isSignalConnected(QMetaMethod::fromSignal(&LqLacquerForm::systemMenuRequested)))
    MenuClosed();
}

void LqLacquerForm::MenuClosed() {
  skinMenuOpen_ = false;
  for (auto& o : objects_) {
    if (auto* b = dynamic_cast<LqSkinButtonObject*>(o.get()); b && b->down && b->hasMenu) {
      b->MenuClosed();
      break;
    }
    if (auto* a = dynamic_cast<LqSkinAnimateObject*>(o.get()); a && a->menuOpen) {
      a->MenuClosed();
      break;
    }
  }
  emit menuClosed();
}

bool LqLacquerForm::HandleShortCut(int key, Qt::KeyboardModifiers modifiers) {
  if (key != Qt::Key_Space || modifiers != Qt::AltModifier) return false;
  for (auto& o : objects_) {
    FrameCommand command = FrameCommand::Default;
    if (auto* s = dynamic_cast<LqSkinStdButtonObject*>(o.get())) command = s->command;
    if (auto* a = dynamic_cast<LqSkinAnimateObject*>(o.get())) command = a->command;
    if (command != FrameCommand::SysMenu || !o->enabled) continue;
    const Rect r = o->ObjectRect;
    ShowSystemMenuAt(
        QRect(form_->mapToGlobal(QPoint(r.left, r.top)), QSize(r.width(), r.height())));
    break;
  }
  return true;  // swallowed also without a system-menu object
}

}  // namespace lq
