// The frame with the program's own skin, loaded through the skin data component and its
// notifications, as the windows use it.
#include <gtest/gtest.h>

#include <QDir>
#include <QSignalSpy>

#include "frame/test_frame_skin.h"
#include "skin/controls/skin_panel.h"
#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"
#include "skin/embedded/embedded_skin.h"
#include "skin/frame/caption_object.h"
#include "support/screenshots.h"

namespace lq {
namespace {

class ProgramSkinFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto stream = EmbeddedSkinStream();
    ASSERT_TRUE(store.LoadFromCompressedStream(stream.data(), stream.size()));
    frame = new LqLacquerForm(&form);
    frame->SetBorderIcons(biMinimize | biMaximize);
    data.Owner = frame;
    frame->SetSkinData(&data);
    EXPECT_FALSE(frame->SkinReady());  // nothing loaded yet: the default frame
    data.SetCompressedStoredSkin(&store);
  }
  LqCompressedStoredSkin store;
  LqSkinData data;
  QWidget form;
  LqLacquerForm* frame = nullptr;
};

TEST_F(ProgramSkinFrame, ClientOf822x630GivesAnOuterSizeOf830x661) {
  ASSERT_TRUE(frame->SkinReady());
  frame->SetClientSize(822, 630);
  EXPECT_EQ(form.size(), QSize(830, 661));
  EXPECT_EQ(frame->GetMinWidth(), 200);
  EXPECT_EQ(frame->GetMinHeight(), 31);
  form.show();
  EXPECT_EQ(frame->FindObject("closebutton")->ObjectRect, RectFromSize(830 - 24, 5, 21, 21));
  EXPECT_EQ(frame->FindObject("maxbutton")->ObjectRect, RectFromSize(830 - 47, 5, 21, 21));
  EXPECT_EQ(frame->FindObject("minbutton")->ObjectRect, RectFromSize(830 - 70, 5, 21, 21));
  EXPECT_EQ(frame->FirstCaption()->ObjectRect.right, 830 - 70);
  EXPECT_FALSE(frame->FindObject("rollupbutton")->visible);
  EXPECT_FALSE(frame->FindObject("sysmenubutton")->visible);
  EXPECT_FALSE(frame->FindObject("traybutton")->visible);
  // Menu items and menu-bar buttons of the skin are not frame objects.
  EXPECT_EQ(frame->FindObject("menuitem"), nullptr);
  EXPECT_EQ(frame->FindObject("menubarclosebutton"), nullptr);
}

TEST_F(ProgramSkinFrame, HitTestsUseTheSkinsBorderAndCorners) {
  form.setGeometry(100, 100, 600, 400);
  form.show();
  const int bw = data.borderwidth;
  ASSERT_GT(bw, 0);
  EXPECT_EQ(frame->HitTest(300, 12), HitCode::Caption);
  EXPECT_EQ(frame->HitTest(600 - 50, 26), HitCode::Object);
  EXPECT_EQ(frame->HitTest(300, 399), HitCode::Bottom);
  EXPECT_EQ(frame->HitTest(0, 200), HitCode::Left);
  EXPECT_EQ(frame->HitTest(1, 400 - 210 + data.hittestleftbottompoint.y), HitCode::BottomLeft);
  EXPECT_EQ(frame->HitTest(1, 400 - 210 + data.hittestleftbottompoint.y - 1), HitCode::Left);
  EXPECT_EQ(frame->HitTest(300, 200), HitCode::Client);
}

TEST_F(ProgramSkinFrame, SkinChangeFreesObjectsAndPaintsNoDefaultFrameMeanwhile) {
  form.setGeometry(100, 100, 400, 300);
  form.show();
  QSignalSpy before(frame, &LqLacquerForm::aboutToChangeSkinData);
  QSignalSpy changed(frame, &LqLacquerForm::skinDataChanged);
  QSignalSpy after(frame, &LqLacquerForm::skinDataChangeFinished);
  data.SendSkinMessage(SKIN_BEFORE_CHANGE);
  EXPECT_TRUE(frame->Objects().empty());
  EXPECT_FALSE(frame->SkinReady());
  // Between the notifications the frame paints nothing: no flash of the default frame.
  const QImage during = frame->RenderWindow();
  EXPECT_EQ(during.pixel(1, 1), QColor(Qt::black).rgb());
  EXPECT_EQ(during.pixel(200, 10), QColor(Qt::black).rgb());
  data.SendSkinMessage(SKIN_CHANGED);
  data.SendSkinMessage(SKIN_AFTER_CHANGE);
  EXPECT_TRUE(frame->SkinReady());
  EXPECT_EQ(frame->Objects().size(), 7u);
  EXPECT_EQ(before.count(), 1);
  EXPECT_EQ(changed.count(), 1);
  EXPECT_EQ(after.count(), 1);
}

TEST_F(ProgramSkinFrame, SkinChangeWalksTheFormsControls) {
  QWidget* page = new QWidget(&form);
  auto* panel = new LqSkinPanel(page);  // nested: the walk goes down the whole tree
  panel->SetSkinDataName("panel");
  panel->SetSkinData(&data);
  auto* unbound = new LqSkinPanel(&form);  // another skin's control stays untouched
  unbound->SetSkinDataName("panel");
  EXPECT_TRUE(panel->IsBound());
  data.SendSkinMessage(SKIN_BEFORE_CHANGE);
  EXPECT_FALSE(panel->IsBound());
  data.SendSkinMessage(SKIN_CHANGED);
  data.SendSkinMessage(SKIN_AFTER_CHANGE);
  EXPECT_TRUE(panel->IsBound());
  EXPECT_FALSE(unbound->IsBound());
}

TEST_F(ProgramSkinFrame, SkinnableFormOffHandsTheFormToThePlatformFrame) {
  data.SetSkinnableForm(false);
  EXPECT_FALSE(frame->Skinnable());
  EXPECT_FALSE(form.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
  data.SetSkinnableForm(true);
  EXPECT_TRUE(frame->Skinnable());
  EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(ProgramSkinFrame, ScreenshotOfTheSkinnedWindow) {
  form.setWindowTitle(QString::fromUtf8("长尾关键词挖掘 longtail"));
  frame->SetClientSize(500, 300);
  test::Activate(form);
  const QImage active = form.grab().toImage();
  longtail::testing::SaveScreenshot(active, "program_skin_active.png");
  EXPECT_EQ(active.size() / active.devicePixelRatio(), QSize(508, 331));
  QWidget other;
  test::Activate(other);
  longtail::testing::SaveScreenshot(form.grab().toImage(), "program_skin_inactive.png");
}

}  // namespace
}  // namespace lq
