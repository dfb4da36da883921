// The skinned controls (picture 4) and the tool-bar parts and menu-bar objects (picture 5).
// Every stretchable middle part is drawn uniform along its stretch direction, so tiling
// and stretching give the same seamless result at any size.

#include "palette.h"
#include "skin_art.h"

namespace lq::art {
namespace {

using namespace palette;

enum class State { Normal, Hot, Down, Disabled, Focused };

struct Element {
  const SkinIni& ini;
  std::string name;
  Rect rect(const char* key) const { return KeyRect(ini, name, key); }
  int picture() const { return KeyInt(ini, name, "pictureindex", -1); }
};

// Draws `img` into every non-empty rectangle of the element named by `key`.
void Put(Bitmap& pic, const Rect& r, const Bitmap& img) {
  if (!r.isEmpty()) CopyRect(pic, r.left, r.top, img, {0, 0, r.width(), r.height()});
}

// Copies the part `part` (element coordinates) of a rendered element image to picture
// rectangle `dst`: hover and pressed images of sub-buttons are cut from whole renderings,
// so they line up with the element pixel for pixel.
void PutPart(Bitmap& pic, const Rect& dst, const Bitmap& img, const Rect& part) {
  if (!dst.isEmpty() && !part.isEmpty()) CopyRect(pic, dst.left, dst.top, img, part);
}

Bitmap Canvas(int w, int h, Color bg) {
  Bitmap b(w, h);
  b.fill(bg);
  return b;
}

// ---------------------------------------------------------------- frames and fields

Bitmap PanelImage(int w, int h) {
  Bitmap img = Canvas(w, h, kFormFace);
  PaintBox(img, img.rect(),
           {2.5, kAllCorners, kPanelBorder, Solid(kPanelFace), RGB(255, 255, 255), 0.7});
  return img;
}

Bitmap GroupBoxImage(int w, int h, int headerBottom) {
  Bitmap img = Canvas(w, h, kFormFace);
  const Color border = RGB(150, 182, 222);
  PaintBox(img, img.rect(), {3, kAllCorners, border, Solid(kPanelFace), RGB(255, 255, 255), 0.7});
  PaintBox(img, {0, 0, w, headerBottom + 1},
           {3,
            kTopCorners,
            border,
            {{0, RGB(247, 251, 255)}, {1, RGB(219, 234, 252)}},
            RGB(255, 255, 255),
            0.8});
  Fill(img, {1, headerBottom, w - 1, headerBottom + 1}, RGB(184, 205, 234));
  return img;
}

Bitmap FieldImage(int w, int h, State s, Color outside) {
  Bitmap img = Canvas(w, h, outside);
  BoxStyle box{2.5, kAllCorners, kFieldBorder, Solid(kWindow), 0, 0};
  if (s == State::Hot) {
    box.border = kFieldHotBorder;
    box.inner = RGB(212, 229, 251);
    box.innerAlpha = 1;
  } else if (s == State::Disabled) {
    box.border = kDisabledBorder;
    box.fill = Solid(RGB(245, 247, 250));
  }
  PaintBox(img, img.rect(), box);
  return img;
}

Bitmap StatusImage(int w, int h) {
  Bitmap img = Canvas(w, h, kFormFace);
  PaintBox(img, img.rect(),
           {2.5,
            kAllCorners,
            RGB(170, 196, 230),
            {{0, RGB(232, 240, 250)}, {0.3, RGB(246, 250, 254)}, {1, RGB(250, 252, 255)}},
            0,
            0});
  return img;
}

Bitmap SelectionImage(int w, int h, bool focused, Color bg) {
  Bitmap img = Canvas(w, h, bg);
  if (focused)
    PaintBox(img, img.rect(), {3, kAllCorners, kFocusBorder, kFocusFace, RGB(150, 196, 246), 0.5});
  else
    PaintBox(img, img.rect(),
             {3, kAllCorners, kSelectBorder, kSelectFace, RGB(255, 255, 255), 0.6});
  return img;
}

// ---------------------------------------------------------------- buttons

BoxStyle ButtonBox(State s) {
  switch (s) {
    case State::Hot:
      return {3, kAllCorners, kButtonHotBorder, kButtonHotFace, RGB(255, 255, 255), 0.6};
    case State::Down:
      return {3, kAllCorners, kButtonDownBorder, kButtonDownFace, 0, 0};
    case State::Disabled:
      return {3, kAllCorners, kDisabledBorder, kButtonDisabledFace, RGB(255, 255, 255), 0.5};
    case State::Focused:
      return {3, kAllCorners, kButtonHotBorder, kButtonFace, RGB(170, 204, 246), 0.9};
    case State::Normal:
      break;
  }
  return {3, kAllCorners, kButtonBorder, kButtonFace, RGB(255, 255, 255), 0.7};
}

Bitmap PushButtonImage(int w, int h, State s) {
  Bitmap img = Canvas(w, h, kPanelFace);
  PaintBox(img, img.rect(), ButtonBox(s));
  return img;
}

// A small box that lights up under the mouse (scroll-bar arrows, spin buttons).
void HoverBox(Bitmap& img, const Rect& r, State s, double radius) {
  if (s == State::Hot)
    PaintBox(img, r, {radius, kAllCorners, kSelectBorder, kSelectFace, RGB(255, 255, 255), 0.6});
  else if (s == State::Down)
    PaintBox(img, r, {radius, kAllCorners, kButtonDownBorder, kButtonDownFace, 0, 0});
}

// A pixel-exact arrow of `rows` rows centred in `box`: widths 1, 3, 5 ... in a box of odd
// width, 2, 4, 6 ... in one of even width, so both halves stay symmetric and crisp.
void Arrow(Bitmap& img, const Rect& box, bool up, int rows, Color c) {
  const int base = box.width() % 2 ? 1 : 2;
  const int top = box.top + (box.height() - rows) / 2;
  const int mid = box.left + box.width() / 2;
  for (int i = 0; i < rows; ++i) {
    const int width = base + 2 * (up ? i : rows - 1 - i);
    const int left = mid - width / 2;
    Fill(img, {left, top + i, left + width, top + i + 1}, c);
  }
}

// ---------------------------------------------------------------- scroll bars (vertical)

constexpr int kBarWidth = 17;
const Gradient kTrack = {
    {0, RGB(226, 234, 246)}, {0.5, RGB(241, 246, 252)}, {1, RGB(226, 234, 246)}};

// A vertical bar of height h with its decrease button (top, `dec` high) and increase
// button (bottom, `inc` high) in the given states.
Bitmap VBarImage(int h, int dec, int inc, State decState, State incState) {
  Bitmap img(kBarWidth, h);
  FillHGradient(img, img.rect(), kTrack);
  HoverBox(img, {1, 1, kBarWidth - 1, dec - 1}, decState, 3);
  HoverBox(img, {1, h - inc + 1, kBarWidth - 1, h - 1}, incState, 3);
  Arrow(img, {0, 0, kBarWidth, dec}, true, 4, decState == State::Normal ? kGlyph : kGlyphHot);
  Arrow(img, {0, h - inc, kBarWidth, h}, false, 4, incState == State::Normal ? kGlyph : kGlyphHot);
  return img;
}

Bitmap VThumbImage(int h, State s) {
  Bitmap img(kBarWidth, h);
  FillHGradient(img, img.rect(), kTrack);
  BoxStyle box{4,
               kAllCorners,
               RGB(118, 156, 208),
               {{0, RGB(210, 229, 251)}, {1, RGB(178, 208, 245)}},
               RGB(255, 255, 255),
               0.5,
               true};
  if (s == State::Hot) {
    box.border = kFieldHotBorder;
    box.fill = {{0, RGB(224, 239, 255)}, {1, RGB(188, 218, 253)}};
  } else if (s == State::Down) {
    box.border = kButtonDownBorder;
    box.fill = {{0, RGB(164, 196, 240)}, {1, RGB(188, 214, 247)}};
    box.innerAlpha = 0;
  }
  PaintBox(img, {3, 0, kBarWidth - 3, h}, box);
  return img;
}

// Grip lines centred on the thumb, on the transparent key colour.
Bitmap VGripImage(int w, int h, State s) {
  Bitmap img = Canvas(w, h, kKey);
  const Color line = s == State::Normal ? RGB(112, 148, 198) : RGB(64, 112, 190);
  for (int y = 0; y + 1 < h; y += 2) {
    Fill(img, {0, y, w, y + 1}, line);
    Fill(img, {0, y + 1, w, y + 2}, RGB(250, 252, 255));
  }
  return img;
}

// Draws a scroll-bar family: the element image, the hover and pressed button images, the
// thumbs and the grips. `horizontal` bars are the vertical drawings turned over the diagonal.
void DrawScrollBar(const Element& e, Bitmap& pic, bool horizontal, int cornerWidth) {
  auto turn = [&](Bitmap b) { return horizontal ? Transposed(b) : b; };
  auto along = [&](const Rect& r) { return horizontal ? r.width() : r.height(); };
  auto across = [&](const Rect& r) { return horizontal ? r.height() : r.width(); };
  const Rect skin = e.rect("skinrect");
  const Rect dec = e.rect("downbuttonrect"), inc = e.rect("upbuttonrect");
  const int len = along(skin) - cornerWidth;
  const int decLen = along(dec), incLen = along(inc);

  Bitmap plain = turn(VBarImage(len, decLen, incLen, State::Normal, State::Normal));
  Bitmap whole(skin.width(), skin.height());
  whole.fill(kFormFace);
  CopyRect(whole, 0, 0, plain, plain.rect());
  if (cornerWidth > 0) {
    // The square where a horizontal and a vertical bar meet.
    const Rect corner = horizontal ? Rect{len, 0, skin.width(), skin.height()}
                                   : Rect{0, len, skin.width(), skin.height()};
    Fill(whole, corner, RGB(232, 239, 249));
  }
  Put(pic, skin, whole);

  for (State s : {State::Hot, State::Down}) {
    const Bitmap img = turn(VBarImage(len, decLen, incLen, s, s));
    PutPart(pic, e.rect(s == State::Hot ? "activedownbuttonrect" : "downdownbuttonrect"), img, dec);
    PutPart(pic, e.rect(s == State::Hot ? "activeupbuttonrect" : "downupbuttonrect"), img, inc);
  }
  const struct {
    const char* thumb;
    const char* grip;
    State state;
  } states[] = {{"thumbrect", "glyphrect", State::Normal},
                {"activethumbrect", "activeglyphrect", State::Hot},
                {"downthumbrect", "downglyphrect", State::Down}};
  for (const auto& st : states) {
    const Rect t = e.rect(st.thumb);
    if (!t.isEmpty()) Put(pic, t, turn(VThumbImage(along(t), st.state)));
    const Rect g = e.rect(st.grip);
    if (!g.isEmpty()) Put(pic, g, turn(VGripImage(across(g), along(g), st.state)));
  }
}

// ---------------------------------------------------------------- splitters

Bitmap VSplitterImage(int w, int h) {
  Bitmap img = Canvas(w, h, kFormFace);
  Fill(img, {w / 2, 0, w / 2 + 1, h}, RGB(232, 241, 251));
  return img;
}

Bitmap VGripperImage(int w, int h) {
  Bitmap img = Canvas(w, h, kKey);
  for (int y = 0; y + 1 < h; y += 3) {
    img.setPixel(w / 2, y, RGB(104, 140, 194));
    if (w / 2 + 1 < w) img.setPixel(w / 2 + 1, y + 1, RGB(255, 255, 255));
  }
  return img;
}

void DrawSplitter(const Element& e, Bitmap& pic, bool horizontal) {
  const Rect skin = e.rect("skinrect"), grip = e.rect("gripperrect");
  if (horizontal) {
    Put(pic, skin, Transposed(VSplitterImage(skin.height(), skin.width())));
    Put(pic, grip, Transposed(VGripperImage(grip.height(), grip.width())));
  } else {
    Put(pic, skin, VSplitterImage(skin.width(), skin.height()));
    Put(pic, grip, VGripperImage(grip.width(), grip.height()));
  }
}

// ---------------------------------------------------------------- spin edit and combo box

Bitmap SpinImage(const Element& e, State frame, State up, State down) {
  const Rect skin = e.rect("skinrect");
  Bitmap img = FieldImage(skin.width(), skin.height(), frame, kPanelFace);
  const Rect ur = e.rect("upbuttonrect"), dr = e.rect("downbuttonrect");
  const int client = e.rect("clientrect").right;
  Fill(img, {client, ur.top, client + 1, dr.bottom}, kDivider);
  HoverBox(img, ur, up, 2);
  HoverBox(img, dr, down, 2);
  Arrow(img, {ur.left, ur.top + 1, ur.right, ur.bottom}, true, 3,
        up == State::Normal ? kGlyph : kGlyphHot);
  Arrow(img, {dr.left, dr.top, dr.right, dr.bottom - 1}, false, 3,
        down == State::Normal ? kGlyph : kGlyphHot);
  return img;
}

void DrawSpinEdit(const Element& e, Bitmap& pic) {
  Put(pic, e.rect("skinrect"), SpinImage(e, State::Normal, State::Normal, State::Normal));
  Put(pic, e.rect("activeskinrect"), SpinImage(e, State::Hot, State::Normal, State::Normal));
  const Rect ur = e.rect("upbuttonrect"), dr = e.rect("downbuttonrect");
  const Bitmap hot = SpinImage(e, State::Hot, State::Hot, State::Hot);
  const Bitmap down = SpinImage(e, State::Hot, State::Down, State::Down);
  PutPart(pic, e.rect("activeupbuttonrect"), hot, ur);
  PutPart(pic, e.rect("activedownbuttonrect"), hot, dr);
  PutPart(pic, e.rect("downupbuttonrect"), down, ur);
  PutPart(pic, e.rect("downdownbuttonrect"), down, dr);
}

Bitmap ComboImage(const Element& e, State frame, State button) {
  const Rect skin = e.rect("skinrect");
  Bitmap img = FieldImage(skin.width(), skin.height(),
                          frame == State::Disabled ? State::Disabled : frame, kPanelFace);
  const Rect b = e.rect("buttonrect");
  BoxStyle box = ButtonBox(button == State::Hot ? State::Hot : button);
  box.radius = 2;
  if (button == State::Normal) box.border = RGB(170, 196, 230);
  PaintBox(img, b, box);
  Arrow(img, b, false, 3, button == State::Disabled ? kGlyphDisabled : kGlyph);
  return img;
}

void DrawComboBox(const Element& e, Bitmap& pic) {
  const Rect b = e.rect("buttonrect");
  Put(pic, e.rect("skinrect"), ComboImage(e, State::Normal, State::Normal));
  Put(pic, e.rect("activeskinrect"), ComboImage(e, State::Hot, State::Normal));
  PutPart(pic, e.rect("activebuttonrect"), ComboImage(e, State::Hot, State::Hot), b);
  PutPart(pic, e.rect("downbuttonrect"), ComboImage(e, State::Hot, State::Down), b);
  PutPart(pic, e.rect("unenabledbuttonrect"), ComboImage(e, State::Disabled, State::Disabled), b);
  const Rect item = e.rect("itemrect");
  Put(pic, item, Canvas(item.width(), item.height(), kWindow));
  const Rect active = e.rect("activeitemrect");
  Put(pic, active, SelectionImage(active.width(), active.height(), false, kWindow));
}

// ---------------------------------------------------------------- tool bar parts

const Gradient kToolBar = {{0, RGB(249, 252, 255)}, {1, RGB(224, 236, 251)}};

Bitmap ToolBarImage(int w, int h) {
  Bitmap img(w, h);
  FillVGradient(img, {0, 0, w, h - 1}, kToolBar);
  Fill(img, {0, h - 1, w, h}, RGB(196, 214, 238));
  return img;
}

Bitmap ToolButtonImage(int w, int h, State s, int menuPart) {
  Bitmap img(w, h);
  FillVGradient(img, {0, 0, w, h - 1}, kToolBar);
  Fill(img, {0, h - 1, w, h}, RGB(196, 214, 238));
  HoverBox(img, {1, 1, w - 1, h - 2}, s, 3);
  if (menuPart > 0) {
    if (s != State::Normal)
      Fill(img, {w - menuPart, 4, w - menuPart + 1, h - 5},
           s == State::Hot ? kSelectBorder : kButtonDownBorder);
    Arrow(img, {w - menuPart + 1, 0, w, h}, false, 3, kGlyph);
  }
  return img;
}

Bitmap HeaderImage(int w, int h, State s) {
  Bitmap img(w, h);
  Gradient g = {{0, RGB(252, 253, 255)}, {1, RGB(226, 236, 250)}};
  if (s == State::Hot) g = {{0, RGB(244, 250, 255)}, {1, RGB(206, 227, 252)}};
  if (s == State::Down) g = {{0, RGB(194, 218, 248)}, {1, RGB(216, 232, 252)}};
  FillVGradient(img, img.rect(), g);
  Fill(img, {0, h - 1, w, h}, RGB(184, 204, 232));
  Fill(img, {w - 2, 3, w - 1, h - 4}, RGB(200, 216, 238));
  Fill(img, {w - 1, 3, w, h - 4}, RGB(255, 255, 255));
  return img;
}

void DrawButtonFamily(const Element& e, Bitmap& pic, Bitmap (*paint)(int, int, State)) {
  const struct {
    const char* key;
    State state;
  } keys[] = {{"skinrect", State::Normal},
              {"activeskinrect", State::Hot},
              {"downskinrect", State::Down},
              {"disabledskinrect", State::Disabled},
              {"focusedskinrect", State::Focused}};
  for (const auto& k : keys) {
    const Rect r = e.rect(k.key);
    if (!r.isEmpty()) Put(pic, r, paint(r.width(), r.height(), k.state));
  }
}

// ---------------------------------------------------------------- menu bar objects

Bitmap MenuBarGlyphButton(int w, int h, State s, const std::string& command) {
  Bitmap img = Canvas(w, h, kPanelFace);
  HoverBox(img, img.rect(), s, 2.5);
  Mask m(w, h);
  const double cx = w / 2.0, cy = h / 2.0;
  if (command == "cmclose") {
    m.line(cx - 3.5, cy - 3.5, cx + 3.5, cy + 3.5, 1.6);
    m.line(cx + 3.5, cy - 3.5, cx - 3.5, cy + 3.5, 1.6);
  } else if (command == "cmmaximize") {
    m.frame({int(cx) - 4, int(cy) - 4, int(cx) + 4, int(cy) + 4}, 2);
  } else if (command == "cmminimize") {
    m.rect({int(cx) - 4, int(cy) + 2, int(cx) + 4, int(cy) + 4});
  } else {
    m.frame({int(cx) - 4, int(cy) - 3, int(cx) + 4, int(cy) + 3});
    m.rect({int(cx) - 2, int(cy) - 1, int(cx) + 2, int(cy) + 1});
  }
  m.paint(img, 0, 0, s == State::Normal ? kGlyph : kGlyphHot);
  return img;
}

void DrawMenuBar(const SkinIni& ini, Bitmap& pic) {
  for (const char* name :
       {"menubarsysmenubutton", "menubarclosebutton", "menubarmaxbutton", "menubarminbutton"}) {
    const std::string* cmd = ini.Find(name, "command");
    const std::string command = cmd ? *cmd : "";
    for (const auto& [key, state] :
         {std::pair{"skinrect", State::Normal}, std::pair{"activeskinrect", State::Hot},
          std::pair{"downrect", State::Down}}) {
      const Rect r = KeyRect(ini, name, key);
      if (!r.isEmpty()) Put(pic, r, MenuBarGlyphButton(r.width(), r.height(), state, command));
    }
  }
  const Element item{ini, "mainmenubaritem"};
  for (const auto& [key, state] :
       {std::pair{"skinrect", State::Normal}, std::pair{"activeskinrect", State::Hot},
        std::pair{"downrect", State::Down}}) {
    const Rect r = item.rect(key);
    if (r.isEmpty()) continue;
    Bitmap img = Canvas(r.width(), r.height(), kPanelFace);
    HoverBox(img, img.rect(), state, 3);
    Put(pic, r, img);
  }
}

}  // namespace

void DrawControls(const SkinIni& ini, std::vector<Bitmap>& pictures) {
  auto picture = [&](const Element& e) -> Bitmap* {
    const int i = e.picture();
    return i >= 0 && i < int(pictures.size()) ? &pictures[i] : nullptr;
  };
  auto each = [&](std::initializer_list<const char*> names, auto&& draw) {
    for (const char* n : names) {
      const Element e{ini, n};
      if (Bitmap* pic = picture(e)) draw(e, *pic);
    }
  };
  const auto skinSize = [](const Element& e) { return e.rect("skinrect"); };

  each({"panel"}, [&](const Element& e, Bitmap& pic) {
    const Rect r = skinSize(e);
    Put(pic, r, PanelImage(r.width(), r.height()));
  });
  each({"groupbox"}, [&](const Element& e, Bitmap& pic) {
    const Rect r = skinSize(e);
    Put(pic, r, GroupBoxImage(r.width(), r.height(), e.rect("clientrect").top - 1));
  });
  each({"listbox"}, [&](const Element& e, Bitmap& pic) {
    const Rect r = skinSize(e);
    Put(pic, r, FieldImage(r.width(), r.height(), State::Normal, kPanelFace));
    const Rect item = e.rect("itemrect");
    Put(pic, item, Canvas(item.width(), item.height(), kWindow));
    const Rect active = e.rect("activeitemrect"), focus = e.rect("focusitemrect");
    Put(pic, active, SelectionImage(active.width(), active.height(), false, kWindow));
    Put(pic, focus, SelectionImage(focus.width(), focus.height(), true, kWindow));
  });
  each({"memo", "edit", "tooledit"}, [&](const Element& e, Bitmap& pic) {
    const Rect r = skinSize(e);
    Put(pic, r, FieldImage(r.width(), r.height(), State::Normal, kPanelFace));
    const Rect a = e.rect("activeskinrect");
    Put(pic, a, FieldImage(a.width(), a.height(), State::Hot, kPanelFace));
  });
  each({"statuspanel", "label"}, [&](const Element& e, Bitmap& pic) {
    const Rect r = skinSize(e);
    Put(pic, r, StatusImage(r.width(), r.height()));
  });
  each({"spinedit"}, [&](const Element& e, Bitmap& pic) { DrawSpinEdit(e, pic); });
  each({"combobox"}, [&](const Element& e, Bitmap& pic) { DrawComboBox(e, pic); });
  each({"vscrollbar"}, [&](const Element& e, Bitmap& pic) { DrawScrollBar(e, pic, false, 0); });
  each({"hscrollbar"}, [&](const Element& e, Bitmap& pic) { DrawScrollBar(e, pic, true, 0); });
  each({"bothhscrollbar"},
       [&](const Element& e, Bitmap& pic) { DrawScrollBar(e, pic, true, kBarWidth); });
  each({"vsplitter"}, [&](const Element& e, Bitmap& pic) { DrawSplitter(e, pic, false); });
  each({"hsplitter"}, [&](const Element& e, Bitmap& pic) { DrawSplitter(e, pic, true); });
  each({"button"},
       [&](const Element& e, Bitmap& pic) { DrawButtonFamily(e, pic, PushButtonImage); });
  each({"resizebutton"},
       [&](const Element& e, Bitmap& pic) { DrawButtonFamily(e, pic, HeaderImage); });
  each({"toolbutton"}, [&](const Element& e, Bitmap& pic) {
    DrawButtonFamily(e, pic, [](int w, int h, State s) { return ToolButtonImage(w, h, s, 0); });
  });
  each({"toolmenubutton"}, [&](const Element& e, Bitmap& pic) {
    DrawButtonFamily(e, pic, [](int w, int h, State s) { return ToolButtonImage(w, h, s, 12); });
  });
  each({"toolpanel"}, [&](const Element& e, Bitmap& pic) {
    const Rect r = skinSize(e);
    Put(pic, r, ToolBarImage(r.width(), r.height()));
  });
  if (pictures.size() > 5) DrawMenuBar(ini, pictures[5]);
}

}  // namespace lq::art
