#pragma once
// LqSkinScrollBar: a free-standing scroll bar drawn from the "vscrollbar" /
// "hscrollbar" elements (or its built-in look while unbound). It keeps a position
// in a range, repeats arrow and page steps while the mouse is held and reports
// changes through events; linked controls mirror their scroll state with SetRange.

#include <functional>
#include <memory>
#include <string>

#include "skin/controls/scroll_bar_layout.h"
#include "skin/controls/scroll_bar_logic.h"
#include "skin/controls/skin_control.h"
#include "skin/qt/qt_timer.h"

namespace lq {

enum class ScrollBarKind { Horizontal, Vertical };

class LqSkinScrollBar : public LqSkinCustomControl, private ScrollBarListener {
  Q_OBJECT

 public:
  // timers: where the repeat timer comes from (QTimers on the GUI thread by default).
  explicit LqSkinScrollBar(QWidget* parent = nullptr,
                           std::shared_ptr<longtail::TimerFactory> timers = QtTimers());
  ~LqSkinScrollBar() override;

  int Position() const { return logic_.position(); }
  void SetPosition(int value) { logic_.setPosition(value); }
  int Min() const { return logic_.range().min; }
  int Max() const { return logic_.range().max; }
  int PageSize() const { return logic_.range().pageSize; }
  void SetMin(int v) { logic_.setMin(v); }
  void SetMax(int v) { logic_.setMax(v); }
  void SetPageSize(int v) { logic_.setPageSize(v); }
  // All four at once without changed(): what linked controls use.
  void SetRange(int min, int max, int pageSize, int position) {
    logic_.setRange(min, max, pageSize, position);
  }
  int SmallChange() const { return logic_.smallChange; }
  int LargeChange() const { return logic_.largeChange; }
  void SetSmallChange(int v);
  void SetLargeChange(int v);

  ScrollBarKind Kind() const { return kind_; }
  void SetKind(ScrollBarKind kind);
  bool Both() const { return both_; }
  void SetBoth(bool on);
  int BothMarkerWidth() const { return bothMarkerWidth_; }
  void SetBothMarkerWidth(int w);
  const std::string& BothSkinDataName() const { return bothSkinDataName_; }
  void SetBothSkinDataName(const std::string& name) { bothSkinDataName_ = name; }
  bool CanFocused() const { return canFocused_; }
  void SetCanFocused(bool on);

  // Replace the one-step move of the arrow buttons while set (up steps towards Max,
  // down towards Min); empty restores it.
  void SetStepHandlers(std::function<void()> up, std::function<void()> down);

  // Layout for the current size and range, as painting and hit testing use it.
  ScrollBarLayout Layout() const;
  // Whether the bar draws from a scroll-bar element (else its built-in look).
  bool SkinnedLook() const { return skinned_; }
  const ScrollBarLogic& Logic() const { return logic_; }
  longtail::PeriodicTimer& Timer() { return logic_.timer(); }

  void BindSkin() override;

 signals:
  void changed();
  void dragFinished();
  void pagedUp();
  void pagedDown();

 protected:
  void DrawDefault(QImage& canvas) override;
  void DrawSkin(QImage& canvas) override;

  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void changeEvent(QEvent* e) override;
  bool event(QEvent* e) override;

 private:
  // What the logic reports, turned into repaints, signals and the step handlers.
  void positionChanged() override;
  void thumbDragEnded() override;
  void pagedTowardsMin() override;
  void pagedTowardsMax() override;
  bool arrowStepTowardsMax() override;
  bool arrowStepTowardsMin() override;
  void repaintNeeded() override;

  std::function<void()> stepUp_, stepDown_;
  bool Vertical() const { return kind_ == ScrollBarKind::Vertical; }
  bool ThumbFocused() const { return canFocused_ && hasFocus(); }
  void DrawSkinButton(QImage& canvas, const Rect& place, ScrollBarPart part);
  void DrawSkinThumb(QImage& canvas, const ScrollBarLayout& l);

  std::shared_ptr<longtail::TimerFactory> timers_;  // before logic_, which uses it
  ScrollBarLogic logic_;
  ScrollBarKind kind_ = ScrollBarKind::Horizontal;
  bool both_ = false;
  int bothMarkerWidth_ = 19;
  std::string bothSkinDataName_ = "bothhscrollbar";
  std::string normalSkinDataName_;
  bool canFocused_ = false;
  bool skinned_ = false;
  ScrollBarSkin skin_;
};

}  // namespace lq
