#pragma once
// The contract between a skinned form and every skin-aware widget on it, and the
// walk a form runs over its widgets when its skin is about to change and has changed.

#include <QEvent>

class QWidget;

namespace lq {

class LqSkinData;

// The type of the event sent (synchronously) to the children of a control whose
// background changed, so controls that show their parent through themselves repaint.
// Registered with Qt once, so it never collides with another library's user events.
QEvent::Type ParentBackgroundChangedEvent();

// Implemented by every widget that binds to a skin element by name: the control
// base classes, the std label, and the edits, memos and splitter built elsewhere.
class SkinClient {
 public:
  virtual ~SkinClient() = default;
  // The skin data the widget draws from (not owned), or null.
  virtual LqSkinData* skinDataRef() const = 0;
  // The skin is about to change: forget everything taken from the old one.
  virtual void ReleaseSkin() = 0;
  // The skin has changed: bind again, fit the size and repaint.
  virtual void ApplySkin() = 0;
};

// Walks every widget under form (depth first, in creation order) and calls
// ReleaseSkin on each skin client bound to changing (every client when changing is null).
void ReleaseFormControlsSkin(QWidget* form, const LqSkinData* changing);
// The matching walk after the change: ApplySkin on the same set of clients.
void ApplyFormControlsSkin(QWidget* form, const LqSkinData* changing);

// Sends ParentBackgroundChangedEvent() to every direct child widget of parent.
void NotifyChildrenBackground(QWidget* parent);

}  // namespace lq
