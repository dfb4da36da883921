// The advertisement pane: the page shown without scroll bars, frame or margin; nothing
// answering leaves it empty.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTextDocument>

#include "app/app_test_support.h"
#include "app/gui/ad_pane.h"
#include "app/gui/qt_dispatcher.h"
#include "net/loopback_http_server.h"
#include "text/cp936.h"

namespace longtail::test {
namespace {

TEST(AdPane, ShowsTheDownloadedPageWithoutScrollBarsFrameOrMargin) {
  std::string target;
  LoopbackHttpServer server([&](const HttpRequest& r) {
    target = r.target;
    HttpResponse res;
    // A long code page 936 page: it would need scroll bars in a 72-pixel pane.
    res.body = Utf8ToCp936("<html><body><p>青岚谷广告</p>") + std::string(200, 'x') + "<br>" +
               std::string(40, '\n') + "</body></html>";
    for (int i = 0; i < 30; ++i) res.body += "<p>line</p>";
    return res;
  });
  ASSERT_TRUE(server.ok());
  QWidget owner;
  QtDispatcher dispatcher(&owner);
  AdPane pane(dispatcher, &owner);
  pane.resize(822, 72);
  owner.show();
  pane.Navigate("http://" + server.hostPort() + "/softad/vozidudaru.html?vmy2.0");
  ASSERT_TRUE(WaitFor([&] { return pane.DocumentsCompleted() == 1; }, 10000));
  EXPECT_EQ(target, "/softad/vozidudaru.html?vmy2.0");
  EXPECT_TRUE(pane.toPlainText().contains(QStringLiteral("青岚谷广告")));
  EXPECT_FALSE(pane.verticalScrollBar()->isVisible());
  EXPECT_FALSE(pane.horizontalScrollBar()->isVisible());
  EXPECT_EQ(pane.frameShape(), QFrame::NoFrame);
  EXPECT_EQ(pane.document()->documentMargin(), 0);
}

TEST(AdPane, StaysEmptyWhenNothingAnswers) {
  LoopbackHttpServer server([](const HttpRequest&) {
    HttpResponse res;
    res.dropConnection = true;
    return res;
  });
  ASSERT_TRUE(server.ok());
  QWidget owner;
  QtDispatcher dispatcher(&owner);
  AdPane pane(dispatcher, &owner);
  pane.Navigate("http://" + server.hostPort() + "/softad/vozidudaru.html?vmy2.0");
  EXPECT_TRUE(WaitFor([&] { return !pane.Loading(); }, 10000));
  EXPECT_EQ(pane.DocumentsCompleted(), 0);
  EXPECT_TRUE(pane.toPlainText().isEmpty());
}

}  // namespace
}  // namespace longtail::test
