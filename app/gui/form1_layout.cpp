// TForm1's controls: places, sizes, captions, initial values and the handlers their
// events run.
#include <QTimer>

#include "app/gui/error_display.h"
#include "app/gui/form1.h"
#include "app/gui/skinned_controls.h"
#include "skin/controls/align_layout.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/edit.h"
#include "skin/controls/memo.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/spin_edit.h"

namespace longtail {

namespace {

lq::LqSkinXFormButton* Button(QWidget* parent, lq::LqSkinData* data, const QString& caption,
                              const QRect& bounds) {
  auto* button = Skinned(new lq::LqSkinXFormButton(parent), data, "button");
  button->SetCaption(caption);
  button->setGeometry(bounds);
  return button;
}

lq::LqSkinCheckRadioBox* CheckBox(QWidget* parent, lq::LqSkinData* data, const QString& caption,
                                  const QRect& bounds, bool checked) {
  auto* box = Skinned(new lq::LqSkinCheckRadioBox(parent), data, "checkbox");
  box->SetCaption(caption);
  box->SetChecked(checked);
  box->setGeometry(bounds);
  return box;
}

// The four buttons of the top panel draw their captions in their own font.
void UseOwnFont(lq::LqSkinXFormButton* button) {
  lq::LqFont font;
  font.name = QStringLiteral("宋体");
  font.height = 12;
  font.color = lq::RGB(0, 0, 0);
  button->SetDefaultFont(font);
  button->SetUseSkinFont(false);
  button->SetUseSkinFontColor(false);
}

// Runs a handler from an event; what escapes it goes to the default error display.
template <typename Sender>
std::function<void(Sender*)> Handler(TForm1* form, void (TForm1::*method)()) {
  return [form, method](Sender*) { RunGuarded([&] { (form->*method)(); }); };
}

}  // namespace

void TForm1::BuildTopPanel() {
  lq::LqSkinData* data = &lqskindata1;
  lqpanel1 = Skinned(new lq::LqSkinPanel(Client), data, "panel");
  lqpanel1->SetBorderStyle(lq::bvFrame);
  lqpanel1->resize(822, 169);
  lq::SetAlign(lqpanel1, lq::alTop);

  lqpanel2 = Skinned(new lq::LqSkinPanel(lqpanel1), data, "panel");
  lqpanel2->SetBorderStyle(lq::bvNone);
  lqpanel2->resize(336, 169);
  lq::SetAlign(lqpanel2, lq::alLeft);
  lbl1 = Label(lqpanel2, data, QStringLiteral("输入关键词"));
  lbl1->move(19, 15);
  lbl2 = Label(lqpanel2, data, QStringLiteral("注意：每行一词。"));
  lbl2->SetAutoSize(false);
  lbl2->SetAlignment(Qt::AlignHCenter);
  lbl2->resize(336, 14);
  lq::SetAlign(lbl2, lq::alBottom);
  // Right-docked controls are placed from the right edge in creation order: the scroll
  // bar on the outside, the memo next to it.
  lqknscrlbr1 = Skinned(new lq::LqSkinScrollBar(lqpanel2), data, "vscrollbar");
  lqknscrlbr1->SetKind(lq::sbVertical);
  lqknscrlbr1->resize(19, 154);
  lqknscrlbr1->setEnabled(false);
  lq::SetAlign(lqknscrlbr1, lq::alRight);
  edit1 = Skinned(new lq::LqSkinMemo2(lqpanel2), data, "memo");
  lq::LqFont memoFont;
  memoFont.name = QStringLiteral("Arial");
  memoFont.height = 14;
  edit1->SetDefaultFont(memoFont);
  edit1->SetScrollBars(lq::ssBoth);
  edit1->SetVScrollBar(lqknscrlbr1);
  edit1->resize(224, 154);
  lq::SetAlign(edit1, lq::alRight);

  lqSkinXFormButton1 = Button(lqpanel1, data, QStringLiteral("查询"), {344, 10, 73, 22});
  lqSkinXFormButton2 = Button(lqpanel1, data, QStringLiteral("停止"), {424, 10, 73, 22});
  lqSkinStdLabel5 =
      Label(lqpanel1, data, QStringLiteral("注意：广泛相关最后可能根本不相关，不过可以过滤了。"));
  lqSkinStdLabel5->move(512, 14);
  lqSkinCheckRadioBox1 = CheckBox(
      lqpanel1, data,
      QStringLiteral(
          "广泛相关（如：关键词\"QQ空间\"，找到空间、51，则继续穷举和\"空间\"、\"51\"相关的词。）"),
      {341, 35, 484, 25}, true);
  lqSkinCheckRadioBox2 =
      CheckBox(lqpanel1, data, QStringLiteral("长尾词必须包含关键词"), {341, 57, 484, 25}, false);
  lqchck1 = CheckBox(lqpanel1, data, QStringLiteral("自动保存文本到"), {342, 79, 107, 25}, false);
  edt1 = Skinned(new lq::LqSkinEdit(lqpanel1), data, "edit");
  edt1->setReadOnly(true);
  edt1->setGeometry(450, 81, 215, 21);
  btn2 = Button(lqpanel1, data, QStringLiteral("..."), {755, 80, 30, 22});
  lqknspndt1 = Skinned(new lq::LqSkinSpinEdit(lqpanel1), data, "spinedit");
  lqknspndt1->SetValueType(lq::vtInteger);
  lqknspndt1->SetIncrement(1);
  lqknspndt1->SetValue(5);
  lqknspndt1->setGeometry(670, 103, 57, 21);
  lbl3 = Label(lqpanel1, data, QStringLiteral("秒保存一次"));
  lbl3->move(736, 108);
  btn1 = Button(lqpanel1, data, QStringLiteral("过滤【不包含】左边列表关键词的长尾词"),
                {344, 106, 305, 22});
  lqSkinStdLabel4 = Skinned(new lq::LqSkinStatusPanel(lqpanel1), data, "statuspanel");
  lqSkinStdLabel4->setGeometry(344, 132, 476, 21);
  for (auto* button : {lqSkinXFormButton1, lqSkinXFormButton2, btn2, btn1}) UseOwnFont(button);

  // The file-name edit belongs to the window itself and lies over the top panel.
  edt2 = Skinned(new lq::LqSkinEdit(Client), data, "edit");
  edt2->setText(QStringLiteral("words.txt"));
  edt2->setGeometry(670, 81, 78, 21);

  lqSkinXFormButton1->OnClick = Handler<lq::LqSkinButton>(this, &TForm1::lqSkinXFormButton1Click);
  lqSkinXFormButton2->OnClick = Handler<lq::LqSkinButton>(this, &TForm1::lqSkinXFormButton2Click);
  btn1->OnClick = Handler<lq::LqSkinButton>(this, &TForm1::btn1Click);
}

void TForm1::BuildCommandBar() {
  lq::LqSkinData* data = &lqskindata1;
  lqSkinPanel1 = Skinned(new lq::LqSkinPanel(Client), data, "panel");
  lqSkinPanel1->SetBorderStyle(lq::bvFrame);
  lqSkinPanel1->resize(822, 48);
  lq::SetAlign(lqSkinPanel1, lq::alTop);
  lqSkinXFormButton4 =
      Button(lqSkinPanel1, data, QStringLiteral("全部选入导出列表"), {8, 13, 121, 25});
  lqSkinXFormButton5 =
      Button(lqSkinPanel1, data, QStringLiteral("清空导出列表"), {144, 13, 121, 25});
  lqSkinXFormButton3 =
      Button(lqSkinPanel1, data, QStringLiteral("清空全部数据"), {280, 13, 121, 25});
  lqSkinXFormButton6 =
      Button(lqSkinPanel1, data, QStringLiteral("导出为TXT文本文件"), {416, 12, 121, 25});
  lqSkinStdLabel2 =
      Label(lqSkinPanel1, data, QStringLiteral("提示：下面的列表可以【双击、右键】操作。"));
  lqSkinStdLabel2->move(552, 18);
  lqSkinXFormButton4->OnClick = Handler<lq::LqSkinButton>(this, &TForm1::lqSkinXFormButton4Click);
  lqSkinXFormButton5->OnClick = Handler<lq::LqSkinButton>(this, &TForm1::lqSkinXFormButton5Click);
  lqSkinXFormButton3->OnClick = Handler<lq::LqSkinButton>(this, &TForm1::lqSkinXFormButton3Click);
}

void TForm1::BuildTimers() {
  auto timer = [this](int interval, bool active, void (TForm1::*method)()) {
    auto* t = new QTimer(this);
    t->setInterval(interval);
    if (method)
      QObject::connect(t, &QTimer::timeout, this,
                       [this, method] { RunGuarded([&] { (this->*method)(); }); });
    if (active) t->start();
    return t;
  };
  Timer1 = timer(500, true, &TForm1::Timer1Timer);
  Timer2 = timer(500, false, &TForm1::Timer2Timer);
  // The auto-save timer; BuildExportAutoSave connects its tick.
  tmr1 = timer(5000, false, nullptr);
}

}  // namespace longtail
