// The default error display and the program's settings.
#include <gtest/gtest.h>

#include <QApplication>
#include <stdexcept>

#include "app/gui/app_settings.h"
#include "app/gui/error_display.h"

namespace longtail {
namespace {

TEST(ErrorDisplay, AppendsAFullStopOnlyAfterCharactersSortingAfterIt) {
  EXPECT_EQ(ErrorDisplayText(QStringLiteral("No body")), QStringLiteral("No body."));
  EXPECT_EQ(ErrorDisplayText(QStringLiteral("Done.")), QStringLiteral("Done."));
  EXPECT_EQ(ErrorDisplayText(QStringLiteral("Why!")), QStringLiteral("Why!"));
  EXPECT_EQ(ErrorDisplayText(QStringLiteral("a-")), QStringLiteral("a-"));
  EXPECT_EQ(ErrorDisplayText(QStringLiteral("出错")), QStringLiteral("出错."));
  EXPECT_EQ(ErrorDisplayText(QString()), QString());
}

TEST(ErrorDisplay, AnErrorEscapingAHandlerIsShownWithTheApplicationTitle) {
  QString caption, text;
  SetErrorPresenter([&](const QString& c, const QString& t) {
    caption = c;
    text = t;
  });
  // The program sets no display name (the platform would add it to every window title);
  // the caption is the product's name all the same.
  bool after = false;
  RunGuarded([] { throw std::runtime_error("document has no body"); });
  RunGuarded([&] { after = true; });
  SetErrorPresenter({});
  EXPECT_EQ(caption, QStringLiteral("青岚谷长尾词查询工具"));
  EXPECT_EQ(text, QStringLiteral("document has no body."));
  EXPECT_TRUE(after);
}

TEST(AppSettings, OptionsWinOverTheEnvironmentAndBadOptionsAreRefused) {
  qputenv("SUGGEST_HOST", "env-suggest:81");
  qputenv("AD_URL", "http://ads.example/a.html");
  AppSettings s;
  s.ReadEnvironment();
  QString error;
  bool help = false;
  ASSERT_TRUE(
      s.Parse({"--suggest-host", "cli:82", "--search-host=search:83", "--demo"}, &error, &help));
  qunsetenv("SUGGEST_HOST");
  qunsetenv("AD_URL");
  EXPECT_EQ(s.suggestHost, QStringLiteral("cli:82"));
  EXPECT_EQ(s.searchHost, QStringLiteral("search:83"));
  EXPECT_EQ(s.adUrl, QStringLiteral("http://ads.example/a.html"));
  EXPECT_TRUE(s.demo);
  EXPECT_FALSE(help);

  AppSettings bad;
  EXPECT_FALSE(bad.Parse({"--suggest-host"}, &error, &help));
  EXPECT_NE(error.indexOf("--suggest-host"), -1);
  EXPECT_FALSE(bad.Parse({"--colour"}, &error, &help));
  ASSERT_TRUE(bad.Parse({"--help"}, &error, &help));
  EXPECT_TRUE(help);
}

}  // namespace
}  // namespace longtail
