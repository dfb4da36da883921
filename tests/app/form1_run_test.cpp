// A harvest run driven through the window against the demo services: typing the seeds,
// clicking Query and Stop, and what the lists and labels show.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>

#include "app/app_test_support.h"
#include "harvest/admission.h"
#include "harvest/demo/phrase_graph.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/list_box.h"
#include "skin/controls/memo.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_labels.h"
#include "text/ascii_case.h"
#include "text/cp936.h"

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
void TypeSeeds(TForm1& f, const QString& latin, const QString& chinese) {
  f.edit1->setFocus();
  QTest::keyClicks(f.edit1, latin);
  QTest::keyClick(f.edit1, Qt::Key_Return);
  QInputMethodEvent commit;
  commit.setCommitString(chinese);
  QApplication::sendEvent(f.edit1, &commit);
}

TEST(Form1Run, QueryHarvestsTheSeedsInListOrderUntilTheEndText) {
  demo::DemoOptions options;
  options.graphSize = 150;
  DemoWindow w(options);
  TForm1& f = *w.form;
  f.show();
  TypeSeeds(f, QStringLiteral("QQ"), QStringLiteral("手机"));
  ASSERT_EQ(f.edit1->Lines(), QStringList({QStringLiteral("QQ"), QStringLiteral("手机")}));
  ClickCentre(f.lqSkinCheckRadioBox1);  // broad relevance off: the run has an end
  ASSERT_FALSE(f.lqSkinCheckRadioBox1->Checked());

  ClickCentre(f.lqSkinXFormButton1);
  EXPECT_TRUE(f.Run().Running() || f.lqSkinStdLabel4->Caption() == kEnded);
  ASSERT_TRUE(WaitFor([&] { return f.lqSkinStdLabel4->Caption() == kEnded; }))
      << f.lqSkinStdLabel4->Caption().toStdString();
  EXPECT_FALSE(f.Run().Running());

  const auto expected = ExpectedRun(w.service->graph(), {"QQ", Utf8ToCp936("手机")});
  ASSERT_GT(expected.size(), 10u);
  EXPECT_EQ(ItemsOf(f.Results()), expected);
  EXPECT_EQ(f.Results().Item(0), "qq");
  // The count labels follow within one tick of Timer1.
  const QString count = QStringLiteral("(%1)").arg(expected.size());
  EXPECT_TRUE(WaitFor([&] { return f.lqSkinStdLabel1->Caption() == count; }, 2000));
  EXPECT_EQ(f.lqSkinStdLabel3->Caption(), QStringLiteral("(0)"));

  // Copying everything twice to the export list leaves it as after the first copy.
  f.N5Click();
  const auto once = ItemsOf(f.Exports());
  EXPECT_EQ(once, expected);
  ClickCentre(f.lqSkinXFormButton4);
  EXPECT_EQ(ItemsOf(f.Exports()), once);
  EXPECT_TRUE(WaitFor([&] { return f.lqSkinStdLabel3->Caption() == count; }, 2000));
}

TEST(Form1Run, QueryRefusesABlankMemoAndASecondStart) {
  demo::DemoOptions options;
  options.delay = std::chrono::milliseconds(200);
  DemoWindow w(options);
  TForm1& f = *w.form;
  f.Results().Append("kept");
  f.edit1->SetText(QStringLiteral("  \n\t\n"));
  ClickCentre(f.lqSkinXFormButton1);
  EXPECT_EQ(f.lqSkinStdLabel4->Caption(), QStringLiteral("不能查询，请输入关键词！"));
  EXPECT_EQ(ItemsOf(f.Results()), std::vector<std::string>{"kept"});

  f.edit1->SetText(QStringLiteral("qq"));
  ClickCentre(f.lqSkinXFormButton1);
  ASSERT_TRUE(f.Run().Running());
  ClickCentre(f.lqSkinXFormButton1);
  EXPECT_EQ(f.lqSkinStdLabel4->Caption(),
            QStringLiteral("正在查询中，不要重复点击！如果需要重新查询，请先停止！"));
  ClickCentre(f.lqSkinXFormButton2);
  EXPECT_TRUE(WaitFor([&] { return f.lqSkinStdLabel4->Caption() == kStopped; }));
}

TEST(Form1Run, StopDuringARunEndsWithTheStopText) {
  demo::DemoOptions options;
  options.delay = std::chrono::milliseconds(5);
  DemoWindow w(options);
  TForm1& f = *w.form;
  f.show();
  f.edit1->SetText(QStringLiteral("手机\nqq"));
  ClickCentre(f.lqSkinXFormButton1);  // broad relevance ticked: both services
  ASSERT_TRUE(WaitFor([&] { return f.Results().Count() > 40; }));
  ASSERT_TRUE(f.Run().Running());
  ClickCentre(f.lqSkinXFormButton2);
  EXPECT_TRUE(f.Timer2->isActive());
  ASSERT_TRUE(WaitFor([&] { return f.lqSkinStdLabel4->Caption() == kStopped; }))
      << f.lqSkinStdLabel4->Caption().toStdString();
  EXPECT_FALSE(f.Run().Running());
  EXPECT_FALSE(f.Timer2->isActive());
  EXPECT_EQ(f.Run().OutstandingRequests(), 0);
  const int count = f.Results().Count();
  WaitFor([] { return false; }, 600);
  EXPECT_EQ(f.Results().Count(), count);  // nothing more is asked
}

}  // namespace
}  // namespace longtail::test
