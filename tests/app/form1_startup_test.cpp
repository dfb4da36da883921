// The main window as it opens: initial values, layout and the skin in use.
#include <gtest/gtest.h>

#include <QDir>
#include <QScreen>

#include "app/app_test_support.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/edit.h"
#include "skin/controls/list_box.h"
#include "skin/controls/memo.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/spin_edit.h"
#include "skin/frame/lacquer_form.h"

namespace longtail::test {
namespace {

TEST(Form1StartUp, OpensWithTheDocumentedInitialValues) {
  DemoWindow w;
  TForm1& f = *w.form;
  EXPECT_EQ(f.lqSkinStdLabel4->Caption(), QString());
  EXPECT_EQ(f.lqSkinStdLabel1->Caption(), QStringLiteral("(0)"));
  EXPECT_EQ(f.lqSkinStdLabel3->Caption(), QStringLiteral("(0)"));
  EXPECT_TRUE(f.lqSkinCheckRadioBox1->Checked());
  EXPECT_FALSE(f.lqSkinCheckRadioBox2->Checked());
  EXPECT_FALSE(f.lqchck1->Checked());
  const QString dir = f.edt1->text();
  EXPECT_TRUE(dir.startsWith(QDir::toNativeSeparators(QStringLiteral("/opt/longtail"))))
      << dir.toStdString();
  EXPECT_TRUE(dir.endsWith(QDir::separator()));
  EXPECT_TRUE(f.edt1->isReadOnly());
  EXPECT_EQ(f.edt2->text(), QStringLiteral("words.txt"));
  EXPECT_EQ(f.lqknspndt1->Value(), 5);
  EXPECT_TRUE(f.edit1->toPlainText().isEmpty());
  EXPECT_EQ(f.Results().Count(), 0);
  EXPECT_EQ(f.Exports().Count(), 0);
  EXPECT_FALSE(f.Run().Running());
  EXPECT_TRUE(f.Timer1->isActive());
  EXPECT_EQ(f.Timer1->interval(), 500);
  EXPECT_FALSE(f.Timer2->isActive());
  EXPECT_FALSE(f.tmr1->isActive());
  EXPECT_EQ(f.tmr1->interval(), 5000);
}

TEST(Form1StartUp, EmbeddedSkinIsLoadedAndTheClientAreaIs822By630) {
  DemoWindow w;
  TForm1& f = *w.form;
  EXPECT_FALSE(f.SkinData().Empty);
  EXPECT_TRUE(f.lqform1->SkinReady());
  f.show();
  EXPECT_EQ(f.Client->size(), QSize(822, 630));
  // Centred on the screen when first shown.
  const QRect screen = f.screen()->geometry();
  EXPECT_LE(qAbs(f.geometry().center().x() - screen.center().x()), 1);
  EXPECT_LE(qAbs(f.geometry().center().y() - screen.center().y()), 1);
  EXPECT_EQ(f.windowTitle(), TForm1::WindowCaption());
  EXPECT_TRUE(f.lqSkinXFormButton1->IsBound());
  EXPECT_TRUE(f.lqSkinListBox1->IsBound());
}

TEST(Form1StartUp, ControlsSitWhereTheLayoutPutsThem) {
  DemoWindow w;
  TForm1& f = *w.form;
  f.show();
  EXPECT_EQ(f.lqpanel1->geometry(), QRect(0, 0, 822, 169));
  EXPECT_EQ(f.lqpanel2->width(), 336);
  EXPECT_EQ(f.lqSkinXFormButton1->pos(), QPoint(344, 10));
  EXPECT_EQ(f.lqSkinXFormButton2->pos(), QPoint(424, 10));
  EXPECT_EQ(f.btn1->pos(), QPoint(344, 106));
  EXPECT_EQ(f.lqSkinStdLabel4->geometry(), QRect(344, 132, 476, 21));
  EXPECT_EQ(f.edt2->parentWidget(), f.Client);
  EXPECT_EQ(f.edt2->pos(), QPoint(670, 81));
  // Pane 72 high under the top panel, then the 48-high command bar, then the lists.
  EXPECT_EQ(f.lqSkinPanel1->geometry(), QRect(0, 169 + 72, 822, 48));
  EXPECT_EQ(f.lqSkinGroupBox1->geometry(), QRect(0, 289, 409, 341));
  // The splitter between the group boxes, the export list taking the rest.
  EXPECT_GT(f.lqSkinGroupBox2->geometry().left(), 409);
  EXPECT_LE(f.lqSkinGroupBox2->geometry().left(), 419);
  EXPECT_EQ(f.lqSkinGroupBox2->geometry().right(), 821);
  // Bound buttons keep the skin's height.
  EXPECT_EQ(f.lqSkinXFormButton4->pos(), QPoint(8, 13));
  EXPECT_EQ(f.lqSkinXFormButton4->width(), 121);
  EXPECT_EQ(f.lqSkinXFormButton6->pos(), QPoint(416, 12));
  // The memo and its scroll bar are docked right in the keyword panel.
  EXPECT_EQ(f.edit1->width(), 224);
  EXPECT_EQ(f.lqknscrlbr1->geometry().right(), 335);
  EXPECT_FALSE(f.lqknscrlbr1->isEnabled());
}

TEST(Form1StartUp, TopPanelButtonsUseTheirOwnSongFont) {
  DemoWindow w;
  TForm1& f = *w.form;
  for (auto* b : {f.lqSkinXFormButton1, f.lqSkinXFormButton2, f.btn1, f.btn2}) {
    EXPECT_FALSE(b->UseSkinFont());
    EXPECT_EQ(b->DefaultFont().name, QStringLiteral("宋体"));
    EXPECT_EQ(b->DefaultFont().height, 12);
  }
  EXPECT_TRUE(f.lqSkinXFormButton4->UseSkinFont());
}

}  // namespace
}  // namespace longtail::test
