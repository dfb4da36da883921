// The splitter between the result and export panes of an 822-pixel window.
#include <gtest/gtest.h>
#include <QMouseEvent>
#include <QTest>

#include "controls/list_box_test_skin.h"
#include "skin/controls/align_layout.h"
#include "skin/controls/control_style.h"
#include "skin/controls/splitter.h"
#include "support/screenshots.h"

namespace lq {
namespace {

QRgb At(const QImage& img, int x, int y) {
  return img.pixel(x, y) & 0xFFFFFF;
}
QRgb Rgb(Color c) {
  return ControlColor(c).rgb() & 0xFFFFFF;
}

struct ListArea {
  std::unique_ptr<LqSkinData> skin;
  QWidget form;
  QWidget* result;
  LqSkinSplitter* splitter;
  QWidget* exportPane;
  int moved = 0;

  explicit ListArea(bool skinned) {
    form.resize(822, 341);
    auto* layout = new LqAlignLayout(&form);
    result = new QWidget(&form);
    result->resize(409, 341);
    SetAlign(result, DockAlign::Left);
    splitter = new LqSkinSplitter(&form);
    splitter->setGeometry(409, 0, 10, 341);
    exportPane = new QWidget(&form);
    SetAlign(exportPane, DockAlign::Client);
    if (skinned) {
      skin = test::MakeTestSkin();
      splitter->SetSkinData(skin.get());
    }
    QObject::connect(splitter, &LqSkinSplitter::moved, [this] { ++moved; });
    layout->realign();
  }
  void Press() { QTest::mousePress(splitter, Qt::LeftButton, {}, QPoint(2, 100)); }
  void MoveBy(int dx) {
    const QPointF p(2 + dx, 100);
    QMouseEvent e(QEvent::MouseMove, p, splitter->mapToGlobal(p), Qt::NoButton, Qt::LeftButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(splitter, &e);
  }
  void Release(int dx) { QTest::mouseRelease(splitter, Qt::LeftButton, {}, QPoint(2 + dx, 100)); }
  void Drag(int dx) {
    Press();
    MoveBy(dx);
    Release(dx);
  }
};

TEST(SplitterTest, SkinnedWidthComesFromTheElementUnboundFromDefaultSize) {
  ListArea skinned(true);
  EXPECT_EQ(skinned.splitter->width(), 5);
  EXPECT_EQ(skinned.splitter->x(), 409);
  EXPECT_EQ(skinned.exportPane->x(), 414);
  ListArea plain(false);
  EXPECT_EQ(plain.splitter->width(), 10);
  QImage img = plain.splitter->grab().toImage();
  EXPECT_EQ(At(img, 5, 100), Rgb(clBtnFace));
}

TEST(SplitterTest, SkinnedLookTilesTheStripWithACentredGripper) {
  ListArea a(true);
  QImage img = a.splitter->grab().toImage();
  longtail::testing::SaveScreenshot(img, "splitter_skinned.png");
  // Gripper 3 x 8 centred in 5 x 341: at (1, 166); its magenta corner shows the strip.
  EXPECT_EQ(At(img, 0, 10), Rgb(test::kSplitter));
  EXPECT_EQ(At(img, 2, 168), Rgb(test::kGripper));
  EXPECT_EQ(At(img, 1, 166), Rgb(test::kSplitter));
  EXPECT_EQ(At(img, 2, 160), Rgb(test::kSplitter));
}

TEST(SplitterTest, DraggingLeftSnapsTheFrameToZeroAtMinSize) {
  ListArea a(true);
  a.Drag(-378);  // 31 pixels: allowed
  EXPECT_EQ(a.result->width(), 31);
  EXPECT_EQ(a.splitter->x(), 31);
  ListArea b(true);
  b.Drag(-379);  // exactly MinSize: snaps
  EXPECT_EQ(b.result->width(), 0);
  EXPECT_EQ(b.splitter->x(), 0);
  EXPECT_EQ(b.exportPane->width(), 822 - 5);
  EXPECT_EQ(b.moved, 1);
}

TEST(SplitterTest, DraggingRightStopsWhereTheExportFrameKeepsMinSize) {
  ListArea a(true);
  a.Press();
  EXPECT_EQ(a.splitter->MaxSize(), 787);
  a.MoveBy(5000);
  a.Release(5000);
  EXPECT_EQ(a.result->width(), 787);
  EXPECT_EQ(a.exportPane->width(), 30);
}

TEST(SplitterTest, EscapeDuringADragLeavesTheFrameAlone) {
  ListArea a(true);
  a.Press();
  a.MoveBy(-100);
  EXPECT_TRUE(a.splitter->Sizing());
  EXPECT_EQ(a.splitter->LineRect().left(), 309);
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(&a.form, &esc);
  EXPECT_FALSE(a.splitter->Sizing());
  a.Release(-100);
  EXPECT_EQ(a.result->width(), 409);
  EXPECT_EQ(a.moved, 0);
}

TEST(SplitterTest, CanResizeMayRefuseOrAdjust) {
  ListArea a(true);
  a.splitter->SetResizeCheck([](int& size) {
    if (size > 500) return false;
    size = size / 10 * 10;
    return true;
  });
  a.Drag(-53);
  EXPECT_EQ(a.result->width(), 350);
  a.Drag(400);  // refused: nothing changes
  EXPECT_EQ(a.result->width(), 350);
}

TEST(SplitterTest, TransparentSplitterDrawsNothingButStillDrags) {
  ListArea a(true);
  a.form.setAutoFillBackground(true);
  QPalette pal = a.form.palette();
  pal.setColor(QPalette::Window, QColor(1, 2, 3));
  a.form.setPalette(pal);
  a.splitter->SetTransparent(true);
  EXPECT_EQ(a.splitter->width(), 10);
  QImage img = a.form.grab().toImage();
  EXPECT_EQ(At(img, a.splitter->x() + 5, 100), qRgb(1, 2, 3) & 0xFFFFFF);
  a.Drag(-100);
  EXPECT_EQ(a.result->width(), 309);
}

}  // namespace
}  // namespace lq
