// The memos: the free-standing scroll bar kept in step both ways, wheel steps,
// fonts and colours, the disabled look and the framed memo's insets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QScrollBar>
#include <QTest>

#include "controls/test_skin.h"
#include "skin/controls/memo.h"
#include "skin/controls/scroll_bar.h"

namespace {

struct MemoForm {
  MemoForm() {
    form.resize(260, 170);
    memo = new lq::LqSkinMemo2(&form);
    memo->setGeometry(0, 0, 224, 154);
    bar = new lq::LqSkinScrollBar(&form);
    bar->SetKind(lq::ScrollBarKind::Vertical);
    bar->setGeometry(224, 0, 19, 154);
    memo->SetVScrollBar(bar);
    form.show();
  }
  QString Lines(int n) const {
    QStringList l;
    for (int i = 0; i < n; ++i) l << QStringLiteral("关键词 %1").arg(i);
    return l.join('\n');
  }
  QWidget form;
  lq::LqSkinMemo2* memo;
  lq::LqSkinScrollBar* bar;
};

}  // namespace

TEST(SkinMemo, BarEnabledAndSizedWhenLinesExceedTheViewAndBackToZeroWhenDeleted) {
  MemoForm f;
  EXPECT_FALSE(f.bar->isEnabled());
  EXPECT_EQ(f.bar->Max(), 0);
  f.memo->SetText(f.Lines(40));
  QApplication::processEvents();
  const int page = f.memo->verticalScrollBar()->pageStep();
  ASSERT_GT(page, 3);
  ASSERT_LT(page, 40);
  EXPECT_TRUE(f.bar->isEnabled());
  EXPECT_EQ(f.bar->Min(), 0);
  EXPECT_EQ(f.bar->PageSize(), page);
  // Thumb length over track length is visible lines over total lines.
  EXPECT_EQ(f.bar->Max() + 1, 40);
  const lq::ScrollBarLayout l = f.bar->Layout();
  EXPECT_NEAR(double(l.thumb.height()) / l.track.height(), double(page) / 40, 0.05);

  f.memo->selectAll();
  f.memo->textCursor().removeSelectedText();
  QApplication::processEvents();
  EXPECT_FALSE(f.bar->isEnabled());
  EXPECT_EQ(f.bar->Max(), 0);
  EXPECT_EQ(f.bar->PageSize(), 0);
  EXPECT_EQ(f.bar->Position(), 0);
}

TEST(SkinMemo, ThumbDragScrollsTheMemoAndKeyboardMovesTheThumb) {
  MemoForm f;
  f.memo->SetText(f.Lines(60));
  QApplication::processEvents();
  const lq::ScrollBarLayout l = f.bar->Layout();
  const QPoint grab(l.thumb.left + l.thumb.width() / 2, l.thumb.top + l.thumb.height() / 2);
  QTest::mousePress(f.bar, Qt::LeftButton, {}, grab);
  QTest::mouseMove(f.bar, grab + QPoint(0, 60));
  QTest::mouseRelease(f.bar, Qt::LeftButton, {}, grab + QPoint(0, 60));
  EXPECT_GT(f.bar->Position(), 5);
  EXPECT_EQ(f.memo->verticalScrollBar()->value(), f.bar->Position());
  EXPECT_GT(f.memo->cursorForPosition(QPoint(5, 5)).blockNumber(), 5);

  f.memo->setFocus();
  QTest::keyClick(f.memo, Qt::Key_End, Qt::ControlModifier);
  EXPECT_GE(f.bar->Position(), f.bar->Max() - f.bar->PageSize());
  EXPECT_EQ(f.bar->Position(), f.memo->verticalScrollBar()->value());
  QTest::keyClick(f.memo, Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(f.bar->Position(), 0);
  QTest::keyClick(f.memo, Qt::Key_PageDown);
  QTest::keyClick(f.memo, Qt::Key_PageDown);
  EXPECT_GT(f.bar->Position(), 0);
  EXPECT_EQ(f.bar->Position(), f.memo->verticalScrollBar()->value());
}

TEST(SkinMemo, WheelScrollsOneLinePerNotch) {
  MemoForm f;
  f.memo->SetText(f.Lines(60));
  QApplication::processEvents();
  QWheelEvent down(QPointF(10, 10), f.memo->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -240),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(f.memo->viewport(), &down);
  EXPECT_EQ(f.memo->verticalScrollBar()->value(), 2);
  EXPECT_EQ(f.bar->Position(), 2);
}

TEST(SkinMemo, DisablingTheMemoDisablesItsBarAndKeepsTheLinesInTheSkinColour) {
  auto skin = lqtest::MakeProgramSkin();
  MemoForm f;
  f.memo->SetSkinData(skin.get());
  EXPECT_TRUE(f.memo->IsBound());
  f.memo->SetText(f.Lines(40));
  QApplication::processEvents();
  ASSERT_TRUE(f.bar->isEnabled());
  f.memo->setEnabled(false);
  EXPECT_FALSE(f.bar->isEnabled());
  EXPECT_EQ(f.memo->palette().color(QPalette::Disabled, QPalette::Text),
            lq::ControlColor(11311758));
  const QImage shot = lqtest::Render(f.memo);
  int textPixels = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 100; ++x) textPixels += shot.pixelColor(x, y) != QColor(Qt::white);
  EXPECT_GT(textPixels, 20);
}

TEST(SkinMemo, FontAndColoursFromTheSkinOrTheDefaultFont) {
  auto skin = lqtest::MakeProgramSkin();
  lq::LqSkinMemo2 memo;
  lq::LqFont f;
  f.color = lq::RGB(200, 0, 0);
  memo.SetDefaultFont(f);
  EXPECT_EQ(memo.palette().color(QPalette::Text), QColor(200, 0, 0));
  memo.SetSkinData(skin.get());
  EXPECT_EQ(memo.palette().color(QPalette::Text), QColor(0, 0, 0));
  EXPECT_EQ(memo.palette().color(QPalette::Base), QColor(255, 255, 255));
  memo.SetUseSkinFontColor(false);
  EXPECT_EQ(memo.palette().color(QPalette::Text), QColor(200, 0, 0));
}

TEST(SkinMemo, BarRemovedFromTheFormIsForgotten) {
  MemoForm f;
  delete f.bar;
  EXPECT_EQ(f.memo->VScrollBar(), nullptr);
  f.memo->SetText(f.Lines(50));  // no use of the freed bar
  QApplication::processEvents();
}

TEST(SkinMemo, LinesAreTheParagraphs) {
  lq::LqSkinMemo2 memo;
  memo.SetText("长尾词\nseo\n");
  EXPECT_EQ(memo.Lines(), QStringList({"长尾词", "seo"}));
}

// Input methods compose Chinese through QInputMethodEvent; the memo must take the
// committed text like any typed text.
TEST(SkinMemo, CommittedInputMethodTextReachesTheMemo) {
  MemoForm f;
  EXPECT_TRUE(f.memo->testAttribute(Qt::WA_InputMethodEnabled));
  f.memo->setFocus();
  QInputMethodEvent preedit(QStringLiteral("guanjian"), {});
  QApplication::sendEvent(f.memo, &preedit);
  QInputMethodEvent commit;
  commit.setCommitString(QStringLiteral("关键"));
  QApplication::sendEvent(f.memo, &commit);
  EXPECT_EQ(f.memo->Text(), QStringLiteral("关键"));
}

TEST(SkinMemo, FramedMemoKeepsTextOffTheFrame) {
  auto skin = lqtest::MakeProgramSkin();
  lq::LqSkinMemo memo;
  memo.resize(200, 120);
  EXPECT_EQ(memo.TextInsets(), QMargins(3, 2, 4, 2));
  memo.SetBitMapBG(false);
  EXPECT_EQ(memo.TextInsets(), QMargins(6, 2, 4, 2));
  memo.SetBitMapBG(true);
  memo.SetSkinData(skin.get());
  // clientrect 2,2,38,38 of a 40 x 40 element.
  EXPECT_EQ(memo.TextInsets(), QMargins(3, 3, 5, 4));
  memo.SetText("长尾词\nseo");
  const QImage shot = lqtest::Render(&memo);
  lqtest::SaveDocImage(shot, "memo_framed.png");
  EXPECT_NE(shot.pixelColor(0, 60), shot.pixelColor(100, 60));  // frame edge differs from inside
}
