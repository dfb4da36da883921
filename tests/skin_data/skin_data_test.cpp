#include "skin/data/skin_data.h"

#include <gtest/gtest.h>

#include "skin/data/resource_str_data.h"
#include "skin/data/stored_skin.h"
#include "skin_test_support.h"

namespace lq {
namespace {

using testing::BasicSkinDir;
using testing::ContainerBytes;
using testing::PatternPicture;

// Records every notification it hears, with the skin state at that moment.
class Recorder : public LqSkinReceiver {
 public:
  Recorder(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}
  void SkinNotification(int message, LqSkinData& sender) override {
    log_.push_back(name_ + ":" + std::to_string(message) + (sender.Empty ? " empty" : "") +
                   (sender.ChangingSkin ? " changing" : ""));
  }

 private:
  std::string name_;
  std::vector<std::string>& log_;
};

LqCompressedStoredSkin BasicStore() {
  LqCompressedStoredSkin store;
  std::string error;
  EXPECT_TRUE(store.LoadFromIniFile((BasicSkinDir() / "skin.ini").string(), &error)) << error;
  return store;
}

TEST(SkinData, StartsEmptyWithSystemColoursAndUnloadedWindowDescriptors) {
  LqSkinData skin;
  EXPECT_TRUE(skin.Empty);
  EXPECT_FALSE(skin.ChangingSkin);
  EXPECT_TRUE(skin.SkinnableForm());
  EXPECT_TRUE(skin.EnableSkinEffects);
  EXPECT_EQ(skin.bgpictureindex, -1);
  EXPECT_EQ(skin.SkinColors.cbtnface, 0xFF00000Fu);
  EXPECT_EQ(skin.PopupWindowDescriptor.windowpictureindex, -1);
  EXPECT_EQ(skin.HintWindowDescriptor.fontheight, 12);
  EXPECT_EQ(skin.HintWindowDescriptor.fontname, "Arial");
  EXPECT_EQ(skin.GetControlIndex("button"), -1);
}

TEST(SkinData, LoadsTheBasicSkinInOrder) {
  LqSkinData skin;
  ASSERT_TRUE(skin.LoadCompressedStoredSkin(BasicStore())) << skin.LastError();
  EXPECT_FALSE(skin.Empty);
  EXPECT_FALSE(skin.ChangingSkin);
  EXPECT_EQ(skin.skinname, "Basic test skin");
  EXPECT_EQ(skin.MainPicture.width(), 48);
  EXPECT_TRUE(skin.InactivePicture.empty());
  EXPECT_EQ(skin.MaskBitmap.height(), 36);
  ASSERT_EQ(skin.ActivePictures.size(), 3u);
  EXPECT_EQ(skin.ActivePictures[1].width(), 13);
  EXPECT_EQ(skin.ActivePictureNames,
            (std::vector<std::string>{"buttons.bmp", "glyphs.bmp", "check.bmp"}));
  EXPECT_EQ(skin.mask, "mask.bmp");
  // The entry of an unknown kind ("odd:nosuchkind") creates nothing.
  ASSERT_EQ(skin.ControlDescriptors.size(), 5u);
  ASSERT_EQ(skin.ObjectDescriptors.size(), 4u);
  EXPECT_EQ(skin.ControlDescriptors[4]->IDName, "vscrollbar");
  EXPECT_EQ(skin.GetControlIndex("odd"), -1);
  // "[Button]" in mixed case is the section of the element "button".
  auto* button = skin.FindControl<LqDataSkinButtonControl>("button");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->pictureindex, 0);
  EXPECT_EQ(button->activeskinrect, (Rect{15, 0, 30, 20}));
  EXPECT_EQ(button->fontcolor, 255u);
  EXPECT_EQ(button->morphkind, MorphKind::CentreGradient);
  EXPECT_EQ(skin.FindControl<LqDataSkinCustomControl>("panel")->ClassName(),
            std::string("LqDataSkinPanelControl"));
  EXPECT_EQ(skin.FindControl<LqDataSkinScrollBarControl>("vscrollbar")->stretchtype,
            StretchType::Horizontal);
  EXPECT_EQ(skin.FindControl<LqDataSkinListBox>("button"), nullptr);  // wrong class
  auto* close = skin.FindObject<LqDataSkinStdButton>("closebutton");
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->command, FrameCommand::Close);
  EXPECT_EQ(skin.SkinColors.cbtnface, 12632256u);
  EXPECT_EQ(skin.SkinColors.cbtnshadow, 0xFF000010u);
  EXPECT_EQ(skin.HintWindowDescriptor.fontheight, 14);  // the default once a skin is read
}

TEST(SkinData, DefinitionTextWithoutFinalLineBreakKeepsItsLastLine) {
  LqSkinData skin;
  std::vector<std::uint8_t> container =
      ContainerBytes()
          .i32(3)
          .emptySlot()
          .emptySlot()
          .emptySlot()
          .i32(0)
          .text("[SKINCONTROLS]\rcount=1\n0=edit:edit\r\n[edit]\r\nfontheight=9")
          .bytes();
  ASSERT_TRUE(skin.LoadContainer(container)) << skin.LastError();
  ASSERT_NE(skin.FindControl<LqDataSkinEditControl>("edit"), nullptr);
  EXPECT_EQ(skin.FindControl<LqDataSkinEditControl>("edit")->fontheight, 9);
  EXPECT_TRUE(skin.MainPicture.empty());
}

TEST(SkinData, LookupIsCaseSensitiveAndTakesTheFirstDuplicate) {
  LqSkinData skin;
  skin.LoadDefinition(
      SkinIni::FromText("[SKINCONTROLS]\ncount=3\n0=button:button\n1=button:panel\n2=nocolon\n"
                        "[SKINOBJECTS]\ncount=1\n0=caption:caption\n"));
  EXPECT_EQ(skin.GetControlIndex("button"), 0);
  EXPECT_EQ(skin.GetControlIndex("Button"), -1);
  EXPECT_EQ(skin.ControlDescriptors.size(), 2u);
  EXPECT_EQ(skin.GetObjectIndex("caption"), 0);
  EXPECT_EQ(skin.GetObjectIndex("button"), -1);
}

TEST(SkinData, FormInfoAdjustmentsWidenTheMaskAreaAndClampCorners) {
  LqSkinData skin;
  skin.LoadDefinition(SkinIni::FromText(
      "[PICTURES]\nmask=m.bmp\n[FORMINFO]\nclientrect=10,20,90,80\nmaskrectarea=5,30,50,85\n"
      "lefttoppoint=4,4\nrighttoppoint=95,8\nleftbottompoint=7,99\nrightbottompoint=96,97\n"
      "hittestrighttoppoint=0,5\nhittestleftbottompoint=1,2\n"));
  EXPECT_EQ(skin.maskrectarea, (Rect{5, 20, 90, 85}));
  // Unset hit-test points follow the corner points as read, before clamping.
  EXPECT_EQ(skin.hittestrighttoppoint, (Point{95, 8}));
  EXPECT_EQ(skin.hittestleftbottompoint, (Point{1, 2}));
  EXPECT_EQ(skin.hittestlefttoppoint, (Point{4, 4}));
  EXPECT_EQ(skin.lefttoppoint, (Point{10, 20}));
  EXPECT_EQ(skin.righttoppoint, (Point{90, 20}));
  EXPECT_EQ(skin.leftbottompoint, (Point{10, 80}));
  EXPECT_EQ(skin.rightbottompoint, (Point{90, 80}));

  LqSkinData plain;  // no mask: no widening; equal x of the corners: no clamping
  plain.LoadDefinition(SkinIni::FromText(
      "[FORMINFO]\nclientrect=10,20,90,80\nlefttoppoint=4,4\nrightbottompoint=4,97\n"));
  EXPECT_EQ(plain.maskrectarea, (Rect{}));
  EXPECT_EQ(plain.lefttoppoint, (Point{4, 4}));
  EXPECT_EQ(plain.hittestlefttoppoint, (Point{}));
}

TEST(SkinData, NotificationsGoToTheOwnerFirstThenEveryFormInOrder) {
  std::vector<std::string> log;
  Recorder first("first", log), owner("owner", log), last("last", log);
  LqSkinData skin;
  skin.Owner = &owner;
  ASSERT_TRUE(skin.LoadCompressedStoredSkin(BasicStore()));
  EXPECT_EQ(log, (std::vector<std::string>{"owner:1225 empty changing", "first:1225 empty changing",
                                           "last:1225 empty changing", "owner:1226 changing",
                                           "first:1226 changing", "last:1226 changing",
                                           "owner:1227", "first:1227", "last:1227"}));

  log.clear();
  LqResourceStrData strings;
  skin.SetResourceStrData(&strings);
  skin.StreamingIn = true;
  skin.SetSkinnableForm(false);  // no notice while the form is streamed in
  skin.StreamingIn = false;
  skin.SetSkinnableForm(true);
  skin.SetSkinnableForm(true);  // no change, no notice
  EXPECT_EQ(log, (std::vector<std::string>{"owner:1274", "first:1274", "last:1274", "owner:1294",
                                           "first:1294", "last:1294"}));
}

TEST(SkinData, AReceiverGoneDuringANotificationIsNotCalled) {
  std::vector<std::string> log;
  std::unique_ptr<Recorder> doomed;
  struct Killer : LqSkinReceiver {
    std::unique_ptr<Recorder>* victim = nullptr;
    void SkinNotification(int, LqSkinData&) override { victim->reset(); }
  } killer;  // registered first, so it hears the message first
  killer.victim = &doomed;
  doomed = std::make_unique<Recorder>("doomed", log);
  LqSkinData skin;
  skin.SendSkinMessage(SKIN_STRINGS_CHANGED);
  EXPECT_TRUE(log.empty());
}

TEST(SkinData, EmptyStoreDoesNothingAtAll) {
  std::vector<std::string> log;
  Recorder r("r", log);
  LqSkinData skin;
  ASSERT_TRUE(skin.LoadCompressedStoredSkin(BasicStore()));
  log.clear();
  LqCompressedStoredSkin empty;
  skin.SetCompressedStoredSkin(&empty);
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(skin.Empty);  // the previous skin stays
}

// Every kind of damage ends in the same state: cleared, Empty, not changing, and the forms
// told that the change is over so they draw their default look.
TEST(SkinData, RejectedOrBrokenContainersLeaveTheSkinClearedAndSayWhy) {
  BmpPicture pic = PatternPicture(4, 4, 24);
  struct Case {
    const char* name;
    LqCompressedStoredSkin store;
    const char* reason;
  };
  std::vector<Case> cases;
  cases.push_back({"newer version", ContainerBytes().i32(4).store(), "version 4"});
  cases.push_back({"ends early", ContainerBytes().i32(3).slot(pic).emptySlot().store(), "mask"});
  cases.push_back({"bad rect",
                   ContainerBytes()
                       .i32(3)
                       .emptySlot()
                       .emptySlot()
                       .emptySlot()
                       .i32(0)
                       .text("[SKINCONTROLS]\r\ncount=2\r\n0=a:panel\r\n1=b:button\r\n"
                             "[b]\r\nskinrect=1,2,,4\r\n")
                       .store(),
                   "[b] skinrect"});
  LqCompressedStoredSkin corrupt;
  corrupt.SetCompressedData({0x78, 0xDA, 0x01, 0x02, 0x03});
  cases.push_back({"corrupt", corrupt, "compression error"});

  for (Case& c : cases) {
    std::vector<std::string> log;
    Recorder r("r", log);
    LqSkinData skin;
    ASSERT_TRUE(skin.LoadCompressedStoredSkin(BasicStore()));
    log.clear();
    EXPECT_FALSE(skin.LoadCompressedStoredSkin(c.store)) << c.name;
    EXPECT_NE(skin.LastError().find(c.reason), std::string::npos)
        << c.name << ": " << skin.LastError();
    EXPECT_TRUE(skin.Empty) << c.name;
    EXPECT_FALSE(skin.ChangingSkin) << c.name;
    EXPECT_TRUE(skin.ControlDescriptors.empty() && skin.ObjectDescriptors.empty()) << c.name;
    EXPECT_TRUE(skin.MainPicture.empty() && skin.ActivePictures.empty()) << c.name;
    EXPECT_EQ(log, (std::vector<std::string>{"r:1225 empty changing", "r:1226 empty changing",
                                             "r:1227 empty"}))
        << c.name;
  }
}

TEST(SkinData, ClearSkinResetsColoursPicturesAndWindowPictureIndices) {
  LqSkinData skin;
  ASSERT_TRUE(skin.LoadCompressedStoredSkin(BasicStore()));
  ASSERT_EQ(skin.PopupWindowDescriptor.windowpictureindex, 0);
  skin.ClearSkin();
  EXPECT_TRUE(skin.Empty);
  EXPECT_EQ(skin.PopupWindowDescriptor.windowpictureindex, -1);
  EXPECT_EQ(skin.SkinColors.cbtnface, 0xFF00000Fu);
  EXPECT_TRUE(skin.ActivePictureNames.empty());
  EXPECT_TRUE(skin.mask.empty());
  EXPECT_EQ(skin.formminwidth, 40);  // frame information keeps its values
}

TEST(SkinData, SaveToIniWritesASkinThatReadsBackTheSame) {
  LqSkinData skin;
  ASSERT_TRUE(skin.LoadCompressedStoredSkin(BasicStore()));
  SkinIni ini;
  skin.SaveToIni(ini);
  SkinIni again;
  LqSkinData back;
  back.LoadDefinition(ini);
  back.SaveToIni(again);
  EXPECT_EQ(again.ToText(), ini.ToText());
  EXPECT_EQ(back.ControlDescriptors.size(), skin.ControlDescriptors.size());
  EXPECT_EQ(back.FindObject<LqDataSkinCaption>("caption")->alignment, TextAlignment::Left);
}

TEST(ResourceStrData, DefaultEnglishEntriesAndLookup) {
  LqResourceStrData strings;
  EXPECT_EQ(strings.ResStrings.size(), 130u);
  EXPECT_EQ(strings.CharSet, 1);
  EXPECT_EQ(strings.GetResStr("MI_MINCAPTION"), "Mi&nimize");
  EXPECT_EQ(strings.GetResStr("CLOSEBUTTON_HINT"), "Close");
  EXPECT_EQ(strings.GetResStr("MSG_BTN_OK"), "OK");
  EXPECT_EQ(strings.GetResStr("MSG_BTN"), "");
  EXPECT_EQ(strings.GetResStr("NO_SUCH_NAME"), "");
}

}  // namespace
}  // namespace lq
