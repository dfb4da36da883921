#pragma once
// The skinned frame every dialog window wears: a LqLacquerForm without minimize or
// maximize buttons, centred on the screen on first show, its menus drawn with the controls'
// skin, and a client widget that always covers the frame's client area so the window's
// controls can be laid out in client coordinates.

#include <QSize>
#include <QWidget>
#include <functional>

class QDialog;

namespace lq {

class LqLacquerForm;
class LqSkinData;

class DialogClient : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;

 signals:
  // After every resize: the dialog lays out its controls here.
  void resized();

 protected:
  void resizeEvent(QResizeEvent* e) override;
};

class DialogFrame : public QObject {
 public:
  // frameSkin draws the frame, menuSkin its menus; minimum: the window's least size
  // (the skin's minimum wins when larger).
  DialogFrame(QDialog& dialog, LqSkinData* frameSkin, LqSkinData* menuSkin, QSize minimum);

  LqLacquerForm& Frame() const { return *frame_; }
  DialogClient& Client() const { return *client_; }
  // Sizes the window so that its client area is `size` (or as near as its limits allow).
  void SetClientSize(QSize size);
  QSize ClientSize() const;
  // Puts the client widget on the frame's client area (done on every resize and every
  // change of the frame's insets).
  void FollowClientArea();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  QDialog& dialog_;
  LqLacquerForm* frame_;
  DialogClient* client_;
};

}  // namespace lq
