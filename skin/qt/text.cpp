#include "skin/qt/text.h"

#include <QTextBoundaryFinder>

namespace lq {

namespace {

int QtFlags(TextFormat format) {
  int flags = 0;
  if (format & TextFlag::Center)
    flags |= Qt::AlignHCenter;
  else if (format & TextFlag::Right)
    flags |= Qt::AlignRight;
  else
    flags |= Qt::AlignLeft;
  if (format & TextFlag::SingleLine) {
    flags |= Qt::TextSingleLine;
    if (format & TextFlag::VCenter)
      flags |= Qt::AlignVCenter;
    else if (format & TextFlag::Bottom)
      flags |= Qt::AlignBottom;
    else
      flags |= Qt::AlignTop;
  } else {
    flags |= Qt::AlignTop;
  }
  if (format & TextFlag::WordBreak) flags |= Qt::TextWordWrap;
  if (format & TextFlag::ExpandTabs) flags |= Qt::TextExpandTabs;
  if (!(format & TextFlag::NoPrefix)) flags |= Qt::TextShowMnemonic;
  if (format & TextFlag::NoClip) flags |= Qt::TextDontClip;
  return flags;
}

}  // namespace

int DrawWideText(QPainter& canvas, const QString& text, QRect& rect, TextFormat format) {
  const int flags = QtFlags(format);
  const QFontMetrics metrics = canvas.fontMetrics();
  if (format & TextFlag::CalcRect) {
    // Word breaking needs a width to break at; without it the text is measured unbroken.
    const int wrapWidth =
        (format & TextFlag::WordBreak) && rect.width() > 0 ? rect.width() : 1 << 20;
    QRect bounds = metrics.boundingRect(QRect(0, 0, wrapWidth, 1 << 20),
                                        flags & ~(Qt::AlignHCenter | Qt::AlignRight), text);
    const int h = text.isEmpty() ? metrics.height() : bounds.height();
    rect.setWidth(text.isEmpty() ? 0 : bounds.width());
    rect.setHeight(h);
    return h;
  }
  QString shown = text;
  if ((format & TextFlag::EndEllipsis) && (format & TextFlag::SingleLine))
    shown = metrics.elidedText(text, Qt::ElideRight, rect.width());
  QRect used;
  if (format & TextFlag::NoClip) {
    canvas.drawText(rect, flags, shown, &used);
  } else {
    canvas.save();
    canvas.setClipRect(rect, Qt::IntersectClip);
    canvas.drawText(rect, flags, shown, &used);
    canvas.restore();
  }
  return used.height();
}

int WideTextWidth(const QFontMetrics& metrics, const QString& text) {
  return metrics.horizontalAdvance(text);
}

int WideTextHeight(const QFontMetrics& metrics, const QString& text) {
  return metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), Qt::TextSingleLine, text).height();
}

int WideTextWidth(QPainter& canvas, const QString& text) {
  return WideTextWidth(canvas.fontMetrics(), text);
}

int WideTextHeight(QPainter& canvas, const QString& text) {
  return WideTextHeight(canvas.fontMetrics(), text);
}

QString TrimToWidth(const QFontMetrics& metrics, const QString& text, int width) {
  if (metrics.horizontalAdvance(text) <= width) return text;
  static const QString kDots = QStringLiteral("...");
  // Character boundaries, then a binary search for the longest start that fits with "...":
  // text width grows with every added character.
  std::vector<int> ends;
  QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
  for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary())
    ends.push_back(int(at));
  int lo = 0, hi = int(ends.size()) - 1;  // candidates: ends[0 .. count-2], i.e. shortened
  int best = -1;
  while (lo < hi) {
    const int mid = (lo + hi) / 2;
    if (metrics.horizontalAdvance(text.left(ends[std::size_t(mid)]) + kDots) <= width) {
      best = mid;
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  return best < 0 ? kDots : text.left(ends[std::size_t(best)]) + kDots;
}

QString TrimToWidth(QPainter& canvas, const QString& text, int width) {
  return TrimToWidth(canvas.fontMetrics(), text, width);
}

QString TrimWideToWidth(const QFontMetrics& metrics, const QString& text, int width) {
  return TrimToWidth(metrics, text, width);
}

QString TrimWideToWidth(QPainter& canvas, const QString& text, int width) {
  return TrimToWidth(canvas.fontMetrics(), text, width);
}

void DrawTextVCentered(QPainter& canvas, const QString& text, const QRect& rect) {
  if (text.isEmpty()) return;
  QRect r = rect;
  DrawWideText(canvas, text, r,
               TextFlag::SingleLine | TextFlag::VCenter | TextFlag::Left | TextFlag::NoPrefix);
}

void DrawTextIndented(QPainter& canvas, const QString& text, const QRect& rect, int indent) {
  if (text.isEmpty()) return;
  const QFontMetrics metrics = canvas.fontMetrics();
  const int h = WideTextHeight(metrics, text);
  const int x = rect.left() + indent + 2;
  const int y = rect.top() + rect.height() / 2 - h / 2;
  canvas.save();
  canvas.setClipRect(rect, Qt::IntersectClip);
  canvas.drawText(QRect(x, y, std::max(0, rect.right() + 1 - x) + metrics.maxWidth(), h),
                  Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
  canvas.restore();
}

}  // namespace lq
