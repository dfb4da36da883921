// The three controls with the program's own skin: the documented sizes hold.
#include <gtest/gtest.h>
#include <QTest>

#include "skin/controls/align_layout.h"
#include "skin/controls/list_box.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/splitter.h"
#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"
#include "skin/embedded/embedded_skin.h"
#include "support/screenshots.h"
#include "support/string_list_model.h"

namespace lq {
namespace {

struct ProgramSkin {
  LqCompressedStoredSkin store;
  LqSkinData data;
  ProgramSkin() {
    const auto stream = EmbeddedSkinStream();
    EXPECT_TRUE(store.LoadFromCompressedStream(stream.data(), stream.size()));
    data.SetCompressedStoredSkin(&store);
    EXPECT_FALSE(data.Empty);
  }
};

TEST(ScrollBarProgramSkinTest, A154PixelBarHasItsIncreaseButtonAtTheBottom) {
  ProgramSkin skin;
  QWidget host;
  LqSkinScrollBar bar(&host);
  bar.SetKind(ScrollBarKind::Vertical);
  bar.SetSkinDataName("vscrollbar");
  bar.SetDefaultWidth(19);
  bar.SetSkinData(&skin.data);
  bar.SetBounds(QRect(0, 0, 19, 154));
  ASSERT_TRUE(bar.SkinnedLook());
  EXPECT_EQ(bar.width(), 17);
  const ScrollBarLayout l = bar.Layout();
  EXPECT_EQ(l.decrease, (Rect{0, 0, 17, 16}));
  EXPECT_EQ(l.increase, (Rect{0, 138, 17, 154}));
  EXPECT_EQ(l.track.height(), 122);
  bar.SetRange(0, 99, 10, 45);
  longtail::testing::SaveScreenshot(bar.grab().toImage(), "scroll_bar_program_skin.png");
}

TEST(ScrollBarProgramSkinTest, ListsDraw20PixelRowsAndTheSplitterIs5Wide) {
  ProgramSkin skin;
  QWidget host;
  host.resize(822, 341);
  auto* layout = new LqAlignLayout(&host);
  for (bool useSkin : {false, true}) {
    auto model = std::make_unique<longtail::testing::StringListModel>();
    longtail::testing::StringListModel& items = *model;
    LqSkinListBox box(std::move(model), &host);
    box.SetUseSkinItemHeight(useSkin);
    box.SetDefaultItemHeight(20);
    box.SetSkinData(&skin.data);
    box.SetBounds(QRect(0, 0, 409, 341));
    EXPECT_EQ(box.ListBox()->ItemHeight(), 20);
    for (int i = 0; i < 40; ++i) items.Append("phrase");
    QCoreApplication::processEvents();
    ASSERT_NE(box.VScrollBar(), nullptr);
    EXPECT_EQ(box.VScrollBar()->width(), 17);
    if (useSkin)
      longtail::testing::SaveScreenshot(box.grab().toImage(), "list_box_program_skin.png");
  }
  auto* pane = new QWidget(&host);
  pane->resize(409, 341);
  SetAlign(pane, DockAlign::Left);
  auto* splitter = new LqSkinSplitter(&host);
  splitter->SetSkinData(&skin.data);
  layout->realign();
  EXPECT_EQ(splitter->width(), 5);
  EXPECT_EQ(splitter->x(), 409);
}

}  // namespace
}  // namespace lq
