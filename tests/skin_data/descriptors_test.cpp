#include "skin/data/descriptors.h"

#include <gtest/gtest.h>

namespace lq {
namespace {

// Lists the keys a descriptor visits, in order.
class KeyLister : public SkinFieldVisitor {
 public:
  std::vector<std::string> keys;
  void Integer(const char* k, int&, int) override { keys.push_back(k); }
  void Colour(const char* k, Color&, Color) override { keys.push_back(k); }
  void Flag(const char* k, bool&) override { keys.push_back(k); }
  void String(const char* k, std::string&, const char*) override { keys.push_back(k); }
  void RectValue(const char* k, Rect&) override { keys.push_back(k); }
  void PointValue(const char* k, Point&) override { keys.push_back(k); }
  void FontStyle(const char* k, TFontStyles&) override { keys.push_back(k); }
  void Alignment(const char* k, TextAlignment&) override { keys.push_back(k); }
  void MorphKindValue(const char* k, MorphKind&) override { keys.push_back(k); }
  void StretchTypeValue(const char* k, StretchType&) override { keys.push_back(k); }
  void InactiveEffectValue(const char* k, InactiveEffect&) override { keys.push_back(k); }
  void Command(const char* k, FrameCommand&, FrameCommand) override { keys.push_back(k); }
};

template <class D>
std::vector<std::string> Keys(D& d) {
  KeyLister l;
  d.VisitFields(l);
  return l.keys;
}

const char* const kControlKinds[] = {
    "panel",    "expanel",     "menubutton", "button",   "checkradio", "gauge",
    "splitter", "trackbar",    "label",      "stdlabel", "updown",     "grid",
    "tab",      "mainmenubar", "controlbar", "memo",     "edit",       "checklistbox",
    "listbox",  "combobox",    "scrollbar",  "spinedit", "scrollbox",  "treeview",
    "bevel",    "slider",      "listview",   "richedit"};
const char* const kObjectKinds[] = {"menuitem", "mainmenubaritem", "stdbutton", "mainmenubarbutton",
                                    "button",   "caption",         "animate",   "userobject"};

TEST(Descriptors, EveryKindMakesItsClassAndUnknownKindsNothing) {
  for (const char* kind : kControlKinds) {
    auto d = CreateControlDescriptor(kind, "x");
    ASSERT_NE(d, nullptr) << kind;
    EXPECT_EQ(std::string(d->Kind()), kind);
    EXPECT_EQ(std::string(d->ClassName()).rfind("LqDataSkin", 0), 0u) << d->ClassName();
    EXPECT_EQ(d->IDName, "x");
  }
  for (const char* kind : kObjectKinds) {
    auto d = CreateObjectDescriptor(kind, "x");
    ASSERT_NE(d, nullptr) << kind;
    EXPECT_EQ(std::string(d->Kind()), kind);
  }
  EXPECT_EQ(CreateControlDescriptor("Button", "x"), nullptr);  // kinds are compared exactly
  EXPECT_EQ(CreateControlDescriptor("caption", "x"), nullptr);
  EXPECT_EQ(CreateObjectDescriptor("panel", "x"), nullptr);
  EXPECT_STREQ(CreateControlDescriptor("memo", "m")->ClassName(), "LqDataSkinMemoControl");
  EXPECT_NE(dynamic_cast<LqDataSkinEditControl*>(CreateControlDescriptor("memo", "m").get()),
            nullptr);
  EXPECT_NE(
      dynamic_cast<LqDataSkinStdButton*>(CreateObjectDescriptor("mainmenubarbutton", "b").get()),
      nullptr);
  EXPECT_EQ(dynamic_cast<LqDataSkinCustomControl*>(CreateControlDescriptor("tab", "t").get()),
            nullptr);
}

TEST(Descriptors, InheritedKeysComeFirstThenTheKindsOwnInOrder) {
  LqDataSkinMemoControl memo;
  std::vector<std::string> keys = Keys(memo);
  ASSERT_EQ(keys.size(), 27u);
  EXPECT_EQ(
      std::vector<std::string>(keys.begin(), keys.begin() + 4),
      (std::vector<std::string>{"pictureindex", "maskpictureindex", "skinrect", "lefttoppoint"}));
  EXPECT_EQ(keys[14], "activeskinrect");  // the first edit key after the custom-control keys
  EXPECT_EQ(keys.back(), "activebgcolor");
  EXPECT_EQ(keys[keys.size() - 2], "bgcolor");

  LqDataSkinStdLabelControl label;  // directly on the base: no custom-control keys
  EXPECT_EQ(Keys(label),
            (std::vector<std::string>{"pictureindex", "maskpictureindex", "skinrect", "fontname",
                                      "fontheight", "fontstyle", "fontcolor", "activefontcolor"}));
  LqDataUserObject user;
  EXPECT_EQ(Keys(user), (std::vector<std::string>{"skinrect"}));
  LqDataSkinMenuButtonControl menuButton;
  EXPECT_EQ(Keys(menuButton).back(), "trackbuttonrect");
  LqDataSkinMainMenuBarItem barItem;
  EXPECT_EQ(Keys(barItem).size(), 8u + 16u);
}

TEST(Descriptors, DefaultsOfAnEmptySection) {
  SkinIni none;
  LqDataSkinListBox list("list");
  list.LoadFromIni(none);
  EXPECT_EQ(list.pictureindex, -1);
  EXPECT_EQ(list.fontname, "Arial");
  EXPECT_EQ(list.fontheight, 14);
  EXPECT_EQ(list.captionfontheight, 14);
  EXPECT_EQ(list.vscrollbarname, "vscrollbar");
  EXPECT_EQ(list.bothhscrollbarname, "bothhscrollbar");
  LqDataSkinStdLabelControl label("l");
  label.LoadFromIni(none);
  EXPECT_EQ(label.activefontcolor, 0xFF0000u);
  LqDataSkinControlBar bar("b");
  bar.LoadFromIni(none);
  EXPECT_EQ(bar.itemoffset1, 3);
  EXPECT_EQ(bar.bgpictureindex, -1);
  LqDataSkinAnimate animate("a");
  animate.LoadFromIni(none);
  EXPECT_EQ(animate.countframes, 1);
  EXPECT_EQ(animate.timerinterval, 50);
  EXPECT_EQ(animate.command, FrameCommand::Default);
  LqDataSkinCaption caption("c");
  caption.LoadFromIni(none);
  EXPECT_EQ(caption.alignment, TextAlignment::Center);
  EXPECT_EQ(caption.animateinterval, 25);
  EXPECT_EQ(caption.activepictureindex, -1);
}

TEST(Descriptors, KindSpecificAdjustmentsAfterReading) {
  SkinIni ini = SkinIni::FromText(
      "[ud]\nlefttoppoint=3,4\nclientrect=1,2,3,4\nupbuttonrect=0,0,5,5\n"
      "[anim]\nmorphing=1\ncountframes=7\n"
      "[item]\ncheckimagerect=1,1,8,8\nactivecheckimagerect=0,0,0,9\nradioimagerect=2,2,9,9\n"
      "activeradioimagerect=3,3,10,10\narrowimagerect=4,4,6,6\n");
  LqDataSkinUpDownControl ud("ud");
  ud.LoadFromIni(ini);
  EXPECT_EQ(ud.lefttoppoint, (Point{}));
  EXPECT_EQ(ud.clientrect, (Rect{}));
  EXPECT_EQ(ud.upbuttonrect, (Rect{0, 0, 5, 5}));
  LqDataSkinAnimate anim("anim");
  anim.LoadFromIni(ini);
  EXPECT_FALSE(anim.morphing);
  EXPECT_EQ(anim.countframes, 7);
  LqDataSkinMenuItem item("item");
  item.LoadFromIni(ini);
  EXPECT_EQ(item.activecheckimagerect, (Rect{1, 1, 8, 8}));  // empty: takes the normal one
  EXPECT_EQ(item.activeradioimagerect, (Rect{3, 3, 10, 10}));
  EXPECT_EQ(item.activearrowimagerect, (Rect{4, 4, 6, 6}));
}

TEST(Descriptors, SaveToIniErasesTheSectionAndWritesKeysTheReaderUnderstands) {
  LqDataSkinTabControl tab("tab");
  tab.clientrect = {1, 2, 3, 4};
  tab.lefttoppoint = {5, 6};
  tab.fontstyle = fsBold | fsUnderline;
  tab.stretchtype = StretchType::Vertical;
  tab.showfocus = true;
  tab.fontcolor = 0xFF000012u;
  tab.updown = "spin";
  SkinIni ini = SkinIni::FromText("[tab]\nstale=1\n");
  tab.SaveToIni(ini);
  EXPECT_EQ(ini.Find("tab", "stale"), nullptr);
  EXPECT_EQ(*ini.Find("tab", "fontstyle"), "fsbold,fsunderline");
  EXPECT_EQ(*ini.Find("tab", "fontcolor"), "0xFF000012");
  LqDataSkinTabControl back("tab");
  back.LoadFromIni(ini);
  EXPECT_EQ(back.clientrect, tab.clientrect);
  EXPECT_EQ(back.lefttoppoint, tab.lefttoppoint);
  EXPECT_EQ(back.fontstyle, tab.fontstyle);
  EXPECT_EQ(back.stretchtype, StretchType::Vertical);
  EXPECT_TRUE(back.showfocus);
  EXPECT_EQ(back.fontcolor, 0xFF000012u);
  EXPECT_EQ(back.updown, "spin");
  EXPECT_EQ(back.bgpictureindex, -1);
}

}  // namespace
}  // namespace lq
