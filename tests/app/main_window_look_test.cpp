// How the window reads: the caption while the window is inactive, the keyboard focus on
// a check box, a long seed in the memo and the broad-relevance caption at the window's edge.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "app/app_test_support.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/memo.h"
#include "skin/frame/caption_object.h"
#include "skin/frame/lacquer_form.h"
#include "support/screenshots.h"

namespace longtail::test {
namespace {

// Relative luminance of a grey or colour pixel, as contrast ratios use it.
double Luminance(QRgb p) {
  auto channel = [](int v) {
    const double c = v / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(qRed(p)) + 0.7152 * channel(qGreen(p)) + 0.0722 * channel(qBlue(p));
}

double Contrast(QRgb a, QRgb b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void Activate(QWidget& w) {
  w.show();
  w.activateWindow();
  QApplication::setActiveWindow(&w);
  WaitFor([&] { return w.isActiveWindow(); }, 1000);
}

TEST(MainWindowLook, InactiveCaptionKeepsAContrastOfAtLeast4Point5) {
  DemoWindow w;
  MainWindow& f = *w.window;
  QWidget other;
  other.resize(100, 100);
  Activate(other);
  ASSERT_FALSE(f.isActiveWindow());
  auto& frame = Child<lq::LqLacquerForm>(f, "frame");
  const QImage image = frame.RenderWindow().convertToFormat(QImage::Format_RGB32);
  testing::SaveScreenshot(image.copy(0, 0, image.width(), 40), "inactive-caption.png");
  const lq::LqSkinCaptionObject* caption = frame.FirstCaption();
  ASSERT_NE(caption, nullptr);
  const lq::Rect band = caption->TextRect();
  const lq::Rect object = caption->ObjectRect;
  // The text is the darkest colour of the band; what lies right of its last pixel is the
  // caption's background.
  QRgb text = qRgb(255, 255, 255);
  for (int y = object.top + band.top; y < object.top + band.bottom; ++y)
    for (int x = object.left + band.left; x < object.left + band.right; ++x)
      if (qGray(image.pixel(x, y)) < qGray(text)) text = image.pixel(x, y);
  int textRight = -1;
  for (int y = object.top + band.top; y < object.top + band.bottom; ++y)
    for (int x = object.left + band.left; x < object.left + band.right; ++x)
      if (image.pixel(x, y) == text) textRight = std::max(textRight, x);
  ASSERT_GT(textRight, object.left + 100) << "the title is drawn";
  double worst = 100;
  for (int y = object.top + band.top; y < object.top + band.bottom; ++y)
    for (int x = textRight + 3; x < object.right - 2; ++x)
      worst = std::min(worst, Contrast(text, image.pixel(x, y)));
  EXPECT_GE(worst, 4.5) << "text " << std::hex << text;
}

TEST(MainWindowLook, KeyboardFocusOnACheckBoxShowsAFrame) {
  DemoWindow w;
  MainWindow& f = *w.window;
  Activate(f);
  auto& box = Child<lq::LqSkinCheckRadioBox>(f, "autoSaveBox");
  const QRect frameRect = box.CaptionRect().adjusted(-2, -1, 1, 0);
  const QImage plain = box.grab().toImage();
  box.setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(WaitFor([&] { return box.hasFocus(); }, 1000));
  const QImage focused = box.grab().toImage();
  testing::SaveScreenshot(f.grab().toImage().copy(330, 60, 480, 100), "check-box-focus.png");
  int shown = 0, edge = 0;
  for (int x = frameRect.left(); x <= frameRect.right(); ++x)
    for (int y : {frameRect.top(), frameRect.bottom()}) {
      ++edge;
      if (qAbs(qGray(plain.pixel(x, y)) - qGray(focused.pixel(x, y))) > 60) ++shown;
    }
  EXPECT_GT(shown, edge / 6) << "a dotted frame stands out from the panel";
}

TEST(MainWindowLook, LongSeedsWrapAndTheBroadRelevanceCaptionIsWhole) {
  DemoWindow w;
  MainWindow& f = *w.window;
  auto& memo = Child<lq::LqSkinMemo2>(f, "seedsMemo");
  memo.SetText(QStringLiteral("a very long seed phrase that does not fit into the memo at all"));
  EXPECT_EQ(memo.horizontalScrollBar()->maximum(), 0) << "nothing hides to the right";
  EXPECT_EQ(memo.Lines().size(), 1);

  // The box ends inside the top panel's frame, and its caption ends before the box's
  // edge: it is drawn whole, not cut off there.
  auto& box = Child<lq::LqSkinCheckRadioBox>(f, "broadRelevanceBox");
  EXPECT_LE(box.geometry().right(), Child<QWidget>(f, "topPanel").width() - 3);
  const QImage image = box.grab().toImage();
  testing::SaveScreenshot(image, "broad-relevance-caption.png");
  int inkRight = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 100) inkRight = std::max(inkRight, x);
  EXPECT_GT(inkRight, box.width() / 2);
  EXPECT_LT(inkRight, box.width() - 5);
}

}  // namespace
}  // namespace longtail::test
