#pragma once
// LqSkinHintWindow: the window that shows one hint, skinned from [HINTWINDOW] or in the
// default look (info colours, one-pixel frame). It never takes focus or mouse input.

#include <QFont>
#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

#include "skin/data/bitmap.h"
#include "skin/data/region.h"
#include "skin/frame/hint_layout.h"

namespace lq {

class LqSkinHint;

class LqSkinHintWindow : public QWidget {
 public:
  explicit LqSkinHintWindow(LqSkinHint& hint);
  ~LqSkinHintWindow() override;

  // Shows text with the hint's top-left at r's top-left (moved to stay in the work area).
  void ActivateHint(const QRect& r, const QString& text);
  void HideHint();

  const HintGeometry& Geometry() const { return geometry_; }
  QSize TextSize() const { return textSize_; }
  QString ShownText() const { return text_; }
  bool Titled() const { return titled_; }
  bool Skinned() const { return skin_ != nullptr; }
  const Region& WindowRegion() const { return region_; }
  QRect ScreenRect() const { return screenRect_; }
  QFont TextFont() const { return font_; }

  Bitmap Render() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  LqSkinHint& hint_;
  std::shared_ptr<const HintSkin> skin_;
  HintGeometry geometry_;
  QFont font_;
  QString text_;
  QString title_;
  QImage image_;
  QSize textSize_;
  QSize titleSize_;
  bool titled_ = false;
  Region region_;
  QRect screenRect_;
  bool wasLayered_ = false;
  int lastAlpha_ = -1;
};

}  // namespace lq
