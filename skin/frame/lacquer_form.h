#pragma once
// LqLacquerForm: the frame component of a form. It takes the form over for its whole
// life: a frameless top-level window whose border, caption and buttons are drawn from the
// skin (or a plain default frame without one), shaped by the skin's mask, with hit
// testing, window states (minimize, maximize, restore, roll-up) and placement run here.
// The form's content lives in its contents rectangle, which the frame sets to the skin's
// client area.

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/data/bitmap.h"
#include "skin/data/image_compose.h"
#include "skin/data/region.h"
#include "skin/data/skin_notifications.h"
#include "skin/frame/frame_metrics.h"
#include "skin/frame/frame_objects.h"
#include "skin/frame/frame_skin.h"
#include "skin/frame/hit_test.h"
#include "skin/frame/placement.h"
#include "skin/frame/screen_info.h"

#include <QWidget>
class QPainter;
class QMouseEvent;

namespace lq {

class LqSkinData;
class LqSkinCaptionObject;

enum class FrameState { Normal, Minimized, Maximized };

using LqBorderIcons = unsigned;
constexpr LqBorderIcons biSystemMenu = 1;
constexpr LqBorderIcons biMinimize = 2;
constexpr LqBorderIcons biMaximize = 4;
constexpr LqBorderIcons biRollUp = 8;
constexpr LqBorderIcons biMinimizeToTray = 16;

enum class LqPositionInMonitor { lqpDefault, lqpScreenCenter, lqpDesktopCenter };

// One entry of the system menu as the frame builds it.
struct SystemMenuItem {
  std::string name;  // LQK_MINITEM, ..., or "-" for the separator
  QString caption;   // shown text with its accelerator
  QString shortcut;  // "Alt+F4" for the close item
};

class LqLacquerForm : public QObject, public LqSkinReceiver {
  Q_OBJECT

 public:
  explicit LqLacquerForm(QWidget* form);
  ~LqLacquerForm() override;

  QWidget* Form() const { return form_; }
  // The first frame component of a form (menus, dialogs and controls find it this way).
  static LqLacquerForm* FindFrame(const QWidget* form);
  // The application's main form: the one set here, else the oldest form with a frame.
  static void SetApplicationMainForm(QWidget* form);
  // Every living frame, oldest first.
  static const std::vector<LqLacquerForm*>& AllFrames();
  bool IsMainForm() const;

  // --- skin ---
  void SetSkinData(LqSkinData* data);
  LqSkinData* SkinData() const { return skinData_; }
  // Applies a frame skin copy directly (SetSkinData builds one from the component);
  // nullopt means no skin: the default frame.
  void SetFrameSkin(std::optional<FrameSkin> skin);
  const FrameSkin* Skin() const { return skinReady_ ? &*skin_ : nullptr; }
  bool SkinReady() const { return skinReady_; }
  bool Skinnable() const { return skinnable_; }
  void SetSkinnable(bool on);
  // Skin-change notifications (the numeric ids of the skin data component).
  void SkinBeforeChange(LqSkinData* sender);
  void SkinChanged(LqSkinData* sender);
  void SkinAfterChange(LqSkinData* sender);
  void SkinnableChanged(LqSkinData* sender);
  void SkinNotification(int message, LqSkinData& sender) override;

  // --- published properties ---
  LqBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(LqBorderIcons icons);
  bool DisableSystemMenu = false;
  bool AlwaysResize = false;
  LqPositionInMonitor PositionInMonitor = LqPositionInMonitor::lqpDefault;
  bool UseFormCursorInNCArea = false;
  int ClientWidth = 0;
  int ClientHeight = 0;
  bool HideCaptionButtons() const { return hideCaptionButtons_; }
  void SetHideCaptionButtons(bool on);
  bool AlwaysMinimizeToTray = false;
  bool ShowIcon() const { return showIcon_; }
  void SetShowIcon(bool on);
  bool MaximizeOnFullScreen = false;
  bool AlphaBlend = false;
  bool AlphaBlendAnimation = false;
  int AlphaBlendValue = 200;
  QFont DefCaptionFont;
  QColor DefCaptionFontColor;
  QFont DefInActiveCaptionFont;
  QColor DefInActiveCaptionFontColor;
  bool UseDefaultSysMenu = true;
  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
  bool Magnetic = false;
  int MagneticSize = 5;
  QImage LogoBitMap;
  bool LogoBitMapTransparent = false;
  // The form's border style allows sizing (a fixed dialog sets this false).
  bool Sizeable = true;
  // Draws the caption instead of the frame: (painter, rectangle, active).
  using CaptionPainter = std::function<void(QPainter&, const QRect&, bool active)>;
  void SetCaptionPainter(CaptionPainter painter) { captionPainter_ = std::move(painter); }
  // Runs the caption painter; false when there is none and the frame draws the caption.
  bool PaintCustomCaption(QPainter& painter, const QRect& rect, bool active) const;
  // Answers whether the custom (cmdefault) object with this IDName is shown; without an
  // answer such objects stay hidden.
  using CustomObjectVisibility = std::function<bool(const std::string& idName)>;
  void SetCustomObjectVisibility(CustomObjectVisibility visibility) {
    customObjectVisibility_ = std::move(visibility);
  }

  // --- client size ---
  FrameInsets Insets() const;
  // Sizes the window so that its client area is width x height.
  void SetClientSize(int width, int height);
  QRect ClientRect() const;

  // --- window states ---
  FrameState GetFrameState() const { return frameState_; }
  void SetFrameState(FrameState state);
  bool RolledUp() const { return rolledUp_; }
  bool RolledUpWhenMaximized() const { return rolledUpWhenMaximized_; }
  void SetRolledUp(bool on);
  bool IsFormActive() const;
  bool FormActive() const { return formActive_; }
  Rect NormalBounds() const { return normalBounds_; }
  bool FirstPlacementPending() const { return firstPlacementPending_; }
  int GetMinWidth() const;
  int GetMinHeight() const;
  int GetMaxWidth() const;
  int GetMaxHeight() const;
  void SetScreenInfo(std::shared_ptr<ScreenInfo> screens);
  Rect MonitorArea(bool workArea) const;
  // Replaces minimizing the application (the main form's minimize); tests observe it.
  void SetApplicationMinimizer(std::function<void()> minimize);
  void MinimizeToTray();
  void RestoreFromTray();
  void CloseForm();
  // Snaps a proposed window rectangle to the work-area edges (Magnetic drags).
  Rect SnapToEdges(const Rect& proposed, QPoint cursor);
  void UpdateActivation(bool animate);

  // --- frame objects ---
  const std::vector<std::unique_ptr<LqActiveSkinObject>>& Objects() const { return objects_; }
  LqActiveSkinObject* FindObject(const std::string& idName) const;
  LqSkinCaptionObject* FirstCaption() const;
  void CreateObjects();
  void CreateDefaultButtons();
  void UpdateObjectVisibility();
  void LayoutObjects();
  int HotIndex() const { return hotIndex_; }
  int CapturedIndex() const { return capturedIndex_; }
  void TestHot(int x, int y, bool activate);
  void PollHot();
  void RepaintObject(LqActiveSkinObject* object);
  void StartMorphTimer();
  void StartAnimationTimer();
  bool MorphTimerActive() const { return morphTimer_.isActive(); }
  bool AnimationTimerActive() const { return animationTimer_.isActive(); }
  bool PollTimerActive() const { return pollTimer_.isActive(); }
  // Runs one tick of each timer (the timers call these).
  void MorphTick();
  void AnimationTick();

  // --- system menu ---
  std::vector<SystemMenuItem> SystemMenuItems() const;
  void RunSystemMenuItem(const std::string& name);
  void ShowSystemMenu(QPoint globalPos);
  void ShowSystemMenuAt(const QRect& globalRect);
  // The menu opened from the frame has closed: release the button that opened it.
  void MenuClosed();
  bool SkinMenuOpen() const { return skinMenuOpen_; }
  // Alt+Space: opens the system menu at the first enabled system-menu object.
  bool HandleShortCut(int key, Qt::KeyboardModifiers modifiers);

  // --- mouse (window coordinates) ---
  HitCode HitTest(int x, int y) const;
  bool MaskPixelInside(int x, int y) const;
  void CaptionDoubleClick();
  bool InSizeMove() const { return inSizeMove_; }

  // --- painting, region ---
  const FrameMetrics& Metrics() const { return metrics_; }
  const Region& WindowRegion() const { return region_; }
  bool HasRegion() const { return hasRegion_; }
  const BorderStrips& FrameStrips() const { return strips_; }
  // Rebuilds geometry, object layout, border strips and region for the current size.
  void UpdateFrame();
  // Draws the whole window (frame and client background) into an image of its size.
  QImage RenderWindow();
  // Paints frame and background (the client area is excluded from the frame part).
  void PaintFrame(QPainter& p);
  void PaintBackground(QPainter& p);
  // The skinned frame strips as drawn (objects on them, inactive effect applied).
  BorderStrips ComposeSkinnedStrips();
  // The default frame's caption band, (W - 6) x caption height.
  QImage ComposeDefaultCaption();
  QString CaptionText() const;
  QColor FrameSysColor(int role) const;

 signals:
  // The form became the active window, or stopped being it.
  void activated();
  void deactivated();
  // Window states the frame entered (its own buttons or the window manager's).
  void minimized();
  void restored();
  void maximized();
  void rollUpStateChanged();
  // A skin change: before the old skin is let go, once this frame wears the new one, and
  // after every receiver of the skin data has been told.
  void aboutToChangeSkinData();
  void skinDataChanged();
  void skinDataChangeFinished();
  void minimizedToTray();
  void restoredFromTray();
  // Menu mode of the frame: a menu opened from it, and that menu closed again.
  void menuOpened();
  void menuClosed();
  // The mouse over a frame object, named by its IDName; coordinates are the window's and
  // the button is a MouseButton value.
  void objectEntered(const QString& idName);
  void objectLeft(const QString& idName);
  void objectPressed(const QString& idName, int x, int y, const QRect& objectRect, int button);
  void objectReleased(const QString& idName, int x, int y, const QRect& objectRect, int button);
  void objectMouseMoved(const QString& idName, int x, int y, const QRect& objectRect);
  // A user object is drawn: paint it with `painter`, which lives only during the emission
  // (connect directly).
  void paintUserObject(const QString& idName, QPainter* painter, const QRect& objectRect);
  // The system menu should open with these items at the rectangle (screen coordinates);
  // the menu engine shows it and calls MenuClosed() afterwards.
  void systemMenuRequested(const QRect& globalRect);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class FrameTestAccess;
  // skin application
  void ApplySkin();
  // Tells the form's skinned controls bound to `changing` (all of them for null).
  void ReleaseControlsSkin(LqSkinData* changing);
  void ApplyControlsSkin(LqSkinData* changing);
  void EnforceMinimumSize();
  void ApplyWindowFlags();
  void ApplySizeLimits();
  void NudgeWidth();
  // events
  void OnSizeChanged();
  void OnShowing();
  void OnActivationChanged();
  bool OnMouseEvent(QMouseEvent* e);
  void OnLeave();
  // states
  void Minimize();
  void Maximize();
  void Restore();
  void PlaceOnFirstShow();
  void StartFadeIn();
  // The window manager's own maximize and restore (its menu, keys, double-clicks).
  void WatchPlatformState();
  void FollowPlatformState(Qt::WindowStates state);
  void RecordNormalBounds();
  Rect Bounds() const;
  void SetBounds(const Rect& r);
  SizeLimitInput LimitInput() const;
  // mouse
  void Press(MouseButton button, int x, int y);
  void Release(MouseButton button, int x, int y);
  void ClearMouseState();
  void UpdateCursor(HitCode code);
  void StartManualMove(QPoint globalPos);
  // The bounds a drag of the sizing edge `code` by `delta` gives, kept within the limits.
  QRect ResizedBounds(HitCode code, const QRect& start, QPoint delta) const;
  // painting
  void UpdateRegion();
  void ApplyRegionToWindow();
  void LayoutDefaultCaption();
  bool SizeAtLeastMinimum() const;

  QPointer<QWidget> form_;
  LqSkinData* skinData_ = nullptr;
  std::optional<FrameSkin> skin_;
  bool skinReady_ = false;
  bool skinnable_ = true;
  bool changing_ = false;
  LqBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize | biRollUp;
  bool hideCaptionButtons_ = false;
  bool showIcon_ = false;

  FrameState frameState_ = FrameState::Normal;
  bool rolledUp_ = false;
  bool rolledUpWhenMaximized_ = false;
  bool wasRolledUpAtMaximize_ = false;
  int rolledUpHeight_ = 0;
  Rect normalBounds_;
  // The last two normal bounds seen: a maximize by the window manager may report the new
  // size before the new state.
  Rect lastNormalBounds_, previousNormalBounds_;
  bool platformMaximized_ = false;
  QMetaObject::Connection platformStateWatch_;
  bool firstPlacementPending_ = true;
  bool formActive_ = false;
  bool inSizeMove_ = false;
  int frameWidth_ = 0, frameHeight_ = 0;
  MagneticState magnetic_;
  std::shared_ptr<ScreenInfo> screens_;
  std::function<void()> minimizeApplication_;
  CaptionPainter captionPainter_;
  CustomObjectVisibility customObjectVisibility_;

  FrameMetrics metrics_;
  BorderStrips strips_;      // border strips of the active picture at the current size
  BorderStrips maskStrips_;  // kept for the mask pixel test
  Region region_;
  bool hasRegion_ = false;
  Rect defaultCaption_;

  std::vector<std::unique_ptr<LqActiveSkinObject>> objects_;
  int hotIndex_ = -1, prevHotIndex_ = -1, capturedIndex_ = -1;
  bool skinMenuOpen_ = false;
  QTimer pollTimer_, morphTimer_, animationTimer_;

  // mouse gestures
  HitCode pressCode_ = HitCode::Nowhere;
  QPoint pressGlobal_;
  bool moveStarted_ = false;
  bool manualMove_ = false;
  QPoint manualMoveOffset_;
  // Sizing by the frame itself where the platform cannot (no window manager).
  HitCode manualResizeCode_ = HitCode::Nowhere;
  QRect manualResizeStart_;
  QCursor formCursor_;
  bool hadCursor_ = false;
  bool settingCursor_ = false;  // the frame itself changes the form's cursor
};

}  // namespace lq
