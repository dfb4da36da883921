// A harvest run driven through the window against the demo services: typing the seeds,
// clicking Query and Stop, and what the lists and labels show.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QTimer>

#include "app/app_test_support.h"
#include "harvest/admission.h"
#include "harvest/demo/phrase_graph.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/list_box.h"
#include "skin/controls/memo.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_labels.h"
#include "text/ascii_case.h"

namespace longtail::test {
namespace {

const QString kEnded = QStringLiteral("查询完毕，这个词再也查不了了！");
const QString kStopped = QStringLiteral("手动停止查询完毕");

// The list a run without broad relevance must end with: the lowered seeds, then every
// suggestion of each listed phrase in list order that the list does not hold yet.
std::vector<std::string> ExpectedRun(const demo::PhraseGraph& graph,
                                     const std::vector<std::string>& seeds) {
  PhraseList list;
  for (const std::string& s : seeds) list.Append(LowerAsciiLetters(s));
  for (int i = 0; i < list.Count(); ++i)
    for (const std::string& phrase : graph.Suggestions(list.Item(i)))
      AdmitPhrase(list, phrase, false, seeds);
  return list.Items();
}

// Latin letters are typed key by key; Chinese text arrives as an input method commits it.
void TypeSeeds(lq::LqSkinMemo2& memo, const QString& latin, const QString& chinese) {
  memo.setFocus();
  QTest::keyClicks(&memo, latin);
  QTest::keyClick(&memo, Qt::Key_Return);
  QInputMethodEvent commit;
  commit.setCommitString(chinese);
  QApplication::sendEvent(&memo, &commit);
}

// The window's controls a run test drives and reads.
struct RunControls {
  explicit RunControls(MainWindow& f)
      : memo(Child<lq::LqSkinMemo2>(f, "seedsMemo")),
        query(Child<QWidget>(f, "queryButton")),
        stop(Child<QWidget>(f, "stopButton")),
        broad(Child<lq::LqSkinCheckRadioBox>(f, "broadRelevanceBox")),
        status(Child<lq::LqSkinStatusPanel>(f, "statusPanel")),
        resultCount(Child<lq::LqSkinStdLabel>(f, "resultCountLabel")),
        exportCount(Child<lq::LqSkinStdLabel>(f, "exportCountLabel")) {}
  lq::LqSkinMemo2& memo;
  QWidget& query;
  QWidget& stop;
  lq::LqSkinCheckRadioBox& broad;
  lq::LqSkinStatusPanel& status;
  lq::LqSkinStdLabel& resultCount;
  lq::LqSkinStdLabel& exportCount;
};

TEST(MainWindowRun, QueryHarvestsTheSeedsInListOrderUntilTheEndText) {
  demo::DemoOptions options;
  options.graphSize = 150;
  DemoWindow w(options);
  MainWindow& f = *w.window;
  RunControls c(f);
  f.show();
  TypeSeeds(c.memo, QStringLiteral("QQ"), QStringLiteral("手机"));
  ASSERT_EQ(c.memo.Lines(), QStringList({QStringLiteral("QQ"), QStringLiteral("手机")}));
  ClickCentre(c.broad);  // broad relevance off: the run has an end
  ASSERT_FALSE(c.broad.Checked());

  ClickCentre(c.query);
  EXPECT_TRUE(f.run().Running() || c.status.Caption() == kEnded);
  ASSERT_TRUE(WaitFor([&] { return c.status.Caption() == kEnded; }))
      << c.status.Caption().toStdString();
  EXPECT_FALSE(f.run().Running());

  const auto expected = ExpectedRun(w.service->graph(), {"QQ", "手机"});
  ASSERT_GT(expected.size(), 10u);
  EXPECT_EQ(ItemsOf(f.results()), expected);
  EXPECT_EQ(f.results().Item(0), "qq");
  // The count labels follow within one tick of the count refresh.
  const QString count = QStringLiteral("(%1)").arg(expected.size());
  EXPECT_TRUE(WaitFor([&] { return c.resultCount.Caption() == count; }, 2000));
  EXPECT_EQ(c.exportCount.Caption(), QStringLiteral("(0)"));

  // Copying everything twice to the export list leaves it as after the first copy.
  MenuItemOf(f, "resultMenu", "copyAllItem").Click();
  const auto once = ItemsOf(f.exports());
  EXPECT_EQ(once, expected);
  ClickCentre(Child<QWidget>(f, "copyAllButton"));
  EXPECT_EQ(ItemsOf(f.exports()), once);
  EXPECT_TRUE(WaitFor([&] { return c.exportCount.Caption() == count; }, 2000));
}

TEST(MainWindowRun, QueryRefusesABlankMemoAndIsOfferedOnlyWhileNoRunGoes) {
  demo::DemoOptions options;
  options.delay = std::chrono::milliseconds(200);
  DemoWindow w(options);
  MainWindow& f = *w.window;
  RunControls c(f);
  f.results().Append("kept");
  c.memo.SetText(QStringLiteral("  \n\t\n"));
  ClickCentre(c.query);
  EXPECT_EQ(c.status.Caption(), QStringLiteral("不能查询，请输入关键词！"));
  EXPECT_EQ(ItemsOf(f.results()), std::vector<std::string>{"kept"});

  c.memo.SetText(QStringLiteral("qq"));
  EXPECT_TRUE(c.query.isEnabled());
  ClickCentre(c.query);
  ASSERT_TRUE(f.run().Running());
  EXPECT_FALSE(c.query.isEnabled());  // a second start cannot be asked for
  ClickCentre(c.stop);
  EXPECT_TRUE(WaitFor([&] { return c.status.Caption().startsWith(kStopped); }));
  EXPECT_TRUE(c.query.isEnabled());
}

TEST(MainWindowRun, StopDuringARunEndsWithTheStopText) {
  demo::DemoOptions options;
  options.delay = std::chrono::milliseconds(5);
  DemoWindow w(options);
  MainWindow& f = *w.window;
  RunControls c(f);
  f.show();
  c.memo.SetText(QStringLiteral("手机\nqq"));
  ClickCentre(c.query);  // broad relevance ticked: both services
  ASSERT_TRUE(WaitFor([&] { return f.results().Count() > 40; }));
  ASSERT_TRUE(f.run().Running());
  ClickCentre(c.stop);
  EXPECT_TRUE(f.run().StopPending());
  // Pages without a related block may have failed meanwhile: the end text counts them.
  ASSERT_TRUE(WaitFor([&] { return c.status.Caption().startsWith(kStopped); }))
      << c.status.Caption().toStdString();
  EXPECT_FALSE(f.run().Running());
  EXPECT_FALSE(f.run().StopPending());
  EXPECT_EQ(f.run().OutstandingRequests(), 0);
  const int count = f.results().Count();
  WaitFor([] { return false; }, 600);
  EXPECT_EQ(f.results().Count(), count);  // nothing more is asked
}

}  // namespace
}  // namespace longtail::test
