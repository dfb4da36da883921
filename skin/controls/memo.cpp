#include "skin/controls/memo.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QScrollBar>
#include <QTextBlock>

#include "skin/controls/edit_context_menu.h"
#include "skin/controls/scroll_area_bars.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/skin_access.h"

namespace lq {

LqSkinMemo2::LqSkinMemo2(QWidget* parent)
    : QPlainTextEdit(parent), bars_(new ScrollAreaBars(this)) {
  setFrameStyle(QFrame::NoFrame);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setAttribute(Qt::WA_Hover, true);
  document()->setDocumentMargin(2);
  setTabChangesFocus(true);
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    SyncScrollBars();
    emit changed();
  });
  UpdateLook();
}

LqSkinMemo2::~LqSkinMemo2() = default;

void LqSkinMemo2::SetSkinData(LqSkinData* data) {
  if (binding_.SetData(data)) ApplySkin();
}

void LqSkinMemo2::SetDefaultFont(const LqFont& f) {
  binding_.SetDefaultFont(f);
  UpdateLook();
}

void LqSkinMemo2::SetUseSkinFont(bool on) {
  binding_.SetUseSkinFont(on);
  UpdateLook();
}

void LqSkinMemo2::SetUseSkinFontColor(bool on) {
  binding_.SetUseSkinFontColor(on);
  UpdateLook();
}

void LqSkinMemo2::SetScrollBars(lq::ScrollBars s) {
  ScrollBars_ = s;
  // Without a horizontal scroll state long lines wrap, as a platform memo does.
  setLineWrapMode(s == ScrollBars::Horizontal || s == ScrollBars::Both ? NoWrap : WidgetWidth);
}

void LqSkinMemo2::SetWantTabs(bool on) {
  WantTabs_ = on;
  setTabChangesFocus(!on);
}

LqSkinScrollBar* LqSkinMemo2::VScrollBar() const {
  return bars_->Vertical();
}

LqSkinScrollBar* LqSkinMemo2::HScrollBar() const {
  return bars_->Horizontal();
}

void LqSkinMemo2::SetVScrollBar(LqSkinScrollBar* bar) {
  bars_->SetVertical(bar);
}

void LqSkinMemo2::SetHScrollBar(LqSkinScrollBar* bar) {
  bars_->SetHorizontal(bar);
}

void LqSkinMemo2::SyncScrollBars() {
  bars_->Sync();
}

QStringList LqSkinMemo2::Lines() const {
  QStringList lines;
  for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) lines << b.text();
  // A final line break ends the last line rather than starting an empty one.
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

void LqSkinMemo2::ReleaseSkin() {
  binding_.Release();
}

void LqSkinMemo2::BindSkin() {
  binding_.SetIndex(BindEditLook(SkinData(), SkinDataName(), look_));
}

void LqSkinMemo2::ApplySkin() {
  BindSkin();
  UpdateLook();
  SyncScrollBars();
}

Color LqSkinMemo2::TextColor() const {
  return binding_.FontColor(Active() ? look_.activefontcolor : look_.font.fontcolor);
}

Color LqSkinMemo2::BackgroundColor() const {
  if (!IsBound()) return clWindow;
  return Active() ? look_.activebgcolor : look_.bgcolor;
}

void LqSkinMemo2::UpdateLook() {
  setFont(binding_.Font(look_.font));
  QPalette pal = palette();
  pal.setColor(QPalette::Text, ControlColor(TextColor()));
  pal.setColor(QPalette::Base, ControlColor(BackgroundColor()));
  // A disabled memo keeps showing its lines, in the skin's disabled edit colour.
  pal.setColor(QPalette::Disabled, QPalette::Text, ControlColor(SkinDisabledEditColor(SkinData())));
  pal.setColor(QPalette::Disabled, QPalette::Base, ControlColor(BackgroundColor()));
  setPalette(pal);
  viewport()->update();
}

void LqSkinMemo2::enterEvent(QEnterEvent* e) {
  QPlainTextEdit::enterEvent(e);
  binding_.SetHovered(true);
  UpdateLook();
  emit mouseEntered();
}

void LqSkinMemo2::leaveEvent(QEvent* e) {
  QPlainTextEdit::leaveEvent(e);
  binding_.SetHovered(false);
  UpdateLook();
  emit mouseLeft();
}

void LqSkinMemo2::focusInEvent(QFocusEvent* e) {
  QPlainTextEdit::focusInEvent(e);
  UpdateLook();
}

void LqSkinMemo2::focusOutEvent(QFocusEvent* e) {
  QPlainTextEdit::focusOutEvent(e);
  UpdateLook();
}

void LqSkinMemo2::keyPressEvent(QKeyEvent* e) {
  const int k = e->key();
  if ((k == Qt::Key_Return || k == Qt::Key_Enter) && !WantReturns_ &&
      !(e->modifiers() & Qt::ControlModifier)) {
    e->ignore();  // the form's default button takes it
    return;
  }
  if (k == Qt::Key_Escape) {
    e->ignore();
    return;
  }
  QPlainTextEdit::keyPressEvent(e);
  SyncScrollBars();
}

void LqSkinMemo2::wheelEvent(QWheelEvent* e) {
  // One line per notch, whatever the desktop's wheel setting.
  wheelRemainder_ += e->angleDelta().y();
  const int notches = wheelRemainder_ / 120;
  wheelRemainder_ -= notches * 120;
  if (notches != 0) verticalScrollBar()->setValue(verticalScrollBar()->value() - notches);
  e->accept();
}

void LqSkinMemo2::contextMenuEvent(QContextMenuEvent* e) {
  const QTextCursor cursor = textCursor();
  EditMenuState s;
  s.canUndo = document()->isUndoAvailable() && !isReadOnly();
  s.hasSelection = cursor.hasSelection();
  s.readOnly = isReadOnly();
  s.clipboardHasText = !QGuiApplication::clipboard()->text().isEmpty();
  s.wholeTextSelected = cursor.selectedText().size() == document()->characterCount() - 1;
  EditMenuActions a;
  a.undo = [this] { undo(); };
  a.cut = [this] { cut(); };
  a.copy = [this] { copy(); };
  a.paste = [this] { paste(); };
  a.clear = [this] { textCursor().removeSelectedText(); };
  a.selectAll = [this] { selectAll(); };
  ShowEditMenu(this, BuildEditMenu(s, a, SkinData()),
               EditMenuPosition(this, e->globalPos(), e->reason() == QContextMenuEvent::Keyboard));
}

void LqSkinMemo2::changeEvent(QEvent* e) {
  QPlainTextEdit::changeEvent(e);
  if (e->type() == QEvent::EnabledChange) {
    horizontalScrollBar()->setValue(0);
    SyncScrollBars();
  }
}

void LqSkinMemo2::resizeEvent(QResizeEvent* e) {
  QPlainTextEdit::resizeEvent(e);
  SyncScrollBars();
}

}  // namespace lq
