#include "controls/test_skin.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QFileInfo>

#include "skin/data/bmp_codec.h"
#include "skin/data/skin_container.h"
#include "skin/data/stored_skin.h"
#include "skin/embedded/embedded_skin.h"
#include "support/screenshots.h"

namespace lqtest {
namespace {

using lq::Bitmap;
using lq::Color;

Color C(const QColor& q) {
  return lq::RGB(q.red(), q.green(), q.blue());
}

void Fill(Bitmap& b, int l, int t, int r, int bt, const QColor& c) {
  for (int y = t; y < bt; ++y)
    for (int x = l; x < r; ++x) b.setPixel(x, y, C(c));
}

// A rectangle with a one-pixel border.
void Box(Bitmap& b, int l, int t, int r, int bt, const QColor& border, const QColor& fill) {
  Fill(b, l, t, r, bt, border);
  Fill(b, l + 1, t + 1, r - 1, bt - 1, fill);
}

// A 15 x 15 check image whose bottom-left pixel is the transparent colour.
void CheckImage(Bitmap& b, int l, int t, const QColor& c) {
  Fill(b, l, t, l + 15, t + 15, c);
  b.setPixel(l, t + 14, lq::RGB(255, 0, 255));
}

Bitmap MainPicture() {
  Bitmap b(600, 400);
  b.fill(lq::RGB(255, 255, 255));
  Box(b, 458, 272, 500, 294, kButtonBorder, kButtonNormal);
  Box(b, 458, 298, 500, 320, kButtonBorder, kButtonActive);
  Box(b, 458, 324, 500, 346, kButtonBorder, kButtonDown);
  Box(b, 503, 272, 545, 294, kButtonBorder, kButtonDisabled);
  Box(b, 458, 240, 500, 266, kButtonBorder, kAltButton);
  CheckImage(b, 19, 75, kCheckImage);
  CheckImage(b, 3, 75, kUncheckImage);
  CheckImage(b, 18, 2, kActiveCheckImage);
  CheckImage(b, 2, 2, kActiveUncheckImage);
  Box(b, 0, 120, 100, 145, QColor(0, 0, 0), QColor(245, 245, 245));  // non-flat check box
  Fill(b, 100, 0, 160, 60, kPanelFrame);
  Fill(b, 105, 5, 155, 55, kPanelClient);
  Fill(b, 200, 0, 260, 60, kPanelFrame);
  Fill(b, 200, 0, 260, 20, kGroupTop);
  Fill(b, 205, 20, 255, 55, kGroupClient);
  Box(b, 300, 0, 340, 20, kStatusBorder, kStatusFill);
  Box(b, 400, 0, 417, 60, QColor(0, 0, 0), QColor(200, 200, 255));
  return b;
}

// Black where the masked button is, except its four corner pixels.
Bitmap MaskPicture() {
  Bitmap m(600, 400);
  m.fill(lq::RGB(255, 255, 255));
  Fill(m, 458, 272, 500, 294, QColor(0, 0, 0));
  for (auto [x, y] : {std::pair{458, 272}, {499, 272}, {458, 293}, {499, 293}})
    m.setPixel(x, y, lq::RGB(255, 255, 255));
  return m;
}

}  // namespace

std::string TestSkinIni(bool alternate) {
  const std::string buttonRects =
      alternate ? "skinrect=458,240,500,266\nactiveskinrect=458,240,500,266\n"
                  "downskinrect=458,240,500,266\nclientrect=3,3,39,23\n"
                : "skinrect=458,272,500,294\nactiveskinrect=458,298,500,320\n"
                  "downskinrect=458,324,500,346\ndisabledskinrect=503,272,545,294\n"
                  "clientrect=3,3,39,19\n";
  return "[VERSION]\nskinname=test\n"
         "[PICTURES]\npicture=\nactivepicturescount=2\n0=main.bmp\n1=mask.bmp\n"
         "[FORMINFO]\n"
         "[SKINOBJECTS]\ncount=0\n"
         "[SKINCONTROLS]\ncount=12\n0=button:button\n1=checkbox:checkradio\n"
         "2=panel:panel\n3=groupbox:panel\n4=statuspanel:label\n5=stdlabel:stdlabel\n"
         "6=vscrollbar:scrollbar\n7=maskbutton:button\n8=checkbox2:checkradio\n9=fixed:label\n10="
         "morphbutton:button\n11=animbutton:button\n"
         "[button]\npictureindex=0\n" +
         buttonRects +
         "lefttoppoint=3,0\nrighttoppoint=35,0\n"
         "fontname=Arial\nfontheight=14\nfontcolor=0\nactivefontcolor=128\n"
         "downfontcolor=16777215\ndisabledfontcolor=0\n"
         "[maskbutton]\npictureindex=0\nmaskpictureindex=1\nskinrect=458,272,500,294\n"
         "lefttoppoint=3,0\nrighttoppoint=35,0\nclientrect=3,3,39,19\n"
         "[checkbox]\npictureindex=0\nskinrect=0,120,100,145\nlefttoppoint=3,0\n"
         "righttoppoint=97,0\nclientrect=20,0,97,25\nframefontcolor=0\n"
         "unenabledfontcolor=8421504\ncheckimagerect=19,75,34,90\nuncheckimagerect=3,75,18,90\n"
         "activecheckimagerect=18,2,33,17\nactiveuncheckimagerect=2,2,17,17\n"
         "checkimagearea=2,0,20,25\ntextarea=22,0,97,25\n"
         "[checkbox2]\npictureindex=0\nskinrect=0,120,100,145\nlefttoppoint=3,0\n"
         "righttoppoint=97,0\nclientrect=20,0,97,25\ncheckimagerect=19,75,34,90\n"
         "uncheckimagerect=3,75,18,90\ngrayedcheckimagerect=3,75,18,90\n"
         "[panel]\npictureindex=0\nskinrect=100,0,160,60\nlefttoppoint=5,5\n"
         "righttoppoint=55,5\nleftbottompoint=5,55\nrightbottompoint=55,55\n"
         "clientrect=5,5,55,55\n"
         "[groupbox]\npictureindex=0\nskinrect=200,0,260,60\nlefttoppoint=5,20\n"
         "righttoppoint=55,20\nleftbottompoint=5,55\nrightbottompoint=55,55\n"
         "clientrect=5,20,55,55\ncaptionrect=1,1,58,14\nalignment=tacenter\n"
         "fontname=Arial\nfontheight=14\nfontcolor=11168318\n"
         "[statuspanel]\npictureindex=0\nskinrect=300,0,340,20\nlefttoppoint=3,0\n"
         "righttoppoint=37,0\nclientrect=3,2,37,18\nfontcolor=0\n"
         "[stdlabel]\nfontname=Arial\nfontheight=14\nfontcolor=0\n"
         "[morphbutton]\npictureindex=0\nskinrect=458,272,500,294\n"
         "activeskinrect=458,298,500,320\nlefttoppoint=3,0\nrighttoppoint=35,0\n"
         "clientrect=3,3,39,19\nmorphing=1\nmorphkind=mkdefault\n"
         "[animbutton]\npictureindex=0\nskinrect=458,272,500,294\n"
         "activeskinrect=458,298,500,320\nlefttoppoint=3,0\nrighttoppoint=35,0\n"
         "clientrect=3,3,39,19\nanimateskinrect=458,298,542,320\nframecount=2\n"
         "animateinterval=30\n"
         "[fixed]\npictureindex=0\nskinrect=300,30,330,45\n"
         "[vscrollbar]\npictureindex=0\nskinrect=400,0,417,60\nlefttoppoint=0,17\n"
         "leftbottompoint=0,43\nclientrect=0,17,17,43\n";
}

void LoadTestSkin(lq::LqSkinData& data, bool alternate) {
  lq::SkinContainer c;
  lq::BmpPicture main, mask;
  main.pixels = MainPicture();
  mask.pixels = MaskPicture();
  c.active = {main, mask};
  c.text = TestSkinIni(alternate);
  ASSERT_TRUE(data.LoadContainer(lq::WriteSkinContainer(c))) << data.LastError();
  ASSERT_FALSE(data.Empty);
}

std::unique_ptr<lq::LqSkinData> MakeProgramSkin() {
  auto data = std::make_unique<lq::LqSkinData>();
  lq::LqCompressedStoredSkin store;
  const auto stream = lq::EmbeddedSkinStream();
  std::string error;
  EXPECT_TRUE(store.LoadFromCompressedStream(stream.data(), stream.size(), &error)) << error;
  EXPECT_TRUE(data->LoadCompressedStoredSkin(store)) << data->LastError();
  return data;
}

std::unique_ptr<lq::LqSkinData> MakeTestSkin(bool alternate) {
  auto data = std::make_unique<lq::LqSkinData>();
  LoadTestSkin(*data, alternate);
  return data;
}

void Enter(QWidget* w) {
  QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(w, &e);
}

void Leave(QWidget* w) {
  QEvent e(QEvent::Leave);
  QApplication::sendEvent(w, &e);
}

QImage Render(QWidget* w) {
  QImage image(w->size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  w->render(&image);
  return image;
}

void SaveDocImage(const QImage& image, const std::string& name) {
  longtail::testing::SaveDocScreenshot(image, QString::fromStdString(name));
}

}  // namespace lqtest
