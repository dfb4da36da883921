#include "app/gui/export_autosave.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <atomic>
#include <filesystem>

#include "app/gui/qt_dispatcher.h"
#include "skin/controls/edit.h"
#include "skin/dialogs/open_dlg_form.h"
#include "skin/qt/qt_timer.h"
#include "support/temp_dir.h"

namespace longtail {
namespace {

using testing::ReadAll;
using testing::TempDir;

// Runs the export with `typed` entered into the save dialog (or cancels when empty).
bool ExportTyping(lq::LqSkinSaveDialog& dialog, const QString& typed,
                  const std::vector<std::string>& phrases, QStringList& errors) {
  QTimer::singleShot(0, [&dialog, typed] {
    lq::LqOpenDlgForm* form = dialog.Form();
    if (!form) return;
    if (typed.isEmpty()) {
      form->reject();
      return;
    }
    form->FileNameEdit()->setText(typed);
    form->ConfirmClicked();
    if (dialog.Form() && dialog.Form()->isVisible()) form->reject();
  });
  return ExportResultList(dialog, phrases, [&](const QString& e) { errors << e; });
}

struct ExportFixture : ::testing::Test {
  TempDir dir;
  lq::LqSkinSaveDialog dialog;
  QStringList errors;
  ExportFixture() {
    dialog.Title = QStringLiteral("导出为TXT文件");
    dialog.Filter = ExportFileTypes();
    dialog.InitialDir = QString::fromStdString(dir.path().string());
  }
};

TEST_F(ExportFixture, EmptyListGivesZeroByteFileAndThreePhrasesTheExactBytes) {
  ASSERT_TRUE(ExportTyping(dialog, QStringLiteral("empty"), {}, errors));
  EXPECT_EQ(std::filesystem::file_size(dir.file("empty.txt")), 0u);
  const std::vector<std::string> three = {"长尾", "b", "关键词"};
  ASSERT_TRUE(ExportTyping(dialog, QStringLiteral("list"), three, errors));
  EXPECT_EQ(ReadAll(dir.file("list.txt")),
            "\xB3\xA4\xCE\xB2\r\nb\r\n" + Utf8ToCp936(three[2]) + "\r\n");
  // Exporting again replaces the file without a question.
  ASSERT_TRUE(ExportTyping(dialog, QStringLiteral("list"), {"z"}, errors));
  EXPECT_EQ(ReadAll(dir.file("list.txt")), "z\r\n");
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ExportFixture, TheChosenTypeDecidesTheFormatAndATypedExtensionOfAnotherWins) {
  const std::vector<std::string> phrases = {"长尾", "=1+1"};
  dialog.FilterIndex = 4;  // CSV
  ASSERT_TRUE(ExportTyping(dialog, QStringLiteral("rows"), phrases, errors));
  EXPECT_EQ(ReadAll(dir.file("rows.csv")),
            "phrase,source,parent,depth\r\n长尾,,,0\r\n'=1+1,,,0\r\n");
  dialog.FilterIndex = 3;  // UTF-8 with BOM: shares .txt with the keyword list
  ASSERT_TRUE(ExportTyping(dialog, QStringLiteral("sheet.TXT"), phrases, errors));
  EXPECT_EQ(ReadAll(dir.file("sheet.TXT")), "\xEF\xBB\xBF长尾\r\n=1+1\r\n");
  dialog.FilterIndex = 1;
  ASSERT_TRUE(ExportTyping(dialog, QStringLiteral("lines.jsonl"), {"c"}, errors));
  EXPECT_EQ(ReadAll(dir.file("lines.jsonl")),
            "{\"phrase\":\"c\",\"source\":\"\",\"parent\":\"\",\"depth\":0}\n");
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ExportFixture, CancelWritesNothing) {
  EXPECT_FALSE(ExportTyping(dialog, QString(), {"a"}, errors));
  EXPECT_EQ(dir.entryCount(), 0);
}

TEST_F(ExportFixture, FolderRemovedWhileChoosingReportsTheFileError) {
  const std::string sub = dir.file("gone");
  std::filesystem::create_directory(sub);
  dialog.InitialDir = QString::fromStdString(sub);
  QTimer::singleShot(0, [&] {
    std::filesystem::remove(sub);
    dialog.Form()->FileNameEdit()->setText(QStringLiteral("x"));
    dialog.Form()->ConfirmClicked();
  });
  EXPECT_FALSE(ExportResultList(dialog, {"a"}, [&](const QString& e) { errors << e; }));
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Cannot create file \"")))
      << errors[0].toStdString();
}

TEST(AutoSaveOnQTimer, PeriodOfOneSecondWritesOnTheWindowTimer) {
  TempDir dir;
  std::function<void()> tick;
  lq::QtTimer timer([&] { tick(); });
  QObject gui;
  QtDispatcher dispatcher(&gui);
  std::atomic<int> writes{0};
  PhraseList phrases;
  phrases.Append("a");
  AutoSaveSchedule::Sources sources;
  sources.directory = [&] { return dir.path().string() + "/"; };
  sources.fileName = [] { return std::string("words.txt"); };
  sources.phrases = [&] { return phrases.Share(); };
  sources.write = [&](const std::string& path, const PhraseList::Snapshot& list,
                      std::string& error) {
    ++writes;
    return WriteKeywordListFile(path, list.Items(), error);
  };
  AutoSaveSchedule schedule(timer, dispatcher, sources);
  tick = [&] { schedule.Tick(); };
  EXPECT_FALSE(timer.isActive()) << "off at start";
  schedule.SetEnabled(true);
  schedule.SetPeriodSeconds(1);
  EXPECT_EQ(timer.interval().count(), 1000);
  QElapsedTimer clock;
  clock.start();
  while ((writes < 1 || schedule.Saving()) && clock.elapsed() < 3000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  EXPECT_EQ(writes, 1);
  EXPECT_GE(clock.elapsed(), 800) << "not before the period (coarse timers may be early by 5%)";
  EXPECT_EQ(ReadAll(dir.file("words.txt")), "a\r\n");
  schedule.SetPeriodSeconds(0);
  EXPECT_FALSE(timer.isActive());
}

}  // namespace
}  // namespace longtail
