// Resumable sessions of the window: a run interrupted by closing the window is offered at
// the next start and continues with what was not asked yet; a finished or declined session
// is not offered again; a file that is not a usable session is told once and kept. Also:
// the exclude words and the depth limit of the top panel reach the run.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <iterator>

#include "app/app_test_support.h"
#include "harvest/admission.h"
#include "harvest/session_file.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/edit.h"
#include "skin/controls/memo.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/spin_edit.h"
#include "text/ascii_case.h"

namespace longtail::test {
namespace {

const QString kEnded = QStringLiteral("查询完毕，这个词再也查不了了！");

std::string ReadBytes(const QString& path) {
  std::ifstream in(path.toStdString(), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Seeds typed, broad relevance off (the run has an end), Query clicked.
void StartNarrowRun(MainWindow& f, const QString& seeds) {
  Child<lq::LqSkinMemo2>(f, "seedsMemo").SetText(seeds);
  Child<lq::LqSkinCheckRadioBox>(f, "broadRelevanceBox").SetChecked(false);
  f.startQuery();
}

QString StatusOf(MainWindow& f) {
  return Child<lq::LqSkinStatusPanel>(f, "statusPanel").Caption();
}

// A scratch folder for the settings and the sessions, never the user's own.
struct Places {
  QTemporaryDir dir;
  QString settings() const { return dir.filePath(QStringLiteral("longtail.conf")); }
  QString sessions() const { return dir.filePath(QStringLiteral("sessions")); }
  QString autoSave() const { return dir.filePath(QStringLiteral("autosave")); }
};

TEST(MainWindowSession, AnInterruptedRunIsOfferedAndGoesOnWithWhatWasNotAskedYet) {
  Places p;
  ASSERT_TRUE(QDir().mkpath(p.autoSave()));
  demo::DemoOptions options;
  options.graphSize = 150;
  options.delay = std::chrono::milliseconds(20);
  const QString session = QDir(p.autoSave()).filePath(QStringLiteral("words.session.json"));
  HarvestSession interrupted;
  {
    DemoWindow w(options, p.settings(), p.sessions());
    MainWindow& f = *w.window;
    // With auto-save on, the session sits beside the auto-save file.
    Child<lq::LqSkinEdit>(f, "autoSaveFolderEdit").setText(p.autoSave() + QDir::separator());
    Child<lq::LqSkinCheckRadioBox>(f, "autoSaveBox").SetChecked(true);
    f.applyAutoSaveSwitch();
    StartNarrowRun(f, QStringLiteral("qq"));
    ASSERT_TRUE(f.run().Running());
    EXPECT_EQ(f.sessionFile(), session);
    ASSERT_TRUE(WaitFor([&] { return f.run().SuggestPos() >= 6; }));
    EXPECT_TRUE(f.close());  // asks first; answered yes
    ASSERT_EQ(w.asked.size(), 1u);
    std::string error;
    ASSERT_EQ(ReadSessionFile(session.toStdString(), interrupted, error), SessionReadStatus::Ok)
        << error;
  }
  std::int32_t next = -1;
  for (const ChainPosition& chain : interrupted.chains)
    if (chain.source == "soso") next = chain.next;
  ASSERT_GE(next, 5);
  ASSERT_LT(next, static_cast<std::int32_t>(interrupted.results.size()));

  {
    DemoWindow w(options, p.settings(), p.sessions());
    MainWindow& f = *w.window;
    std::vector<std::string> asked;
    f.run().SetRequestStarter([&](HarvestRequest& request) {
      asked.push_back(request.URL);
      request.StartDownload();
    });
    ASSERT_TRUE(WaitFor([&] { return !w.asked.empty(); }, 5000));
    EXPECT_TRUE(w.asked[0].contains(QStringLiteral("继续"))) << w.asked[0].toStdString();
    EXPECT_EQ(Child<lq::LqSkinMemo2>(f, "seedsMemo").Lines(), QStringList{QStringLiteral("qq")});
    EXPECT_FALSE(Child<lq::LqSkinCheckRadioBox>(f, "broadRelevanceBox").Checked());
    ASSERT_TRUE(WaitFor([&] { return StatusOf(f) == kEnded; })) << StatusOf(f).toStdString();

    // The phrases finished before the window closed are not asked again: the resumed run
    // starts at the first one that was not, and ends with what one whole run finds.
    const Source& soso = *FindSource("soso");
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.front(), f.run().Endpoints().UrlFor(soso, interrupted.results[next].text));
    for (std::int32_t i = 0; i < next; ++i) {
      const std::string url = f.run().Endpoints().UrlFor(soso, interrupted.results[i].text);
      EXPECT_EQ(std::count(asked.begin(), asked.end(), url), 0) << interrupted.results[i].text;
    }
    PhraseList whole;
    whole.Append("qq");
    for (int i = 0; i < whole.Count(); ++i)
      for (const std::string& phrase : w.service->graph().Suggestions(whole.Item(i)))
        AdmitPhrase(whole, phrase, false, {"qq"});
    EXPECT_EQ(ItemsOf(f.results()), whole.Items());
    // A finished run leaves no session behind.
    EXPECT_FALSE(QFile::exists(session));
    EXPECT_TRUE(f.sessionFile().isEmpty());
    f.clearResults();  // nothing unsaved to ask about at the end
  }
  DemoWindow w(options, p.settings(), p.sessions());
  WaitFor([] { return false; }, 300);
  EXPECT_TRUE(w.asked.empty());
}

TEST(MainWindowSession, ADeclinedSessionIsSetAsideAndAnUnreadableOneIsToldOnceAndKept) {
  Places p;
  ASSERT_TRUE(QDir().mkpath(p.sessions()));
  const QDir sessions(p.sessions());
  const QString damaged = sessions.filePath(QStringLiteral("longtail.session.json"));
  const QString declined = sessions.filePath(QStringLiteral("longtail.session-2.json"));
  std::ofstream(damaged.toStdString(), std::ios::binary) << "{\"format\":\"longtail-session\",";
  HarvestSession s;
  s.seeds = {"qq"};
  s.results = {{"qq", {}}};
  s.chains = {{"soso", 0}};
  std::string error;
  ASSERT_TRUE(WriteSessionFile(declined.toStdString(), s, error)) << error;
  const std::string damagedBytes = ReadBytes(damaged);

  demo::DemoOptions options;
  options.delay = std::chrono::milliseconds(200);
  {
    DemoWindow w(options, p.settings(), p.sessions());
    w.answer = false;
    ASSERT_TRUE(WaitFor([&] { return !w.asked.empty(); }, 5000));
    ASSERT_EQ(w.told.size(), 1u);
    EXPECT_TRUE(w.told[0].contains(damaged)) << w.told[0].toStdString();
    EXPECT_TRUE(w.told[0].contains(QStringLiteral("damaged"))) << w.told[0].toStdString();
    EXPECT_FALSE(QFile::exists(declined));
    EXPECT_TRUE(QFile::exists(declined + QStringLiteral(".set-aside")));

    // A new run keeps its session under a name that is free, never over the damaged file.
    StartNarrowRun(*w.window, QStringLiteral("qq"));
    ASSERT_TRUE(w.window->run().Running());
    EXPECT_EQ(w.window->sessionFile(), declined);
    w.window->stopQuery();
    ASSERT_TRUE(WaitFor([&] { return !w.window->run().Running(); }));
    EXPECT_FALSE(QFile::exists(declined));
    w.window->clearResults();
  }
  EXPECT_EQ(ReadBytes(damaged), damagedBytes);
  DemoWindow w(options, p.settings(), p.sessions());
  WaitFor([] { return false; }, 300);
  EXPECT_TRUE(w.asked.empty());
  EXPECT_TRUE(w.told.empty());
}

TEST(MainWindowRunFilters, ExcludeWordsAndTheDepthLimitReachTheRun) {
  demo::DemoOptions options;
  options.graphSize = 150;
  DemoWindow w(options);
  MainWindow& f = *w.window;
  const std::vector<std::string> suggestions = w.service->graph().Suggestions("qq");
  ASSERT_GE(suggestions.size(), 2u);
  const std::string excluded = suggestions[0];
  Child<lq::LqSkinEdit>(f, "excludeEdit").setText(QString::fromStdString(excluded));
  Child<lq::LqSkinSpinEdit>(f, "maxDepthEdit").SetValue(1);
  StartNarrowRun(f, QStringLiteral("QQ"));
  ASSERT_TRUE(WaitFor([&] { return StatusOf(f) == kEnded; })) << StatusOf(f).toStdString();

  // The seed is asked, what it finds is listed (but the excluded) and asked no further.
  PhraseList expected;
  expected.Append("qq");
  for (const std::string& phrase : suggestions)
    if (phrase.find(excluded) == std::string::npos) AdmitPhrase(expected, phrase, false, {"QQ"});
  EXPECT_EQ(ItemsOf(f.results()), expected.Items());
  EXPECT_EQ(w.service->requestsServed(), 1u);
}

}  // namespace
}  // namespace longtail::test
