#include "skin/dialogs/dialog_frame.h"

#include <QDialog>
#include <QResizeEvent>
#include <algorithm>

#include "skin/frame/lacquer_form.h"
#include "skin/frame/menu_frame.h"
#include "skin/frame/menu_frame_link.h"

namespace lq {

void DialogClient::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  emit resized();
}

DialogFrame::DialogFrame(QDialog& dialog, LqSkinData* frameSkin, LqSkinData* menuSkin,
                         QSize minimum)
    : QObject(&dialog), dialog_(dialog) {
  frame_ = new LqLacquerForm(&dialog);
  frame_->SetBorderIcons(0);
  frame_->PositionInMonitor = LqPositionInMonitor::lqpScreenCenter;
  frame_->MinWidth = std::max(0, minimum.width());
  frame_->MinHeight = std::max(0, minimum.height());
  frame_->SetSkinData(frameSkin);
  FrameMenus* menus = AttachFrameMenus(*frame_);
  menus->SetMenusSkinDataSource([menuSkin, frameSkin] { return menuSkin ? menuSkin : frameSkin; });
  client_ = new DialogClient(&dialog);
  dialog.installEventFilter(this);
  FollowClientArea();
}

bool DialogFrame::eventFilter(QObject* watched, QEvent* e) {
  if (watched == &dialog_ &&
      (e->type() == QEvent::Resize || e->type() == QEvent::ContentsRectChange))
    FollowClientArea();
  return QObject::eventFilter(watched, e);
}

void DialogFrame::SetClientSize(QSize size) {
  frame_->ClientWidth = size.width();
  frame_->ClientHeight = size.height();
  frame_->SetClientSize(size.width(), size.height());
  FollowClientArea();
}

QSize DialogFrame::ClientSize() const {
  return frame_->ClientRect().size();
}

void DialogFrame::FollowClientArea() {
  client_->setGeometry(frame_->ClientRect());
}

}  // namespace lq
