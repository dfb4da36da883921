#pragma once
// The skinned memos around QPlainTextEdit. LqSkinMemo2 is a borderless text area
// whose only visible scroll bars are free-standing LqSkinScrollBar controls kept in
// step with the editor both ways; LqSkinMemo adds a frame and a textured background
// from the "memo" element. Input methods, clipboard and undo come from Qt.

#include <QPlainTextEdit>
#include <functional>
#include <string>

#include "skin/controls/control_style.h"
#include "skin/controls/edit_look.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/skin_binding.h"
#include "skin/controls/skin_client.h"

namespace lq {

class LqSkinData;
class ScrollAreaBars;

enum class ScrollBars { None, Horizontal, Vertical, Both };

class LqSkinMemo2 : public QPlainTextEdit, public SkinClient {
  Q_OBJECT

 public:
  explicit LqSkinMemo2(QWidget* parent = nullptr);
  ~LqSkinMemo2() override;

  LqSkinData* SkinData() const { return binding_.Data(); }
  // Stores the reference; a loaded skin is applied at once.
  void SetSkinData(LqSkinData* data);
  const std::string& SkinDataName() const { return binding_.Name(); }
  void SetSkinDataName(const std::string& name) { binding_.SetName(name); }
  int DescriptorIndex() const { return binding_.Index(); }
  bool IsBound() const { return binding_.Bound(); }

  const LqFont& DefaultFont() const { return binding_.DefaultFont(); }
  void SetDefaultFont(const LqFont& f);
  bool UseSkinFont() const { return binding_.UseSkinFont(); }
  void SetUseSkinFont(bool on);
  bool UseSkinFontColor() const { return binding_.UseSkinFontColor(); }
  void SetUseSkinFontColor(bool on);
  lq::ScrollBars ScrollBars() const { return ScrollBars_; }
  void SetScrollBars(lq::ScrollBars s);
  bool WantReturns() const { return WantReturns_; }
  void SetWantReturns(bool on) { WantReturns_ = on; }
  bool WantTabs() const { return WantTabs_; }
  void SetWantTabs(bool on);

  // The bars that show the memo's scroll state (not owned; forgotten when destroyed).
  LqSkinScrollBar* VScrollBar() const;
  LqSkinScrollBar* HScrollBar() const;
  void SetVScrollBar(LqSkinScrollBar* bar);
  void SetHScrollBar(LqSkinScrollBar* bar);
  // Mirrors the editor's scroll state into the bars.
  void SyncScrollBars();

  // The memo's lines, one per paragraph.
  QStringList Lines() const;
  QString Text() const { return toPlainText(); }
  void SetText(const QString& text) { setPlainText(text); }

  LqSkinData* skinDataRef() const override { return binding_.Data(); }
  void ReleaseSkin() override;
  void ApplySkin() override;

  // Colours in use now.
  Color TextColor() const;
  Color BackgroundColor() const;
  bool Active() const { return binding_.Active(*this); }

 signals:
  void mouseEntered();
  void mouseLeft();
  void changed();

 protected:
  void enterEvent(QEnterEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void changeEvent(QEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

  virtual void UpdateLook();
  const EditLook& Look() const { return look_; }

 private:
  void BindSkin();

  SkinBinding binding_{"memo"};
  EditLook look_;
  lq::ScrollBars ScrollBars_ = lq::ScrollBars::Both;
  bool WantReturns_ = true, WantTabs_ = false;
  ScrollAreaBars* bars_;  // child of the memo
  int wheelRemainder_ = 0;
};

// The memo with a frame and (with BitMapBG) the element's textured client image.
class LqSkinMemo : public LqSkinMemo2 {
 public:
  explicit LqSkinMemo(QWidget* parent = nullptr);

  bool BitMapBG() const { return BitMapBG_; }
  void SetBitMapBG(bool on);
  // Space kept free of text on each side: left, top, right, bottom.
  QMargins TextInsets() const;

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void UpdateLook() override;

 private:
  void PaintFrame(QPainter& p);
  QImage ClientImage() const;

  bool BitMapBG_ = true;
};

}  // namespace lq
