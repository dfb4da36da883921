#include "skin/frame/menu_painter.h"

#include <QFontMetrics>
#include <QPainter>

#include "skin/data/vector_glyphs.h"
#include "skin/frame/menu_compose.h"
#include "skin/frame/menu_engine.h"
#include "skin/frame/popup_window.h"
#include "skin/qt/bridge.h"
#include "skin/qt/fonts.h"

namespace lq {
namespace {

compose::FrameSpec WindowFrameSpec(const PopupWindowSkin& w) {
  compose::FrameSpec s;
  s.lt = w.lefttoppoint;
  s.rt = w.righttoppoint;
  s.lb = w.leftbottompoint;
  s.rb = w.rightbottompoint;
  s.client = w.itemsrect;
  s.leftStretch = w.leftstretch;
  s.rightStretch = w.rightstretch;
  s.topStretch = w.topstretch;
  s.bottomStretch = w.bottomstretch;
  s.clientStretch = w.stretcheffect;
  s.stretchType = w.stretchtype;
  return s;
}

// The item's skin background (normal or highlighted) at the item's width.
Bitmap ItemSkinImage(const MenuItemSkin& s, const Rect& source, bool stretch, int width) {
  return compose::HStrip(s.active, source, s.itemleftoffset, s.itemrightoffset, width, stretch);
}

void DrawRightTriangle(Bitmap& b, int x, int y, Color c) {
  for (int i = 0; i <= 3; ++i) compose::FillRect(b, {x + i, y + i, x + i + 1, y + 8 - i}, c);
}

// The caption-button glyphs shown by the system-menu and tray-menu items.
void DrawCommandGlyph(Bitmap& b, const QString& name, int x, int y, Color c) {
  if (name == "LQK_CLOSE" || name == "TRAY_LQK_CLOSE")
    DrawGlyph(b, CloseGlyph(x, y), c);
  else if (name == "LQK_MINITEM")
    DrawGlyph(b, MinimizeGlyph(x, y), c);
  else if (name == "LQK_MAXITEM")
    DrawGlyph(b, MaximizeGlyph(x, y), c);
  else if (name == "LQK_RESTORE" || name == "TRAY_LQK_RESTORE")
    DrawGlyph(b, RestoreGlyph(x, y), c);
  else if (name == "LQK_ROLLUP")
    DrawGlyph(b, RollDownGlyph(x, y), c);  // the upward triangle
  else if (name == "LQK_MINTOTRAY")
    DrawGlyph(b, TrayGlyph(x, y), c);
}

void DrawText(Bitmap& target, const QFont& font, Color color, const QRect& r, int flags,
              const QString& text) {
  QImage img = WrapBitmap(target);
  QPainter p(&img);
  p.setFont(font);
  p.setPen(ToQColor(color));
  p.drawText(r, flags, text);
}

}  // namespace

Color ResolveMenuColor(Color c) {
  if ((c & 0xFF000000u) != 0xFF000000u) return c & 0x00FFFFFFu;
  switch (c & 0xFF) {
    case 5:
      return syscolor::Window;
    case 8:
      return syscolor::WindowText;
    case 13:
      return RGB(0, 120, 215);
    case 14:
      return RGB(255, 255, 255);
    case 15:
      return syscolor::BtnFace;
    case 16:
      return syscolor::BtnShadow;
    case 18:
      return syscolor::BtnText;
    case 20:
      return RGB(255, 255, 255);
    case 23:
      return syscolor::InfoText;
    case 24:
      return syscolor::InfoBk;
    default:
      return RGB(0, 0, 0);
  }
}

QImage WrapBitmap(Bitmap& bitmap) {
  return BitmapAsQImage(bitmap);
}

QFont FontFromSpec(const MenuFontSpec& def) {
  unsigned style = 0;
  if (def.bold) style |= kSkinFontBold;
  if (def.italic) style |= kSkinFontItalic;
  if (def.underline) style |= kSkinFontUnderline;
  if (def.strikeOut) style |= kSkinFontStrikeOut;
  return SkinFont(QString::fromStdString(def.name), def.height, style);
}

void PaintPopupBackground(Bitmap& target, const MenuSkin& skin, const PopupFrameGeometry& g,
                          int glyphWidth, bool scrolling) {
  const int W = target.width(), H = target.height();
  if (skin.window) {
    compose::FrameSpec def = WindowFrameSpec(*skin.window);
    def.drawClient = scrolling;
    target = compose::Framed(skin.window->window, skin.window->window.rect(), def, W, H);
    if (!scrolling) compose::FillRect(target, g.itemsRect, syscolor::Window);
    return;
  }
  compose::FillRect(target, {0, 0, W, H}, syscolor::Window);
  compose::FillRect(target, {0, 0, glyphWidth + 2, H}, syscolor::BtnFace);
  compose::FrameRect(target, {0, 0, W, H}, syscolor::BtnShadow);
  compose::FrameRect(target, {1, 1, W - 1, H - 1}, syscolor::Window);
}

void PaintPopupBuffer(Bitmap& target, const MenuSkin& skin, const PopupFrameGeometry&) {
  if (!skin.window) return;
  compose::FrameSpec def = WindowFrameSpec(*skin.window);
  target = compose::Framed(skin.window->window, skin.window->window.rect(), def, target.width(),
                           target.height());
}

void PaintMenuItem(Bitmap& window, const LqSkinMenuItem& item, const ItemPaintContext& ctx) {
  if (!item.shown) return;
  const MenuItem& mi = *item.Item();
  const Rect& ir = item.rect;
  const int w = ir.width(), h = ir.height();
  Bitmap canvas(w, h);
  compose::Copy(canvas, 0, 0, window, ir);  // keeps the window background under the item
  const bool highlighted = item.Highlighted();
  const MenuItemSkin* s = ctx.skin && ctx.skin->item ? &*ctx.skin->item : nullptr;
  const bool hasPicture = s && !s->active.empty();
  Rect text;
  Color textColor = syscolor::WindowText;
  Color glyphColor;
  if (s) {
    if (item.IsSeparator()) {
      if (hasPicture)
        canvas = compose::HStrip(s->active, s->dividerrect, s->dividerleftoffset,
                                 s->dividerrightoffset, w, s->dividerstretcheffect);
      compose::Copy(window, ir.left, ir.top, canvas, canvas.rect());
      return;
    }
    if (hasPicture) {
      Bitmap normal;
      if (s->inactivetransparent && ctx.paintBuffer)
        compose::Copy(normal = Bitmap(w, h), 0, 0, *ctx.paintBuffer, ir);
      else
        normal = ItemSkinImage(*s, s->skinrect, s->inactivestretcheffect, w);
      const Bitmap hot = ItemSkinImage(*s, s->activeskinrect, s->stretcheffect, w);
      const bool animating = s->framecount > 0 && !s->animateskinrect.isEmpty() &&
                             item.frame >= 1 && item.frame <= s->framecount;
      const bool morphing =
          s->morphing && ctx.skin->effects && item.morph > 0.0 && item.morph < 1.0;
      if (animating) {
        const int fh = s->skinrect.height(), fw = s->skinrect.width();
        const bool vertical = s->animateskinrect.height() > fh;
        const int n = item.frame - 1;
        const Rect fr =
            vertical
                ? RectFromSize(s->animateskinrect.left, s->animateskinrect.top + n * fh, fw, fh)
                : RectFromSize(s->animateskinrect.left + n * fw, s->animateskinrect.top, fw, fh);
        canvas = ItemSkinImage(*s, fr, s->stretcheffect, w);
      } else if (morphing) {
        canvas = compose::Blend(normal, hot, item.morph, s->morphkind);
      } else {
        canvas = highlighted ? hot : normal;
      }
      if (canvas.height() != h) {  // a skin rectangle lower than the item: keep the size
        Bitmap fitted(w, h);
        compose::Copy(fitted, 0, 0, window, ir);
        compose::Copy(fitted, 0, 0, canvas, canvas.rect());
        canvas = fitted;
      }
    }
    text = s->textrect;
    text.right = w + s->textrect.right - s->skinrect.width();
    textColor =
        highlighted ? s->activefontcolor : (mi.Enabled ? s->fontcolor : s->unenabledfontcolor);
  } else {
    const int glyphColumn = ctx.glyphWidth;
    if (item.IsSeparator()) {
      compose::FillRect(canvas, {0, 0, glyphColumn, h}, syscolor::BtnFace);
      compose::FillRect(canvas, {glyphColumn, 0, w, h}, syscolor::Window);
      compose::FillRect(canvas, {glyphColumn, h / 2, w, h / 2 + 1}, syscolor::BtnShadow);
      compose::Copy(window, ir.left, ir.top, canvas, canvas.rect());
      return;
    }
    if (highlighted) {
      compose::FillRect(canvas, {0, 0, w, h}, syscolor::HotFill);
      compose::FrameRect(canvas, {0, 0, w, h}, syscolor::HotFrame);
    } else {
      compose::FillRect(canvas, {0, 0, glyphColumn, h}, syscolor::BtnFace);
      compose::FillRect(canvas, {glyphColumn, 0, w, h}, syscolor::Window);
    }
    text = {3, 0, w - 3, h};  // the shortcut then ends 19 pixels before the right edge
    textColor = (mi.Enabled || highlighted) ? syscolor::WindowText : syscolor::BtnShadow;
  }
  glyphColor = textColor;
  if (s && s->useimagecolor)
    glyphColor = ResolveMenuColor(highlighted ? s->activeimagecolor : s->imagecolor);

  if (mi.OwnerDrawn()) {
    QImage img = WrapBitmap(canvas);
    QPainter p(&img);
    p.setFont(ctx.font);
    mi.Paint(p, ToQRect(text), highlighted);
  } else {
    const bool hasImages = ctx.images && !ctx.images->images.empty();
    const bool titledSeparator = !mi.Enabled && mi.Caption.size() > 1 &&
                                 mi.Caption.startsWith('-') && mi.Caption.endsWith('-');
    if (titledSeparator) {
      compose::FillRect(canvas, {0, h / 2, w, h / 2 + 1}, syscolor::BtnShadow);
      DrawText(canvas, ctx.font, textColor, QRect(0, 0, w, h), Qt::AlignCenter,
               mi.Caption.mid(1, mi.Caption.size() - 2));
    } else {
      const bool imageRect = s && !s->imagerect.isEmpty();
      const int imageColumn = imageRect ? 0 : (hasImages ? ctx.images->width : 16);
      const int left = s ? text.left + imageColumn : ctx.glyphWidth + 4;
      const QRect caption(left, text.top, text.right - 16 - left + 2, text.height());
      DrawText(canvas, ctx.font, textColor, caption,
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine,
               mi.Caption);
      if (!mi.ShortCut.isEmpty())
        DrawText(canvas, ctx.font, textColor,
                 QRect(text.left, text.top, text.width() - 16, text.height()),
                 Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, mi.ShortCut);
    }
    if (mi.Count() > 0) {
      const Rect arrowSrc =
          s ? (highlighted ? s->activearrowimagerect : s->arrowimagerect) : Rect{};
      if (s && hasPicture && !arrowSrc.isEmpty()) {
        compose::Copy(canvas, w - arrowSrc.width(), (h - arrowSrc.height()) / 2, s->active,
                      arrowSrc);
      } else {
        DrawRightTriangle(canvas, w - 7 - 4, h / 2 - 4, textColor);
      }
    }
    // Image, command glyph or check mark.
    QImage image = mi.Bitmap;
    if (image.isNull() && hasImages && ctx.images->valid(mi.ImageIndex))
      image = ctx.images->images[std::size_t(mi.ImageIndex)];
    const bool imageRect = s && !s->imagerect.isEmpty();
    if (!image.isNull()) {
      int x = text.left + 2, y = (h - image.height()) / 2;
      if (!s) x = (ctx.glyphWidth - image.width()) / 2 + 1;
      if (imageRect) {
        x = s->imagerect.left + (s->imagerect.width() - image.width()) / 2;
        y = s->imagerect.top + (s->imagerect.height() - image.height()) / 2;
      }
      QImage img = WrapBitmap(canvas);
      QPainter p(&img);
      p.drawImage(x, y, image);
      if (mi.Checked) {
        p.setPen(ToQColor(glyphColor));
        p.drawRect(x - 1, y - 1, image.width() + 1, image.height() + 1);
      }
    } else {
      const int gx =
          s ? (imageRect ? s->imagerect.left + (s->imagerect.width() - 10) / 2 : text.left + 3)
            : (ctx.glyphWidth - 10) / 2 + 1;
      const int gy = h / 2 - 5;
      if (mi.Name.startsWith("LQK_") || mi.Name.startsWith("TRAY_LQK_")) {
        DrawCommandGlyph(canvas, mi.Name, gx, gy, glyphColor);
      } else if (mi.Checked) {
        const Rect skinGlyph = !s ? Rect{}
                               : mi.RadioItem
                                   ? (highlighted ? s->activeradioimagerect : s->radioimagerect)
                                   : (highlighted ? s->activecheckimagerect : s->checkimagerect);
        if (hasPicture && !skinGlyph.isEmpty()) {
          const int x = imageRect ? s->imagerect.left : text.left + 2;
          compose::Copy(canvas, x, (h - skinGlyph.height()) / 2, s->active, skinGlyph);
        } else if (mi.RadioItem) {
          QImage img = WrapBitmap(canvas);
          QPainter p(&img);
          p.setRenderHint(QPainter::Antialiasing);
          p.setPen(Qt::NoPen);
          p.setBrush(ToQColor(glyphColor));
          p.drawEllipse(QRectF(gx + 1, h / 2 - 3, 6, 6));
        } else {
          DrawGlyph(canvas, CheckMarkGlyph(gx, gy + 1), glyphColor);
        }
      }
    }
  }
  compose::Copy(window, ir.left, ir.top, canvas, canvas.rect());
}

void DrawArrowGlyph(Bitmap& target, const Rect& r, ArrowDirection direction, Color color) {
  DrawGlyph(target, DirectionArrowGlyph(r, direction), color);
}

void PaintScrollMarkers(Bitmap& window, const Rect& topBand, const Rect& bottomBand, int direction,
                        const ItemPaintContext& ctx) {
  const MenuSkin* skin = ctx.skin;
  const bool skinned = skin && skin->window;
  for (int band = 0; band < 2; ++band) {
    const Rect& r = band == 0 ? topBand : bottomBand;
    const bool scrollingThisWay = direction == (band == 0 ? 1 : 2);
    Color color = scrollingThisWay ? syscolor::BtnText : syscolor::BtnShadow;
    if (skinned) {
      color = ResolveMenuColor(scrollingThisWay ? skin->window->scrollmarkeractivecolor
                                                : skin->window->scrollmarkercolor);
      if (skin->item && !skin->item->active.empty()) {
        const MenuItemSkin& s = *skin->item;
        Bitmap fill;
        if (s.inactivetransparent && ctx.paintBuffer) {
          fill = Bitmap(r.width(), r.height());
          compose::Copy(fill, 0, 0, *ctx.paintBuffer, r);
        } else {
          fill = ItemSkinImage(s, s.skinrect, s.inactivestretcheffect, r.width());
        }
        compose::Stretch(window, r, fill, fill.rect());
      }
    }
    DrawArrowGlyph(window, r, band == 0 ? ArrowDirection::Up : ArrowDirection::Down, color);
  }
}

}  // namespace lq
