#include "skin/controls/splitter_drag.h"

#include <algorithm>

namespace lq {

int FindSplitterNeighbour(const std::vector<SplitterSibling>& siblings, const Rect& splitter,
                          SplitterSide side) {
  int px = splitter.left;
  int py = splitter.top;
  switch (side) {
    case SplitterSide::Left:
      px -= 1;
      break;
    case SplitterSide::Right:
      px = splitter.right;
      break;
    case SplitterSide::Top:
      py -= 1;
      break;
    case SplitterSide::Bottom:
      py = splitter.bottom;
      break;
    default:
      return -1;
  }
  for (int i = 0; i < int(siblings.size()); ++i) {
    const SplitterSibling& s = siblings[i];
    if (s.isSplitter || !s.visible || !s.enabled) continue;
    Rect r = s.bounds;
    // A collapsed neighbour still counts as one pixel thick toward the splitter.
    if (r.width() == 0) {
      if (side == SplitterSide::Left || side == SplitterSide::Top)
        r.left -= 1;
      else
        r.right += 1;
    }
    if (r.height() == 0) {
      if (side == SplitterSide::Left || side == SplitterSide::Top)
        r.top -= 1;
      else
        r.bottom += 1;
    }
    if (r.contains(px, py)) return i;
  }
  return -1;
}

int SplitterMaxSize(const std::vector<SplitterSibling>& siblings, int neighbour, SplitterSide side,
                    int parentWidth, int parentHeight, int minSize) {
  bool vertical = IsVerticalSplit(side);
  int size = vertical ? parentWidth : parentHeight;
  for (const SplitterSibling& s : siblings) {
    if (!s.visible) continue;
    if (s.dockedOnAxis) size -= vertical ? s.bounds.width() : s.bounds.height();
  }
  const Rect& n = siblings[neighbour].bounds;
  size += vertical ? n.width() : n.height();
  return size - minSize;
}

SplitterProposal ProposeSplitterSize(int neighbourSize, int offset, SplitterSide side, int minSize,
                                     int maxSize) {
  bool trailing = side == SplitterSide::Right || side == SplitterSide::Bottom;
  int wanted = trailing ? neighbourSize - offset : neighbourSize + offset;
  int size = std::clamp(wanted, minSize, std::max(minSize, maxSize));
  int correction = trailing ? wanted - size : size - wanted;
  return {size, offset + correction};
}

}  // namespace lq
