// A real skinned window on an X server (Xvfb in CI): the window appears with the skinned
// frame, shaped by the skin's mask, and can be moved by its caption. Skipped (exit 77)
// when no X display is available.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <cstdlib>

#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"
#include "skin/embedded/embedded_skin.h"
#include "skin/frame/lacquer_form.h"

namespace lq {
namespace {

class SkinnedWindowOnX : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto stream = EmbeddedSkinStream();
    ASSERT_TRUE(store.LoadFromCompressedStream(stream.data(), stream.size()));
    // A magenta "desktop" behind the window shows where the shape lets it through.
    desktop.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    desktop.setAutoFillBackground(true);
    QPalette pal;
    pal.setColor(QPalette::Window, QColor(255, 0, 255));
    desktop.setPalette(pal);
    desktop.setGeometry(0, 0, 700, 500);
    desktop.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&desktop));

    frame = new LqLacquerForm(&form);
    frame->SetBorderIcons(biMinimize | biMaximize);
    data.Owner = frame;
    frame->SetSkinData(&data);
    data.SetCompressedStoredSkin(&store);
    form.setWindowTitle(QString::fromUtf8("长尾关键词 longtail"));
    form.move(50, 60);
    frame->SetClientSize(500, 300);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    (void)QTest::qWaitForWindowActive(&form, 2000);
    QTest::qWait(200);
  }
  QImage Screen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen->grabWindow(0, 0, 0, 700, 500).toImage().convertToFormat(QImage::Format_RGB32);
  }

  LqCompressedStoredSkin store;
  LqSkinData data;
  QWidget desktop;
  QWidget form;
  LqLacquerForm* frame = nullptr;
};

TEST_F(SkinnedWindowOnX, AppearsWithTheSkinnedFrameAndTheMasksShape) {
  ASSERT_TRUE(frame->SkinReady());
  EXPECT_EQ(form.size(), QSize(508, 331));
  const QImage expected = frame->RenderWindow();
  const QPoint origin = form.geometry().topLeft();
  const QList<QPoint> inside = {QPoint(100, 2), QPoint(form.width() / 2, 20), QPoint(2, 200),
                                QPoint(form.width() - 2, 200), QPoint(300, form.height() - 2)};
  // The X server shows the last flushed paint: wait (up to 3 s on a busy machine) until the
  // window's pixels have arrived.
  QImage shot;
  qreal dpr = 1;
  auto screenPixel = [&](int x, int y) {
    return QColor(shot.pixel(int((origin.x() + x) * dpr), int((origin.y() + y) * dpr)));
  };
  for (int attempt = 0; attempt < 60; ++attempt) {
    shot = Screen();
    dpr = shot.width() / 700.0;
    bool arrived = true;
    for (QPoint p : inside)
      if (screenPixel(p.x(), p.y()) != QColor(expected.pixel(p))) arrived = false;
    if (arrived) break;
    QTest::qWait(50);
  }
  if (const char* docs = std::getenv("LONGTAIL_SCREENSHOT_DIR")) {
    QDir().mkpath(docs);
    shot.save(QString(docs) + QString("/frame-xvfb-scale%1.png").arg(int(dpr)));
  }
  const Region& region = frame->WindowRegion();
  int cut = 0;
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) {
      for (int corner = 0; corner < 2; ++corner) {
        const int px = corner ? form.width() - 1 - x : x;
        if (region.contains(px, y)) {
          EXPECT_EQ(screenPixel(px, y), QColor(expected.pixel(px, y))) << px << "," << y;
        } else {
          ++cut;
          EXPECT_EQ(screenPixel(px, y), QColor(255, 0, 255)) << px << "," << y;
        }
      }
    }
  EXPECT_GT(cut, 0);  // the program's mask rounds the top corners
  // Inside the frame the screen shows what the frame paints.
  for (QPoint p : inside)
    EXPECT_EQ(screenPixel(p.x(), p.y()), QColor(expected.pixel(p))) << p.x() << "," << p.y();
}

TEST_F(SkinnedWindowOnX, CaptionDragMovesTheWindow) {
  const QPoint start = form.pos();
  QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(150, 12));
  for (int i = 1; i <= 3; ++i) {
    // The cursor moves on the screen; the window follows it.
    const QPoint global = start + QPoint(150 + 10 * i, 12 + 5 * i);
    QMouseEvent move(QEvent::MouseMove, QPointF(form.mapFromGlobal(global)), QPointF(global),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &move);
  }
  QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(150, 12));
  QTest::qWait(100);
  // With a window manager the system moves the window; without one the frame does.
  if (form.pos() == start) GTEST_SKIP() << "the window system took the move over";
  EXPECT_EQ(form.pos(), start + QPoint(30, 15));
}

}  // namespace
}  // namespace lq

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    std::fprintf(stderr, "no display: skipping the real-window tests\n");
    return 77;
  }
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
