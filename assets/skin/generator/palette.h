#pragma once
// The colours of longtail's light-blue theme, shared by every picture so that parts drawn
// in different pictures meet without a visible change of tone.

#include "canvas.h"

namespace lq::art::palette {

// Window frame.
constexpr Color kFrameBorder = RGB(74, 118, 178);
constexpr Color kFrameHighlight = RGB(226, 239, 253);
constexpr Color kFrameSide = RGB(190, 216, 246);
constexpr Color kFrameSideDark = RGB(172, 202, 240);
constexpr Color kFrameInnerLine = RGB(136, 174, 222);
// Caption band: a soft two-part gloss from near-white to sky blue.
inline const Gradient kCaptionUpper = {{0, RGB(242, 248, 255)}, {1, RGB(219, 235, 253)}};
inline const Gradient kCaptionLower = {{0, RGB(212, 230, 251)}, {1, RGB(188, 215, 247)}};

// Surfaces.
constexpr Color kFormFace = RGB(226, 236, 249);   // window background between panels
constexpr Color kPanelFace = RGB(238, 244, 252);  // panels, group boxes, tool bars
constexpr Color kWindow = RGB(255, 255, 255);     // lists, edits, memos, menus
constexpr Color kMenuGutter = RGB(238, 243, 251);
constexpr Color kMenuGutterLine = RGB(218, 228, 243);

// Lines.
constexpr Color kPanelBorder = RGB(166, 193, 227);
constexpr Color kFieldBorder = RGB(132, 166, 212);
constexpr Color kFieldHotBorder = RGB(72, 136, 218);
constexpr Color kDisabledBorder = RGB(188, 199, 214);
constexpr Color kDivider = RGB(212, 223, 238);

// Glyphs.
constexpr Color kGlyph = RGB(52, 92, 156);
constexpr Color kGlyphHot = RGB(36, 76, 146);
constexpr Color kGlyphDisabled = RGB(160, 178, 204);

// Push buttons.
constexpr Color kButtonBorder = RGB(120, 156, 207);
constexpr Color kButtonHotBorder = RGB(74, 138, 220);
constexpr Color kButtonDownBorder = RGB(62, 114, 192);
inline const Gradient kButtonFace = {{0, RGB(255, 255, 255)},
                                     {0.45, RGB(232, 241, 253)},
                                     {0.5, RGB(218, 233, 252)},
                                     {1, RGB(204, 225, 250)}};
inline const Gradient kButtonHotFace = {{0, RGB(250, 253, 255)},
                                        {0.45, RGB(222, 238, 255)},
                                        {0.5, RGB(204, 227, 254)},
                                        {1, RGB(184, 215, 252)}};
inline const Gradient kButtonDownFace = {{0, RGB(176, 204, 242)}, {1, RGB(206, 226, 250)}};
inline const Gradient kButtonDisabledFace = {{0, RGB(246, 248, 251)}, {1, RGB(233, 238, 245)}};

// Selections (list items, menu items).
constexpr Color kSelectBorder = RGB(150, 190, 236);
inline const Gradient kSelectFace = {{0, RGB(240, 247, 255)}, {1, RGB(214, 232, 253)}};
constexpr Color kFocusBorder = RGB(46, 104, 190);
inline const Gradient kFocusFace = {{0, RGB(104, 160, 230)}, {1, RGB(62, 120, 204)}};

// Transparent key of glyph and gripper pictures.
constexpr Color kKey = RGB(255, 0, 255);

}  // namespace lq::art::palette
