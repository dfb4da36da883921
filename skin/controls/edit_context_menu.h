#pragma once
// The context menu shared by the memos and the single-line edit: which items it has,
// when each is enabled and what it does. Showing it is left to a presenter, so the
// skinned menus of the frame layer can draw it; without one a plain menu is used.

#include <QPoint>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace lq {

class LqSkinData;

// What the enabling rules look at, read from the editor when the menu is asked for.
struct EditMenuState {
  bool canUndo = false;
  bool hasSelection = false;
  bool readOnly = false;
  bool clipboardHasText = false;
  bool wholeTextSelected = false;
};

struct EditMenuActions {
  std::function<void()> undo, cut, copy, paste, clear, selectAll;
};

struct EditMenuEntry {
  QString key;      // resource-string name, empty for a separator
  QString caption;  // "-" for a separator
  bool enabled = true;
  std::function<void()> action;
  bool IsSeparator() const { return caption == QStringLiteral("-"); }
};

// The eight entries in menu order; captions from the skin's resource strings when it
// has them, else the built-in texts.
std::vector<EditMenuEntry> BuildEditMenu(const EditMenuState& state, const EditMenuActions& act,
                                         const LqSkinData* skin);

// Shows entries for control at a screen point.
using EditMenuPresenter =
    std::function<void(QWidget* control, std::vector<EditMenuEntry> entries, QPoint screenPos)>;
void SetEditMenuPresenter(EditMenuPresenter presenter);
void ShowEditMenu(QWidget* control, std::vector<EditMenuEntry> entries, QPoint screenPos);

// Where the menu opens: the mouse position, or the control's centre from the keyboard.
QPoint EditMenuPosition(QWidget* control, QPoint mouseScreenPos, bool fromKeyboard);

}  // namespace lq
