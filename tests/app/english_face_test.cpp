// The window's two faces: which one the user's languages and --lang choose, an English
// face with no Chinese left in the window's controls, hints and menus, English captions
// that fit the controls laid out for the Chinese ones, and screenshots of the window, a
// menu and the save dialog in both faces (into docs/ when LONGTAIL_DOCS_SCREENSHOTS is set).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include "app/app_test_support.h"
#include "app/gui/app_settings.h"
#include "app/gui/ui_language.h"
#include "harvest/status_texts.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/control_style.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/spin_edit.h"
#include "skin/dialogs/open_dialog.h"
#include "skin/dialogs/open_dlg_form.h"
#include "skin/frame/lacquer_form.h"
#include "skin/frame/menu_engine.h"
#include "skin/frame/menu_frame.h"
#include "skin/frame/menu_frame_link.h"
#include "skin/frame/popup_menu.h"
#include "skin/frame/popup_window.h"
#include "skin/qt/fonts.h"

namespace longtail::test {
namespace {

// The face for one test; the Chinese face is back afterwards for the other tests.
class Face {
 public:
  explicit Face(UiLanguage language) { ok_ = UseUiLanguage(language); }
  ~Face() { UseUiLanguage(UiLanguage::Chinese); }
  bool ok() const { return ok_; }

 private:
  bool ok_;
};

bool HasChinese(const QString& text) {
  static const QRegularExpression kHan(QStringLiteral("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
  return text.contains(kHan);
}

// Every text the window shows of its own: captions, hints, titles and menu items.
QStringList WindowTexts(MainWindow& f) {
  QStringList texts{f.windowTitle()};
  for (QWidget* w : f.findChildren<QWidget*>()) {
    texts << w->toolTip();
    if (auto* b = dynamic_cast<lq::LqSkinButton*>(w)) texts << b->Caption();
    if (auto* l = dynamic_cast<lq::LqSkinStdLabel*>(w)) texts << l->Caption();
    if (auto* l = dynamic_cast<lq::LqSkinLabel*>(w)) texts << l->Caption();
    if (auto* c = dynamic_cast<lq::LqSkinCheckRadioBox*>(w)) texts << c->Caption();
    if (auto* p = dynamic_cast<lq::LqSkinPanel*>(w)) texts << p->Caption();
  }
  for (const char* name : {"resultMenu", "exportMenu"}) {
    auto& menu = Child<lq::LqSkinPopupMenu>(f, name);
    for (int i = 0; i < menu.Items.Count(); ++i) texts << menu.Items.Item(i)->Caption;
  }
  lq::FrameMenus* menus = lq::AttachFrameMenus(Child<lq::LqLacquerForm>(f, "frame"));
  const lq::MenuItem& systemMenu = menus->RefreshSystemMenu();
  for (int i = 0; i < systemMenu.Count(); ++i) texts << systemMenu.Item(i)->Caption;
  return texts;
}

TEST(UiLanguageChoice, FirstUiLanguageOrTheLangOption) {
  EXPECT_EQ(LanguageForUiLanguages({"zh-CN", "en-US"}), UiLanguage::Chinese);
  EXPECT_EQ(LanguageForUiLanguages({"zh-Hant-TW"}), UiLanguage::Chinese);
  EXPECT_EQ(LanguageForUiLanguages({"de-DE", "zh-CN"}), UiLanguage::English);
  EXPECT_EQ(LanguageForUiLanguages({"en-US"}), UiLanguage::English);
  EXPECT_EQ(LanguageForUiLanguages({}), UiLanguage::Chinese);
  EXPECT_EQ(LanguageForUiLanguages({"C"}), UiLanguage::Chinese);  // LANG=C.UTF-8

  QString error, lang;
  EXPECT_EQ(PreParse({"--lang", "en"}, &error, &lang), StartAction::Run);
  EXPECT_EQ(lang, "en");
  EXPECT_EQ(PreParse({"--demo", "--lang=zh"}, &error, &lang), StartAction::Run);
  EXPECT_EQ(lang, "zh");
  // A wrong or missing value is a usage error, answered before any window exists.
  EXPECT_EQ(PreParse({"--lang", "fr"}, &error, &lang), StartAction::UsageError);
  EXPECT_EQ(error, "--lang is en or zh");
  EXPECT_EQ(PreParse({"--lang"}, &error, &lang), StartAction::UsageError);
  UiLanguage chosen = UiLanguage::Chinese;
  EXPECT_TRUE(LanguageFromOption("en", &chosen));
  EXPECT_EQ(chosen, UiLanguage::English);
  EXPECT_FALSE(LanguageFromOption("EN", &chosen));
}

TEST(EnglishFace, NoChineseInTheWindowsTextsAndTheStatusTextsSpeakEnglish) {
  Face english(UiLanguage::English);
  ASSERT_TRUE(english.ok()) << "the embedded English translation loads";
  DemoWindow w;
  MainWindow& f = *w.window;
  QStringList texts = WindowTexts(f);
  EXPECT_GT(texts.filter(QStringLiteral("Query")).size(), 0);
  for (const QString& text : texts) EXPECT_FALSE(HasChinese(text)) << text.toStdString();
  EXPECT_EQ(status::NoKeyword(), "Cannot query: enter a keyword!");
  f.startQuery();  // an empty memo
  EXPECT_EQ(Child<lq::LqSkinStatusPanel>(f, "statusPanel").Caption(),
            QStringLiteral("Cannot query: enter a keyword!"));
}

// The caption's width in the font the control draws it with.
int CaptionWidth(QWidget* w) {
  if (auto* l = dynamic_cast<lq::LqSkinStdLabel*>(w))
    return QFontMetrics(l->CurrentFont()).horizontalAdvance(l->Caption());
  if (auto* l = dynamic_cast<lq::LqSkinLabel*>(w))
    return QFontMetrics(l->CurrentFont()).horizontalAdvance(l->Caption());
  if (auto* b = dynamic_cast<lq::LqSkinButton*>(w)) {
    // Buttons on the skin's look draw in its button font, Arial 14.
    const QFont font = b->UseSkinFont() ? lq::SkinFont(QStringLiteral("Arial"), 14, 0)
                                        : lq::MakeQFont(b->DefaultFont());
    return QFontMetrics(font).horizontalAdvance(b->Caption());
  }
  return 0;
}

TEST(EnglishFace, CaptionsFitTheControlsLaidOutForChinese) {
  Face english(UiLanguage::English);
  ASSERT_TRUE(english.ok());
  DemoWindow w;
  MainWindow& f = *w.window;
  auto at = [&](const char* name) { return &Child<QWidget>(f, name); };
  // Buttons: the caption inside the face, a few pixels of border on each side.
  for (const char* name : {"queryButton", "stopButton", "filterButton", "copyAllButton",
                           "clearExportsButton", "clearAllButton", "exportButton"})
    EXPECT_LE(CaptionWidth(at(name)), at(name)->width() - 8) << name;
  // Check boxes: the caption ends inside the box, and the short must-contain caption
  // before the pacing label on the same row.
  for (const char* name : {"broadRelevanceBox", "mustContainBox", "autoSaveBox"}) {
    auto& box = Child<lq::LqSkinCheckRadioBox>(f, name);
    EXPECT_LE(box.CaptionRect().right(), box.width()) << name;
  }
  auto& mustContain = Child<lq::LqSkinCheckRadioBox>(f, "mustContainBox");
  EXPECT_LT(mustContain.x() + mustContain.CaptionRect().right(), at("pacingLabel")->x());
  // Labels grow with their text: each ends before its neighbour or its panel's edge.
  auto endsBefore = [&](const char* label, int limit) {
    QWidget* l = at(label);
    EXPECT_LE(l->x() + CaptionWidth(l), limit) << label;
  };
  endsBefore("seedsLabel", at("seedsMemo")->x());
  endsBefore("pacingLabel", at("pacingDelayEdit")->x());
  endsBefore("pacingUnitLabel", at("topPanel")->width());
  endsBefore("autoSavePeriodLabel", at("topPanel")->width());
  endsBefore("broadRelevanceNoteLabel", at("topPanel")->width());
  endsBefore("listsHintLabel", at("commandBar")->width());
  EXPECT_LE(CaptionWidth(at("seedsNoteLabel")), at("seedsNoteLabel")->width());
  // The status texts fit the status panel, the longest with a long phrase after it.
  auto* status = &Child<lq::LqSkinStatusPanel>(f, "statusPanel");
  const QFontMetrics metrics(status->CurrentFont());
  for (const std::string& text :
       {status::AlreadyRunning(), status::StillStopping(), status::Finished(),
        status::Stopped() + status::Refusals(12, 3), status::NothingAnswered(120, 30)})
    EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(text)), status->width() - 4) << text;
}

// The result list's popup menu drawn over the window's picture.
QImage WithResultMenu(MainWindow& f) {
  auto& resultList = Child<QWidget>(f, "resultList");
  const QPoint at = resultList.mapToGlobal(QPoint(120, 90));
  f.activateWindow();
  auto& menu = Child<lq::LqSkinPopupMenu>(f, "resultMenu");
  menu.Popup(at.x(), at.y());
  lq::FrameMenus* menus = menu.FindFrame();
  QImage shot = f.grab().toImage();
  if (!menus || !menus->SkinMenu().Visible()) return shot;
  QWidget* window = menus->SkinMenu().TopWindow();
  QPainter p(&shot);
  p.drawPixmap(window->pos() - f.pos(), window->grab());
  p.end();
  menus->SkinMenu().Hide();
  return shot;
}

class FaceScreens : public ::testing::TestWithParam<UiLanguage> {};

TEST_P(FaceScreens, WindowMenuAndSaveDialog) {
  Face face(GetParam());
  ASSERT_TRUE(face.ok());
  const std::string tag = GetParam() == UiLanguage::English ? "en" : "zh";
  DemoWindow w;
  MainWindow& f = *w.window;
  f.exports().Append("long tail");
  WaitFor([] { return false; }, 100);
  SaveDocScreenshot(f.grab().toImage(), ("face-" + tag + "-window.png").c_str());
  SaveDocScreenshot(WithResultMenu(f), ("face-" + tag + "-menu.png").c_str());

  auto& saveDialog = Child<lq::LqSkinSaveDialog>(f, "saveDialog");
  // A folder with a few keyword lists to show.
  QTemporaryDir lists;
  ASSERT_TRUE(lists.isValid());
  const QString folder = lists.filePath(QStringLiteral("keyword lists"));
  QDir().mkpath(folder + QStringLiteral("/archive"));
  for (const char* name : {"keywords.txt", "phones.txt", "travel.txt"}) {
    QFile file(folder + QLatin1Char('/') + QString::fromLatin1(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("long tail\r\n");
  }
  saveDialog.InitialDir = folder;
  QString title;
  QTimer::singleShot(0, [&] {
    lq::LqOpenDlgForm* form = saveDialog.Form();
    ASSERT_NE(form, nullptr);
    WaitFor([] { return false; }, 200);
    title = form->windowTitle();
    SaveDocScreenshot(form->grab().toImage(), ("face-" + tag + "-save-dialog.png").c_str());
    emit form->CancelButton()->clicked();
  });
  ClickCentre(Child<QWidget>(f, "exportButton"));
  EXPECT_EQ(title, GetParam() == UiLanguage::English ? QStringLiteral("Export as TXT file")
                                                     : QStringLiteral("导出为TXT文件"));
}

INSTANTIATE_TEST_SUITE_P(BothFaces, FaceScreens,
                         ::testing::Values(UiLanguage::Chinese, UiLanguage::English));

}  // namespace
}  // namespace longtail::test
