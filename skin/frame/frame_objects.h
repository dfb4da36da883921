#pragma once
// The objects that live in a skinned frame: caption buttons, animated buttons and user
// objects (the caption has its own header). Each has a rectangle in window coordinates,
// hover/press state and a draw operation onto a bitmap canvas.

#include <string>

#include "skin/data/bitmap.h"
#include "skin/data/geometry.h"
#include "skin/frame/frame_skin.h"

namespace lq {

class LqLacquerForm;

// A bitmap and the window position of its top-left pixel: objects draw at their
// window rectangle, shifted by the origin.
struct ObjectCanvas {
  Bitmap* bitmap = nullptr;
  Point origin;
};

enum class MouseButton { Left, Right, Middle };

class LqActiveSkinObject {
 public:
  LqActiveSkinObject(LqLacquerForm& frame, const ObjectSpec& def);
  virtual ~LqActiveSkinObject() = default;
  LqActiveSkinObject(const LqActiveSkinObject&) = delete;
  LqActiveSkinObject& operator=(const LqActiveSkinObject&) = delete;

  virtual FrameObjectKind Kind() const { return FrameObjectKind::UserObject; }
  virtual bool NeedsMorphStep() const;
  virtual void Draw(ObjectCanvas& canvas, bool inFrame);
  virtual void DblClick() {}
  virtual void MouseDown(int x, int y, MouseButton button);
  virtual void MouseUp(int x, int y, MouseButton button);
  virtual void MouseMove(int x, int y);
  virtual void MouseEnter();
  virtual void MouseLeave();

  // One 25 ms morph tick: returns whether the object moved.
  bool MorphStep();
  bool MorphInEffect() const;
  // Clears hover state without events (size/move loop start, activation change).
  void ResetHover();

  std::string IDName;
  std::string hint;
  bool ownImage = false;  // skinrectinapicture: images in the active picture
  Rect normalRect, hoverRect, inactiveRect;
  bool morphing = false;
  MorphKind morphKind = MorphKind::Fade;
  int activePictureIndex = -1;
  Rect ObjectRect;
  bool active = false;
  bool mouseIn = false;
  bool enabled = true;
  bool visible = true;
  double morphFactor = 0;

 protected:
  const Bitmap* ActivePicture() const;
  const Bitmap* MainPicture() const;
  bool HoverEmpty() const { return hoverRect.isEmpty() || !ActivePicture(); }
  // Draws `source` of `picture` at ObjectRect (copied, clipped to the canvas).
  void CopyToCanvas(ObjectCanvas& canvas, const Bitmap* picture, const Rect& source) const;
  // Draws an object-sized image at ObjectRect.
  void ImageToCanvas(ObjectCanvas& canvas, const Bitmap& image) const;
  // The blend of two pictures' rectangles by the morph kind at the current factor.
  Bitmap MorphImage(const Bitmap* fromPicture, const Rect& from, const Bitmap* toPicture,
                    const Rect& to) const;
  void StartMorph();
  void BaseDraw(ObjectCanvas& canvas, bool inFrame);

  LqLacquerForm& frame_;
};

class LqUserObject : public LqActiveSkinObject {
 public:
  using LqActiveSkinObject::LqActiveSkinObject;
  void Draw(ObjectCanvas& canvas, bool inFrame) override;
};

class LqSkinButtonObject : public LqActiveSkinObject {
 public:
  LqSkinButtonObject(LqLacquerForm& frame, const ObjectSpec& def);
  FrameObjectKind Kind() const override { return FrameObjectKind::Button; }
  bool NeedsMorphStep() const override;
  void Draw(ObjectCanvas& canvas, bool inFrame) override;
  void MouseDown(int x, int y, MouseButton button) override;
  void MouseUp(int x, int y, MouseButton button) override;

  // Releases a button that stayed down while its menu was open.
  void MenuClosed();

  bool down = false;
  bool popupUp = false;
  bool hasMenu = false;  // pressing opens a menu; the button stays down until it closes
  bool menuOpen = false;
  Rect downRect, disabledRect;

 protected:
  void Press();
  void Release();
  virtual void OpenMenu();
};

class LqSkinStdButtonObject : public LqSkinButtonObject {
 public:
  LqSkinStdButtonObject(LqLacquerForm& frame, const ObjectSpec& def, bool skinSupport);
  FrameObjectKind Kind() const override { return FrameObjectKind::StdButton; }
  bool NeedsMorphStep() const override;
  void Draw(ObjectCanvas& canvas, bool inFrame) override;
  void DblClick() override;
  void MouseDown(int x, int y, MouseButton button) override;
  void MouseUp(int x, int y, MouseButton button) override;

  // The button shows a reversible state (maximized, minimized, rolled up).
  bool ShowsRestoreState() const;
  bool ShowsIcon() const;

  FrameCommand command = FrameCommand::Default;
  Rect restoreRect, restoreActiveRect, restoreDownRect, restoreInactiveRect;
  bool skinSupport = true;

 protected:
  void OpenMenu() override;

 private:
  void DrawDefault(ObjectCanvas& canvas);
  void DrawIcon(ObjectCanvas& canvas);
};

class LqSkinAnimateObject : public LqActiveSkinObject {
 public:
  LqSkinAnimateObject(LqLacquerForm& frame, const ObjectSpec& def);
  FrameObjectKind Kind() const override { return FrameObjectKind::Animate; }
  bool NeedsMorphStep() const override { return false; }
  void Draw(ObjectCanvas& canvas, bool inFrame) override;
  void DblClick() override;
  void MouseDown(int x, int y, MouseButton button) override;
  void MouseUp(int x, int y, MouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  // One 25 ms animation tick: returns whether the object still needs ticks.
  bool AnimationStep();
  void MenuClosed();

  int countFrames = 1;
  bool cycle = false;
  bool buttonStyle = false;
  int timerInterval = 50;
  FrameCommand command = FrameCommand::Default;
  Rect downSkinRect;
  Rect restoreRect, restoreActiveRect, restoreDownRect, restoreInactiveRect;
  int frame = 1;
  bool forward = false;
  int accumulator = 25;
  bool down = false;
  bool menuOpen = false;
};

// Runs a caption-button command (shared by standard buttons and animate objects).
void RunFrameCommand(LqLacquerForm& frame, FrameCommand command);

}  // namespace lq
