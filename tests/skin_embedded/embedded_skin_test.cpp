// The program's embedded skin: it loads, and every size, position and colour the windows
// rely on holds; its art has no seams in the parts that are tiled or stretched.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/data/bmp_codec.h"
#include "skin/data/control_descriptors.h"
#include "skin/data/object_descriptors.h"
#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"
#include "skin/embedded/embedded_skin.h"

namespace lq {
namespace {

class EmbeddedSkin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    store_ = new LqCompressedStoredSkin;
    const auto stream = EmbeddedSkinStream();
    ASSERT_TRUE(store_->LoadFromCompressedStream(stream.data(), stream.size()));
    skin_ = new LqSkinData;
    skin_->SetCompressedStoredSkin(store_);
  }
  static void TearDownTestSuite() {
    delete skin_;
    delete store_;
  }

  template <class T>
  static const T& Control(const std::string& name) {
    const T* d = skin_->FindControl<T>(name);
    EXPECT_NE(d, nullptr) << name;
    static const T none;
    return d ? *d : none;
  }
  template <class T>
  static const T& Object(const std::string& name) {
    const T* d = skin_->FindObject<T>(name);
    EXPECT_NE(d, nullptr) << name;
    static const T none;
    return d ? *d : none;
  }
  static const Bitmap& Picture(int index) {
    EXPECT_GE(index, 0);
    EXPECT_LT(index, int(skin_->ActivePictures.size()));
    return skin_->ActivePictures.at(std::size_t(index));
  }

  static LqCompressedStoredSkin* store_;
  static LqSkinData* skin_;
};

LqCompressedStoredSkin* EmbeddedSkin::store_ = nullptr;
LqSkinData* EmbeddedSkin::skin_ = nullptr;

// How a control's image may be sized, from its corner points.
int SliceMode(const LqDataSkinCustomControl& d) {
  if (d.skinrect.isEmpty()) return -1;
  if (d.rightbottompoint.x != 0 && d.rightbottompoint.y != 0) return 1;
  if (d.righttoppoint.x != 0 || d.righttoppoint.y != 0) return 2;
  if (d.leftbottompoint.x != 0 || d.leftbottompoint.y != 0) return 3;
  return 0;
}

bool ColumnsEqual(const Bitmap& b, const Rect& r, int x0, int x1) {
  for (int y = r.top; y < r.bottom; ++y)
    if (b.pixel(r.left + x0, y) != b.pixel(r.left + x1, y)) return false;
  return true;
}

bool RowsEqual(const Bitmap& b, const Rect& r, int y0, int y1) {
  for (int x = r.left; x < r.right; ++x)
    if (b.pixel(x, r.top + y0) != b.pixel(x, r.top + y1)) return false;
  return true;
}

// Every column between from and to (relative to r) equals the first: such a middle part
// looks the same tiled or stretched, so the element shows no seam at any size.
void ExpectUniformColumns(const Bitmap& b, const Rect& r, int from, int to,
                          const std::string& what) {
  for (int x = from + 1; x < to; ++x)
    ASSERT_TRUE(ColumnsEqual(b, r, from, x)) << what << ": column " << x << " differs";
}

void ExpectUniformRows(const Bitmap& b, const Rect& r, int from, int to, const std::string& what) {
  for (int y = from + 1; y < to; ++y)
    ASSERT_TRUE(RowsEqual(b, r, from, y)) << what << ": row " << y << " differs";
}

TEST(EmbeddedSkinStream, IsAVersion3StreamOfOneBestLevelZlibStream) {
  const auto stream = EmbeddedSkinStream();
  ASSERT_GT(stream.size(), 8u);
  EXPECT_EQ(stream[0], 3);
  const auto data = EmbeddedSkinData();
  EXPECT_EQ(data.size() + 8, stream.size());
  ASSERT_GE(data.size(), 2u);
  EXPECT_EQ(data[0], 0x78);
  EXPECT_EQ(data[1], 0xDA);
  // Small next to its container (about 1.2 MB inflated).
  EXPECT_LT(data.size(), 100u * 1024);
}

TEST(EmbeddedSkinStream, ContainerHoldsThePicturesInTheDocumentedFormats) {
  LqCompressedStoredSkin store;
  const auto stream = EmbeddedSkinStream();
  ASSERT_TRUE(store.LoadFromCompressedStream(stream.data(), stream.size()));
  std::vector<std::uint8_t> c;
  ASSERT_TRUE(store.DecompressToStream(c));
  std::size_t pos = 0;
  auto int32 = [&] {
    std::int32_t v = std::int32_t(c[pos] | c[pos + 1] << 8 | c[pos + 2] << 16 | c[pos + 3] << 24);
    pos += 4;
    return v;
  };
  auto bmp = [&](int w, int h, int bits) {
    BmpPicture p;
    std::size_t used = 0;
    std::string error;
    ASSERT_TRUE(ReadBmp(c.data() + pos, c.size() - pos, p, used, error)) << error;
    EXPECT_EQ(p.pixels.width(), w);
    EXPECT_EQ(p.pixels.height(), h);
    EXPECT_EQ(p.bitsPerPixel, bits);
    pos += used;
  };
  EXPECT_EQ(int32(), 3);
  ASSERT_EQ(c[pos++], 0);  // main picture present
  bmp(285, 210, 24);
  EXPECT_EQ(c[pos++], 1);  // no inactive picture
  ASSERT_EQ(c[pos++], 0);  // mask present
  bmp(285, 210, 8);
  ASSERT_EQ(int32(), 8);
  const int sizes[8][3] = {{75, 263, 24},  {28, 21, 24},   {93, 55, 24}, {132, 126, 24},
                           {556, 410, 24}, {219, 178, 24}, {93, 55, 4},  {28, 21, 1}};
  for (const auto& s : sizes) bmp(s[0], s[1], s[2]);
  const std::string text(c.begin() + std::ptrdiff_t(pos), c.end());
  EXPECT_EQ(text.rfind("[VERSION]", 0), 0u);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST_F(EmbeddedSkin, LoadsWithTheFrameOfTheProgram) {
  ASSERT_FALSE(skin_->Empty);
  EXPECT_EQ(skin_->MainPicture.width(), 285);
  EXPECT_EQ(skin_->MainPicture.height(), 210);
  EXPECT_TRUE(skin_->InactivePicture.empty());
  EXPECT_FALSE(skin_->mask.empty());
  EXPECT_EQ(skin_->clientrect, (Rect{4, 27, 281, 206}));
  EXPECT_EQ(skin_->captionrect, (Rect{3, 5, 282, 24}));
  EXPECT_TRUE(skin_->buttonsrect.isEmpty());
  EXPECT_EQ(skin_->buttonsoffset, 2);
  EXPECT_FALSE(skin_->buttonsinleft);
  EXPECT_EQ(skin_->formminwidth, 200);
  EXPECT_TRUE(skin_->autorenderinginactiveimage);
  EXPECT_EQ(skin_->inactiveeffect, InactiveEffect::Grayscale);
  EXPECT_GE(skin_->borderwidth, 4);  // the whole side border is a resize edge
}

TEST_F(EmbeddedSkin, FrameSizesMatchTheWindows) {
  const int pw = skin_->MainPicture.width(), ph = skin_->MainPicture.height();
  const Rect& c = skin_->clientrect;
  // Smallest window: formminwidth wide, as high as the frame without any client area.
  EXPECT_EQ(skin_->formminwidth > 0 ? skin_->formminwidth : pw, 200);
  EXPECT_EQ(ph - c.height(), 31);
  // A client of 822 x 630 gives an outer size of 830 x 661.
  EXPECT_EQ(822 + c.left + (pw - c.right), 830);
  EXPECT_EQ(630 + c.top + (ph - c.bottom), 661);
}

TEST_F(EmbeddedSkin, CaptionButtonsLayOutAtTheDocumentedPositions) {
  // Buttons run right to left from the caption rectangle's right edge, which moves with
  // the window width W.
  for (int W : {200, 285, 830}) {
    int x = skin_->captionrect.right + (W - skin_->MainPicture.width());
    std::vector<int> lefts;
    for (const char* name : {"closebutton", "maxbutton", "minbutton"}) {
      const auto& b = Object<LqDataSkinStdButton>(name);
      EXPECT_TRUE(b.skinrectinapicture) << name;
      EXPECT_EQ(b.skinrect.width(), 21);
      EXPECT_EQ(b.skinrect.height(), 21);
      lefts.push_back(x - b.skinrect.width());
      x -= b.skinrect.width() + skin_->buttonsoffset;
    }
    EXPECT_EQ(lefts, (std::vector<int>{W - 24, W - 47, W - 70}));
    EXPECT_EQ(x + skin_->buttonsoffset, W - 70);  // where the caption object ends
  }
  const auto& sys = Object<LqDataSkinStdButton>("sysmenubutton");
  EXPECT_EQ(sys.skinrect.width(), 14);
  EXPECT_EQ(sys.skinrect.height(), 12);
}

TEST_F(EmbeddedSkin, DeclaresThirteenObjectsWithTheirCommandsAndImages) {
  ASSERT_EQ(skin_->ObjectDescriptors.size(), 13u);
  const std::pair<const char*, FrameCommand> buttons[] = {
      {"closebutton", FrameCommand::Close},     {"maxbutton", FrameCommand::Maximize},
      {"minbutton", FrameCommand::Minimize},    {"rollupbutton", FrameCommand::RollUp},
      {"sysmenubutton", FrameCommand::SysMenu}, {"traybutton", FrameCommand::MinimizeToTray}};
  for (const auto& [name, command] : buttons) {
    const auto& b = Object<LqDataSkinStdButton>(name);
    EXPECT_EQ(b.command, command) << name;
    const Bitmap& pic = Picture(b.activepictureindex);
    // Hover and down images exist and have the normal image's size, inside the picture.
    for (const Rect& r : {b.skinrect, b.activeskinrect, b.downrect}) {
      EXPECT_EQ(r.width(), b.skinrect.width()) << name;
      EXPECT_EQ(r.height(), b.skinrect.height()) << name;
      EXPECT_EQ(r.intersected(pic.rect()), r) << name;
    }
  }
  for (const char* name : {"maxbutton", "minbutton", "rollupbutton"}) {
    const auto& b = Object<LqDataSkinStdButton>(name);
    EXPECT_EQ(b.restorerect.width(), 21) << name;
    EXPECT_FALSE(b.restoreactiverect.isEmpty()) << name;
    EXPECT_FALSE(b.restoredownrect.isEmpty()) << name;
  }
  Object<LqDataSkinMainMenuBarItem>("mainmenubaritem");
  for (const char* name :
       {"menubarsysmenubutton", "menubarclosebutton", "menubarmaxbutton", "menubarminbutton"})
    Object<LqDataSkinMainMenuBarButton>(name);
}

TEST_F(EmbeddedSkin, CaptionDrawsItsTitleInTheDocumentedColours) {
  const auto& c = Object<LqDataSkinCaption>("caption");
  EXPECT_EQ(c.skinrect, (Rect{5, 4, 280, 24}));
  EXPECT_FALSE(c.skinrectinapicture);
  EXPECT_TRUE(c.activeskinrect.isEmpty());
  EXPECT_EQ(c.textrect, (Rect{4, 2, 274, 20}));
  EXPECT_EQ(c.fontname, "Arial");
  EXPECT_EQ(c.fontheight, 16);
  EXPECT_EQ(c.fontstyle, fsBold);
  EXPECT_EQ(c.fontcolor, 5917766u);  // dark slate: readable when greyed
  EXPECT_EQ(c.activefontcolor, 11168318u);
  EXPECT_EQ(c.alignment, TextAlignment::Left);
  EXPECT_TRUE(c.shadow);
  EXPECT_EQ(c.shadowcolor, 16777215u);
  EXPECT_EQ(c.activeshadowcolor, 16777215u);
  EXPECT_FALSE(c.light);
  EXPECT_FALSE(c.morphing);
  EXPECT_TRUE(c.framerect.isEmpty());
  EXPECT_TRUE(c.animateskinrect.isEmpty());
}

TEST_F(EmbeddedSkin, PopupMenuAndHintWindowHaveTheirDocumentedGeometry) {
  const auto& pw = skin_->PopupWindowDescriptor;
  EXPECT_EQ(Picture(pw.windowpictureindex).width(), 93);
  EXPECT_EQ(Picture(pw.windowpictureindex).height(), 55);
  EXPECT_EQ(Picture(pw.maskpictureindex).width(), 93);
  EXPECT_EQ(pw.itemsrect, (Rect{2, 2, 91, 53}));
  const auto& item = Object<LqDataSkinMenuItem>("menuitem");
  EXPECT_EQ(item.skinrect.width(), 89);
  EXPECT_EQ(item.skinrect.height(), 22);
  EXPECT_EQ(item.activeskinrect.height(), 22);
  EXPECT_EQ(item.textrect, (Rect{23, 1, 86, 20}));
  EXPECT_EQ(item.dividerrect.height(), 3);
  // Six plain items: 4 + 6 x 22 = 136 pixels high.
  const int frame = Picture(pw.windowpictureindex).height() - pw.itemsrect.height();
  EXPECT_EQ(frame + 6 * item.skinrect.height(), 136);

  const auto& hw = skin_->HintWindowDescriptor;
  EXPECT_EQ(Picture(hw.windowpictureindex).width(), 28);
  EXPECT_EQ(Picture(hw.windowpictureindex).height(), 21);
  EXPECT_EQ(Picture(hw.maskpictureindex).width(), 28);
  EXPECT_EQ(hw.lefttoppoint, (Point{3, 6}));
  EXPECT_EQ(hw.righttoppoint, (Point{21, 6}));
  EXPECT_EQ(hw.leftbottompoint, (Point{5, 14}));
  EXPECT_EQ(hw.rightbottompoint, (Point{20, 14}));
  EXPECT_EQ(hw.clientrect, (Rect{4, 3, 24, 18}));
  EXPECT_EQ(hw.fontname, "Arial");
  EXPECT_EQ(hw.fontheight, 14);
  EXPECT_EQ(hw.fontcolor, 0u);
  EXPECT_TRUE(hw.leftstretch);
  EXPECT_TRUE(hw.rightstretch);
  // A text of tw x th makes a hint of (tw + 13) x (th + 6).
  const int pw2 = 28, ph2 = 21;
  EXPECT_EQ(hw.clientrect.left + pw2 - hw.clientrect.right + 5, 13);
  EXPECT_EQ(hw.clientrect.top + ph2 - hw.clientrect.bottom, 6);
}

TEST_F(EmbeddedSkin, ControlsBindWithTheDocumentedSliceModes) {
  const std::pair<const char*, int> modes[] = {
      {"panel", 1},       {"groupbox", 1},   {"listbox", 1},  {"memo", 1},
      {"button", 2},      {"checkbox", 2},   {"edit", 2},     {"spinedit", 2},
      {"statuspanel", 2}, {"vscrollbar", 3}, {"vsplitter", 3}};
  for (const auto& [name, mode] : modes)
    EXPECT_EQ(SliceMode(Control<LqDataSkinCustomControl>(name)), mode) << name;
  // Every element the windows and dialogs bind to, with its kind.
  Control<LqDataSkinPanelControl>("toolpanel");
  Control<LqDataSkinCheckRadioControl>("radiobox");
  Control<LqDataSkinLabelControl>("label");
  Control<LqDataSkinLabelControl>("statuspanel");
  Control<LqDataSkinStdLabelControl>("stdlabel");
  Control<LqDataSkinScrollBarControl>("hscrollbar");
  Control<LqDataSkinScrollBarControl>("bothhscrollbar");
  Control<LqDataSkinSplitterControl>("hsplitter");
  Control<LqDataSkinComboBox>("combobox");
  Control<LqDataSkinButtonControl>("toolbutton");
  Control<LqDataSkinMenuButtonControl>("toolmenubutton");
  Control<LqDataSkinButtonControl>("resizebutton");
  // Names are exact: a capital letter finds nothing.
  EXPECT_EQ(skin_->GetControlIndex("Button"), -1);
}

TEST_F(EmbeddedSkin, ControlRectanglesMatchTheWindows) {
  const auto& b = Control<LqDataSkinButtonControl>("button");
  EXPECT_EQ(b.skinrect, (Rect{458, 272, 500, 294}));
  EXPECT_EQ(b.activeskinrect, (Rect{458, 298, 500, 320}));
  EXPECT_EQ(b.downskinrect, (Rect{458, 324, 500, 346}));
  EXPECT_EQ(b.disabledskinrect, (Rect{503, 272, 545, 294}));
  EXPECT_EQ(b.lefttoppoint.x, 3);
  EXPECT_EQ(b.righttoppoint.x, 35);
  EXPECT_FALSE(b.morphing);
  EXPECT_EQ(b.framecount, 0);

  const auto& cb = Control<LqDataSkinCheckRadioControl>("checkbox");
  EXPECT_EQ(cb.checkimagerect, (Rect{19, 75, 34, 90}));
  EXPECT_EQ(cb.uncheckimagerect, (Rect{3, 75, 18, 90}));
  EXPECT_EQ(cb.activecheckimagerect, (Rect{18, 2, 33, 17}));
  EXPECT_EQ(cb.activeuncheckimagerect, (Rect{2, 2, 17, 17}));
  EXPECT_EQ(cb.framefontcolor, 0u);
  EXPECT_EQ(cb.fontheight, 14);

  const auto& lb = Control<LqDataSkinListBox>("listbox");
  EXPECT_EQ(lb.skinrect.width(), 59);
  EXPECT_EQ(lb.skinrect.height(), 52);
  EXPECT_EQ(lb.clientrect, (Rect{2, 2, 57, 50}));
  EXPECT_EQ(lb.itemrect.height(), 20);
  EXPECT_TRUE(lb.captionrect.isEmpty());

  const auto& sb = Control<LqDataSkinScrollBarControl>("vscrollbar");
  EXPECT_EQ(sb.skinrect, (Rect{223, 25, 240, 93}));
  EXPECT_EQ(sb.leftbottompoint.y, 43);
  EXPECT_EQ(sb.downbuttonrect, (Rect{0, 0, 17, 16}));
  EXPECT_EQ(sb.upbuttonrect, (Rect{0, 52, 17, 68}));
  EXPECT_EQ(sb.trackarea, (Rect{0, 16, 17, 52}));
  EXPECT_EQ(sb.thumbrect, (Rect{241, 78, 258, 92}));
  EXPECT_EQ(sb.activethumbrect, (Rect{259, 78, 276, 92}));
  // A 154-pixel bar: increase button at 138..154, track of 122 pixels.
  const int dy = 154 - sb.skinrect.height();
  EXPECT_EQ(sb.upbuttonrect.top + dy, 138);
  EXPECT_EQ(sb.trackarea.height() + dy, 122);

  const auto& sp = Control<LqDataSkinSplitterControl>("vsplitter");
  EXPECT_EQ(sp.skinrect, (Rect{118, 191, 123, 213}));
  EXPECT_EQ(sp.lefttoppoint.y, 5);
  EXPECT_EQ(sp.skinrect.height() - sp.leftbottompoint.y, 4);
  EXPECT_EQ(sp.gripperrect, (Rect{127, 206, 130, 214}));
  EXPECT_TRUE(sp.grippertransparent);
  EXPECT_EQ(sp.grippertransparentcolor, 16711935u);

  EXPECT_EQ(Control<LqDataSkinEditControl>("edit").skinrect.height(), 21);
  const auto& se = Control<LqDataSkinSpinEditControl>("spinedit");
  EXPECT_EQ(se.skinrect.width(), 59);
  EXPECT_EQ(se.skinrect.height(), 22);
  // At 57 pixels wide the buttons sit at x 44..55, up 3..11 and down 11..19.
  const int sdx = 57 - se.skinrect.width();
  EXPECT_GE(se.upbuttonrect.left, se.righttoppoint.x);
  EXPECT_EQ(se.upbuttonrect, (Rect{44 - sdx, 3, 55 - sdx, 11}));
  EXPECT_EQ(se.downbuttonrect, (Rect{44 - sdx, 11, 55 - sdx, 19}));

  const auto& gb = Control<LqDataSkinPanelControl>("groupbox");
  EXPECT_EQ(gb.captionrect, (Rect{1, 1, 58, 14}));
  EXPECT_EQ(gb.alignment, TextAlignment::Center);
  EXPECT_EQ(gb.fontcolor, 11168318u);
  EXPECT_EQ(gb.fontheight, 14);
  EXPECT_TRUE(Control<LqDataSkinPanelControl>("panel").captionrect.isEmpty());

  const auto& sl = Control<LqDataSkinStdLabelControl>("stdlabel");
  EXPECT_EQ(sl.fontname, "Arial");
  EXPECT_EQ(sl.fontheight, 14);
  EXPECT_EQ(sl.fontcolor, 0u);

  const auto& memo = Control<LqDataSkinMemoControl>("memo");
  EXPECT_EQ(memo.fontcolor, 0u);
  EXPECT_EQ(memo.activefontcolor, 0u);
  EXPECT_EQ(memo.bgcolor, 16777215u);
  EXPECT_EQ(memo.activebgcolor, 16777215u);
}

TEST_F(EmbeddedSkin, FrameMaskRoundsOnlyTheTopCorners) {
  const Bitmap& m = skin_->MaskBitmap;
  ASSERT_EQ(m.width(), 285);
  const Color black = RGB(0, 0, 0), white = RGB(255, 255, 255);
  EXPECT_EQ(m.pixel(0, 0), white);
  EXPECT_EQ(m.pixel(284, 0), white);
  EXPECT_EQ(m.pixel(0, 209), black);
  EXPECT_EQ(m.pixel(284, 209), black);
  EXPECT_EQ(m.pixel(142, 0), black);
  EXPECT_EQ(m.pixel(0, 27), black);
  // The rounding lies inside the corner pieces, so it never stretches.
  for (int y = 0; y < m.height(); ++y)
    for (int x = skin_->lefttoppoint.x; x < skin_->righttoppoint.x; ++x)
      ASSERT_EQ(m.pixel(x, y), black) << x << "," << y;
}

TEST_F(EmbeddedSkin, FrameEdgesTileWithoutSeams) {
  const Bitmap& p = skin_->MainPicture;
  ExpectUniformColumns(p, {0, 0, 285, skin_->clientrect.top}, skin_->lefttoppoint.x,
                       skin_->righttoppoint.x, "top border");
  ExpectUniformColumns(p, {0, skin_->clientrect.bottom, 285, 210}, skin_->leftbottompoint.x,
                       skin_->rightbottompoint.x, "bottom border");
  ExpectUniformRows(p, {0, 0, skin_->clientrect.left, 210}, skin_->lefttoppoint.y,
                    skin_->leftbottompoint.y, "left border");
  ExpectUniformRows(p, {skin_->clientrect.right, 0, 285, 210}, skin_->righttoppoint.y,
                    skin_->rightbottompoint.y, "right border");
  // The client background is tiled: one colour.
  const Rect& c = skin_->clientrect;
  for (int y = c.top; y < c.bottom; ++y)
    for (int x = c.left; x < c.right; ++x) ASSERT_EQ(p.pixel(x, y), p.pixel(c.left, c.top));
}

TEST_F(EmbeddedSkin, CaptionButtonsBlendIntoTheCaptionBand) {
  // A button's normal image shows the caption band behind its glyph, so it sits on the
  // frame without a visible box.
  const auto& close = Object<LqDataSkinStdButton>("closebutton");
  const Bitmap& pic = Picture(close.activepictureindex);
  const int top = skin_->captionrect.top;
  for (int y = 0; y < close.skinrect.height(); ++y)
    EXPECT_EQ(pic.pixel(close.skinrect.left, close.skinrect.top + y),
              skin_->MainPicture.pixel(150, top + y))
        << "row " << y;
}

TEST_F(EmbeddedSkin, StretchableControlPartsAreSeamless) {
  for (const auto& d : skin_->ControlDescriptors) {
    const auto* c = dynamic_cast<const LqDataSkinCustomControl*>(d.get());
    if (!c || c->pictureindex < 0) continue;
    const Bitmap& pic = Picture(c->pictureindex);
    const Rect& r = c->skinrect;
    switch (SliceMode(*c)) {
      case 1:
        ExpectUniformColumns(pic, {r.left, r.top, r.right, r.top + c->clientrect.top},
                             c->lefttoppoint.x, c->righttoppoint.x, c->IDName + " top");
        ExpectUniformRows(pic, {r.left, r.top, r.left + c->clientrect.left, r.bottom},
                          c->lefttoppoint.y, c->leftbottompoint.y, c->IDName + " left");
        break;
      case 2:
        ExpectUniformColumns(pic, r, c->lefttoppoint.x, c->righttoppoint.x, c->IDName);
        break;
      case 3:
        ExpectUniformRows(pic, r, c->lefttoppoint.y, c->leftbottompoint.y, c->IDName);
        break;
      default:
        break;
    }
  }
}

bool SameImage(const Bitmap& pic, const Rect& a, const Rect& b) {
  if (a.width() != b.width() || a.height() != b.height()) return false;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (pic.pixel(a.left + x, a.top + y) != pic.pixel(b.left + x, b.top + y)) return false;
  return true;
}

TEST_F(EmbeddedSkin, ItemAndThumbMiddlesStretchWithoutSeams) {
  const auto& item = Object<LqDataSkinMenuItem>("menuitem");
  const Bitmap& menu = Picture(item.activepictureindex);
  for (const Rect& r : {item.skinrect, item.activeskinrect})
    ExpectUniformColumns(menu, r, item.itemleftoffset, r.width() - item.itemrightoffset,
                         "menu item");
  ExpectUniformColumns(menu, item.dividerrect, item.dividerleftoffset,
                       item.dividerrect.width() - item.dividerrightoffset, "menu divider");

  const auto& lb = Control<LqDataSkinListBox>("listbox");
  const Bitmap& pic = Picture(lb.pictureindex);
  for (const Rect& r : {lb.itemrect, lb.activeitemrect, lb.focusitemrect})
    ExpectUniformColumns(pic, r, lb.itemleftoffset, r.width() - lb.itemrightoffset, "list item");

  const auto& v = Control<LqDataSkinScrollBarControl>("vscrollbar");
  for (const Rect& t : {v.thumbrect, v.activethumbrect, v.downthumbrect})
    ExpectUniformRows(Picture(v.pictureindex), t, v.thumboffset1, t.height() - v.thumboffset2,
                      "vertical thumb");
  const auto& h = Control<LqDataSkinScrollBarControl>("hscrollbar");
  for (const Rect& t : {h.thumbrect, h.activethumbrect, h.downthumbrect})
    ExpectUniformColumns(Picture(h.pictureindex), t, h.thumboffset1, t.width() - h.thumboffset2,
                         "horizontal thumb");
}

TEST_F(EmbeddedSkin, EveryStateHasAnImageOfItsOwn) {
  const auto& b = Control<LqDataSkinButtonControl>("button");
  const Bitmap& controls = Picture(b.pictureindex);
  for (const Rect& r : {b.activeskinrect, b.downskinrect, b.disabledskinrect, b.focusedskinrect})
    EXPECT_FALSE(SameImage(controls, b.skinrect, r));
  EXPECT_FALSE(SameImage(controls, b.activeskinrect, b.downskinrect));

  const auto& cb = Control<LqDataSkinCheckRadioControl>("checkbox");
  const Bitmap& marks = Picture(cb.pictureindex);
  EXPECT_FALSE(SameImage(marks, cb.checkimagerect, cb.uncheckimagerect));
  EXPECT_FALSE(SameImage(marks, cb.checkimagerect, cb.activecheckimagerect));
  EXPECT_FALSE(SameImage(marks, cb.uncheckimagerect, cb.activeuncheckimagerect));
  EXPECT_FALSE(SameImage(marks, cb.checkimagerect, cb.unenabledcheckimagerect));

  for (const char* name : {"closebutton", "maxbutton", "minbutton"}) {
    const auto& o = Object<LqDataSkinStdButton>(name);
    const Bitmap& pic = Picture(o.activepictureindex);
    EXPECT_FALSE(SameImage(pic, o.skinrect, o.activeskinrect)) << name;
    EXPECT_FALSE(SameImage(pic, o.activeskinrect, o.downrect)) << name;
  }
  // Maximize and its restore image show different glyphs.
  const auto& max = Object<LqDataSkinStdButton>("maxbutton");
  EXPECT_FALSE(SameImage(Picture(max.activepictureindex), max.skinrect, max.restorerect));

  // Scroll-bar hover images are cut from the bar at the buttons' own places.
  const auto& v = Control<LqDataSkinScrollBarControl>("vscrollbar");
  const Bitmap& bar = Picture(v.pictureindex);
  const Rect dec = v.downbuttonrect.translated(v.skinrect.left, v.skinrect.top);
  EXPECT_FALSE(SameImage(bar, dec, v.activedownbuttonrect));
  EXPECT_EQ(v.activedownbuttonrect.width(), dec.width());
  EXPECT_EQ(v.activedownbuttonrect.height(), dec.height());
}

TEST_F(EmbeddedSkin, CheckMarksAreTransparentAroundTheirBox) {
  // Check images are drawn with their bottom-left pixel's colour as transparent: all four
  // corners carry that colour, and the box inside does not.
  for (const char* name : {"checkbox", "radiobox"}) {
    const auto& d = Control<LqDataSkinCheckRadioControl>(name);
    const Bitmap& pic = Picture(d.pictureindex);
    for (const Rect& r : {d.checkimagerect, d.uncheckimagerect, d.activecheckimagerect,
                          d.activeuncheckimagerect, d.unenabledcheckimagerect}) {
      const Color key = pic.pixel(r.left, r.bottom - 1);
      EXPECT_EQ(pic.pixel(r.left, r.top), key) << name;
      EXPECT_EQ(pic.pixel(r.right - 1, r.top), key) << name;
      EXPECT_EQ(pic.pixel(r.right - 1, r.bottom - 1), key) << name;
      const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
      for (int y = cy - 3; y <= cy + 3; ++y)
        for (int x = cx - 3; x <= cx + 3; ++x) EXPECT_NE(pic.pixel(x, y), key) << name;
    }
  }
}

TEST_F(EmbeddedSkin, TransparentPartsUseTheirKeyColour) {
  const auto& sp = Control<LqDataSkinSplitterControl>("vsplitter");
  const Bitmap& pic = Picture(sp.pictureindex);
  EXPECT_EQ(pic.pixel(sp.gripperrect.left, sp.gripperrect.top + 1), sp.grippertransparentcolor);
  const auto& sb = Control<LqDataSkinScrollBarControl>("vscrollbar");
  EXPECT_TRUE(sb.glyphtransparent);
  EXPECT_EQ(sb.glyphtransparentcolor, sp.grippertransparentcolor);
}

}  // namespace
}  // namespace lq
