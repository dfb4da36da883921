#pragma once
// LqSkinHint: serves the application's hints with a skinned hint window. While active it
// takes over the tooltips of every widget (their toolTip text, "@" splitting lines), and the
// frame uses ShowHint/HideHint for the hints of its caption buttons.

#include <QFont>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "skin/frame/menu_clock.h"

class QWidget;

namespace lq {

class LqSkinData;
class LqSkinHintWindow;

class LqSkinHint : public QObject {
  Q_OBJECT

 public:
  explicit LqSkinHint(QObject* owner = nullptr,
                      std::shared_ptr<longtail::TimerFactory> clock = QtTimers(),
                      std::shared_ptr<CursorProbe> cursor = QtCursorProbe());
  ~LqSkinHint() override;

  LqSkinData* SkinData = nullptr;
  QString LineSeparator = QStringLiteral("@");
  bool AlphaBlend = false;
  bool AlphaBlendAnimation = false;
  int AlphaBlendValue = 0;
  QFont DefaultFont;
  bool UseSkinFont = true;
  // The application's hint timing for object hints.
  int HintPause = 500;
  int HintHidePause = 2500;
  // Where hints must stay; the monitor work area of the active window by default.
  using WorkAreaSource = std::function<QRect()>;
  void SetWorkAreaSource(WorkAreaSource source) { workAreaSource_ = std::move(source); }

  bool Active() const { return active_; }
  // Switching one hint component on switches every other one off.
  void SetActive(bool on);
  // The active component, or null.
  static LqSkinHint* Current();

  // Title, image index and images of the hint being shown (titled variant when a title or
  // images are set).
  QString HintTitle;
  int HintImageIndex = 0;
  const std::vector<QImage>* HintImageList = nullptr;

  // Object hints of the frame: shown after the hint pause at the cursor, hidden after the
  // hide pause or on HideHint.
  void ShowHint(const QString& text);
  void HideHint();
  bool HintTimerActive() const;

  LqSkinHintWindow& Window() { return *window_; }
  QRect WorkArea() const;

 signals:
  // A widget's tooltip is about to show as a hint: its title and image were collected and
  // may still be changed (HintTitle, HintImageIndex, HintImageList).
  void hintAboutToShow(QWidget* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void TimerTick();

  WorkAreaSource workAreaSource_;
  std::shared_ptr<longtail::TimerFactory> clock_;
  std::shared_ptr<CursorProbe> cursor_;
  std::unique_ptr<LqSkinHintWindow> window_;
  std::unique_ptr<longtail::PeriodicTimer> timer_;
  QString pendingText_;
  bool shownByTimer_ = false;
  bool active_ = false;
};

}  // namespace lq
