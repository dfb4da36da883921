#pragma once
// LqSkinSplitter: the bar between two docked panes. Dragging it resizes the pane
// docked before it (the neighbour); it draws itself from the "vsplitter" /
// "hsplitter" element with a centred gripper, or as a plain bar while unbound.

#include <QWidget>
#include <functional>
#include <string>

#include "skin/controls/align_layout.h"
#include "skin/controls/skin_binding.h"
#include "skin/controls/skin_client.h"
#include "skin/controls/splitter_drag.h"
#include "skin/data/bitmap.h"

namespace lq {

class LqSkinData;

enum class ResizeStyle { None, Line, Update, Pattern };

class LqSkinSplitter : public QWidget, public SkinClient {
  Q_OBJECT

 public:
  explicit LqSkinSplitter(QWidget* parent = nullptr);
  ~LqSkinSplitter() override;

  LqSkinData* SkinData() const { return binding_.Data(); }
  void SetSkinData(LqSkinData* data);
  const std::string& SkinDataName() const { return binding_.Name(); }
  void SetSkinDataName(const std::string& name) { binding_.SetName(name); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on);
  int DefaultSize() const { return defaultSize_; }
  void SetDefaultSize(int size);
  DockAlign Align() const { return AlignOf(this); }
  void SetAlign(DockAlign align);

  int MinSize = 30;
  bool AutoSnap = true;
  lq::ResizeStyle ResizeStyle = lq::ResizeStyle::Pattern;
  bool Beveled = false;
  Color ColorValue = 0xFF00000Fu;  // the button face, as the form's colour

  // May change the proposed size; returning false ignores the move.
  using ResizeCheck = std::function<bool(int& newSize)>;
  void SetResizeCheck(ResizeCheck check) { resizeCheck_ = std::move(check); }

  // SkinClient
  LqSkinData* skinDataRef() const override { return binding_.Data(); }
  void ReleaseSkin() override;
  void ApplySkin() override;

  bool IsBound() const { return binding_.Bound(); }
  bool Sizing() const { return neighbour_ != nullptr; }
  QWidget* Neighbour() const { return neighbour_; }
  int MaxSize() const { return maxSize_; }
  // Where the sizing line currently stands, in parent coordinates (tests look at it).
  QRect LineRect() const;

 signals:
  void moved();
  void clicked();
  void doubleClicked();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  ResizeCheck resizeCheck_;
  void Bind();
  SplitterSide Side() const;
  void StartSizing(const QPoint& parentPos);
  void MoveSizing(const QPoint& parentPos);
  void StopSizing(bool apply);
  void ShowLine();
  void ApplyNeighbourSize(int size);

  SkinBinding binding_{"vsplitter"};
  bool transparent_ = false;
  int defaultSize_ = 10;
  // Copied on bind.
  const Bitmap* picture_ = nullptr;
  Rect skinrect_, gripperrect_;
  Point lefttoppoint_, righttoppoint_, leftbottompoint_;
  bool stretcheffect_ = false, grippertransparent_ = false;
  Color grippertransparentcolor_ = 0;
  // Sizing state.
  QWidget* neighbour_ = nullptr;
  QWidget* line_ = nullptr;
  QPoint downPos_;
  int maxSize_ = 0;
  int newSize_ = 0;
  int split_ = 0;
  int oldSize_ = -1;
  bool moved_ = false;
};

}  // namespace lq
