#pragma once
// The sizing rules of the splitter, free of widgets: which sibling it resizes,
// how far it may go, and what a mouse offset turns into.

#include <vector>

#include "skin/data/geometry.h"

namespace lq {

// The side of its neighbour a splitter is docked to: SplitterSide::Left for a splitter that
// follows a left-docked control, SplitterSide::Right for one before a right-docked control.
enum class SplitterSide { Undocked, Left, Top, Right, Bottom };

struct SplitterSibling {
  Rect bounds;                // in parent client coordinates
  bool dockedOnAxis = false;  // docked to a side along the splitter's axis
  bool visible = true;
  bool enabled = true;
  bool isSplitter = false;  // the splitter itself, counted among the docked controls
};

// Index into siblings of the control the splitter resizes, or -1. The splitter
// itself (isSplitter) is never its own neighbour.
int FindSplitterNeighbour(const std::vector<SplitterSibling>& siblings, const Rect& splitter,
                          SplitterSide side);

// Largest size the neighbour may take: the parent's extent minus MinSize and the
// docked controls on the splitter's axis, plus the neighbour's own size.
int SplitterMaxSize(const std::vector<SplitterSibling>& siblings, int neighbour, SplitterSide side,
                    int parentWidth, int parentHeight, int minSize);

struct SplitterProposal {
  int size = 0;   // proposed neighbour size
  int split = 0;  // offset from the press position after clamping
};

// Size proposed by a mouse offset along the axis, clamped into [minSize, maxSize]
// with the offset corrected by the clamp. Snapping is applied by the caller after
// OnCanResize has had its say.
SplitterProposal ProposeSplitterSize(int neighbourSize, int offset, SplitterSide side, int minSize,
                                     int maxSize);

inline bool IsVerticalSplit(SplitterSide s) {
  return s == SplitterSide::Left || s == SplitterSide::Right;
}

}  // namespace lq
