// Std labels (drawn over their parent, embossed when disabled) and the status panel.
#include <gtest/gtest.h>

#include "controls/test_skin.h"
#include "skin/controls/skin_labels.h"

namespace lq {
namespace {

using lqtest::Render;

class LabelTest : public ::testing::Test {
 protected:
  std::unique_ptr<LqSkinData> skin = lqtest::MakeTestSkin();
  QWidget window;
};

// Counts pixels of a colour inside r.
int Count(const QImage& img, const QRect& r, const QColor& c) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (QColor(img.pixel(x, y)) == c) ++n;
  return n;
}

TEST_F(LabelTest, StdLabelDrawsOverItsParentWithoutFilling) {
  window.resize(200, 60);
  window.setAutoFillBackground(true);
  QPalette pal;
  pal.setColor(QPalette::Window, QColor(10, 200, 10));
  window.setPalette(pal);
  LqSkinStdLabel label(&window);
  label.SetSkinData(skin.get());
  label.SetCaption(QStringLiteral("输入关键词"));
  label.move(19, 15);
  EXPECT_GT(label.width(), 20);  // AutoSize fitted the text
  const QImage img = Render(&window);
  const QRect r = label.geometry();
  EXPECT_GT(Count(img, r, QColor(10, 200, 10)), 0);  // the parent shows through
  EXPECT_GT(Count(img, r, QColor(0, 0, 0)), 0);      // skin colour black
}

TEST_F(LabelTest, DisabledStdLabelIsEmbossed) {
  window.resize(200, 60);
  LqSkinStdLabel label(&window);
  label.SetCaption(QStringLiteral("Disabled"));
  label.move(10, 10);
  label.setEnabled(false);
  window.setAutoFillBackground(true);
  QPalette pal;
  pal.setColor(QPalette::Window, QColor(10, 200, 10));
  window.setPalette(pal);
  const QImage img = Render(&window);
  const QRect r = label.geometry().adjusted(0, 0, 1, 1);
  const int highlight = Count(img, r, QColor(255, 255, 255));
  const int shadow = Count(img, r, QColor(160, 160, 160));
  EXPECT_GT(highlight, 0);
  EXPECT_GT(shadow, 0);
  // The highlight copy lies one pixel down-right: its right-most column is beyond the shadow's.
  int lastHighlight = -1, lastShadow = -1;
  for (int x = r.left(); x <= r.right(); ++x)
    for (int y = r.top(); y <= r.bottom(); ++y) {
      const QColor c(img.pixel(x, y));
      if (c == QColor(255, 255, 255)) lastHighlight = x;
      if (c == QColor(160, 160, 160)) lastShadow = x;
    }
  EXPECT_EQ(lastHighlight, lastShadow + 1);
}

TEST_F(LabelTest, UnboundStdLabelUsesItsDefaultFontNotItsFont) {
  LqSkinStdLabel label(&window);
  LqFont def;
  def.name = "Arial";
  def.height = -11;
  def.color = RGB(0, 0, 255);
  LqFont own;
  own.height = 30;
  own.color = RGB(255, 0, 0);
  label.SetDefaultFont(def);
  label.SetFont(own);
  EXPECT_EQ(label.CurrentFont().pixelSize(), 11);
  EXPECT_EQ(label.CurrentColor(), RGB(0, 0, 255));
  label.SetSkinData(skin.get());  // bound: the skin's font and colour
  EXPECT_EQ(label.CurrentColor(), RGB(0, 0, 0));
  label.SetUseSkinColor(false);
  EXPECT_EQ(label.CurrentColor(), RGB(255, 0, 0));
}

TEST_F(LabelTest, StatusPanelTakesElementHeightAndClipsLongText) {
  LqSkinStatusPanel status(&window);
  status.SetSkinData(skin.get());
  status.SetBounds({344, 132, 476, 21});
  EXPECT_EQ(status.size(), QSize(476, 20));
  EXPECT_EQ(status.TextArea(), QRect(3, 2, 470, 16));
  status.SetBounds({0, 0, 120, 20});
  status.SetCaption(QString(60, QChar('H')));
  const QImage img = Render(&status);
  // The text runs up to the text area's edge, and no further: no ellipsis, no overflow.
  const QRect area = status.TextArea();
  int inked = 0, beyond = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 120; ++x) {
      const QColor c(img.pixel(x, y));
      if (c == lqtest::kStatusFill || c == lqtest::kStatusBorder) continue;
      if (x > area.right()) ++beyond;
      if (x > area.right() - 8 && x <= area.right()) ++inked;
    }
  EXPECT_GT(inked, 0);
  EXPECT_EQ(beyond, 0);
}

TEST_F(LabelTest, EllipsisTrimsOnlyWhenAsked) {
  LqSkinLabel label(&window);
  label.SetBounds({0, 0, 60, 21});
  label.SetCaption(QStringLiteral("a rather long status text"));
  QImage plain = Render(&label);
  label.SetEllipsType(LabelEllipsis::End);
  QImage trimmed = Render(&label);
  EXPECT_NE(plain, trimmed);
}

TEST_F(LabelTest, UnboundStatusPanelDrawsFrameAndInsetText) {
  LqSkinStatusPanel status(&window);
  status.SetBounds({0, 0, 100, 21});
  EXPECT_EQ(status.TextArea(), QRect(3, 3, 94, 15));
  const QImage img = Render(&status);
  EXPECT_EQ(QColor(img.pixel(0, 0)), QColor(160, 160, 160));
  EXPECT_EQ(QColor(img.pixel(50, 10)), QColor(240, 240, 240));
}

}  // namespace
}  // namespace lq
