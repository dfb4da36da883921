// The skinned message window: its buttons, keys, skin and size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include "dialog_test_support.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_labels.h"
#include "skin/dialogs/dialog_frame.h"
#include "skin/dialogs/message_dialog.h"
#include "skin/frame/lacquer_form.h"
#include "support/screenshots.h"

namespace lq {
namespace {

TEST(SkinnedMessage, AQuestionOffersOkAndCancelAndTheKeysAnswerIt) {
  auto skin = lqtest::MakeProgramSkin();
  const QString text = QStringLiteral("确定要清空长尾词列表和导出列表中的全部数据吗？");
  auto answer = [&](int key) {
    QTimer::singleShot(0, [key] {
      auto* form = dynamic_cast<LqSkinMessageForm*>(QApplication::activeModalWidget());
      ASSERT_NE(form, nullptr);
      EXPECT_EQ(form->OkButton()->Caption(), QStringLiteral("确定"));
      ASSERT_NE(form->CancelButton(), nullptr);
      EXPECT_EQ(form->CancelButton()->Caption(), QStringLiteral("取消"));
      EXPECT_TRUE(form->findChild<LqLacquerForm*>()->SkinReady()) << "it wears the skin";
      if (key == Qt::Key_Return) {
        QImage shot(form->size(), QImage::Format_RGB32);
        form->render(&shot);
        longtail::testing::SaveScreenshot(shot, QStringLiteral("question.png"));
      }
      QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
      QApplication::sendEvent(form, &press);
      if (form->isVisible()) form->done(-1);  // the key did nothing: fail, not hang
    });
    return AskSkinned(nullptr, skin.get(), QStringLiteral("青岚谷长尾词查询工具"), text);
  };
  EXPECT_TRUE(answer(Qt::Key_Return));
  EXPECT_FALSE(answer(Qt::Key_Escape));
}

TEST(SkinnedMessage, ANoticeWidensForALongAddressAndHasOnlyOk) {
  auto skin = lqtest::MakeProgramSkin();
  const QString url = QStringLiteral("http://www.baidu.com/s?wd=") + QString(60, QLatin1Char('x'));
  LqSkinMessageForm form(QStringLiteral("青岚谷长尾词查询工具"),
                         QStringLiteral("网址已复制到剪贴板：\n") + url,
                         LqSkinMessageForm::Buttons::Ok, skin.get(), skin.get());
  EXPECT_EQ(form.CancelButton(), nullptr);
  const QFontMetrics metrics(form.TextLabel()->CurrentFont());
  EXPECT_GE(form.TextLabel()->width(), metrics.horizontalAdvance(url));
  EXPECT_GE(form.TextLabel()->height(), 2 * metrics.height());
}

}  // namespace
}  // namespace lq
