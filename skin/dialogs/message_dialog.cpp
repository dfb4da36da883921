#include "skin/dialogs/message_dialog.h"

#include <QFontMetrics>
#include <algorithm>

#include "skin/controls/skin_button.h"
#include "skin/controls/skin_labels.h"
#include "skin/dialogs/dialog_frame.h"

namespace lq {
namespace {

constexpr int kMargin = 14;
constexpr int kTextWidth = 300;
constexpr int kWidestText = 600;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 10;

LqSkinButton* MakeButton(QWidget* parent, LqSkinData* skin, const QString& caption) {
  auto* b = new LqSkinButton(parent);
  b->SetSkinData(skin);
  b->SetCaption(caption);
  return b;
}

}  // namespace

LqSkinMessageForm::LqSkinMessageForm(const QString& caption, const QString& text, Buttons buttons,
                                     LqSkinData* skin, LqSkinData* ctrlSkin, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(caption);
  auto* frame = new DialogFrame(*this, skin, ctrlSkin, QSize());
  QWidget* client = &frame->Client();
  text_ = new LqSkinStdLabel(client);
  text_->SetSkinData(ctrlSkin);
  text_->SetWordWrap(true);
  text_->SetCaption(text);
  // The window widens for a long unbreakable line (an address), up to a limit.
  const QFontMetrics metrics(text_->CurrentFont());
  int widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n')))
    widest = std::max(widest, metrics.horizontalAdvance(line) + 4);
  const int textWidth = std::clamp(widest, kTextWidth, kWidestText);
  const QRect needed =
      metrics.boundingRect(QRect(0, 0, textWidth, 10000), Qt::TextWordWrap | Qt::AlignLeft, text);
  const int textHeight = std::max(needed.height(), metrics.height());
  text_->setGeometry(kMargin, kMargin, textWidth, textHeight);

  ok_ = MakeButton(client, ctrlSkin, QStringLiteral("确定"));
  ok_->SetDefault(true);
  connect(ok_, &LqSkinButton::clicked, this, [this] { accept(); });
  if (buttons == Buttons::OkCancel) {
    cancel_ = MakeButton(client, ctrlSkin, QStringLiteral("取消"));
    cancel_->Cancel = true;
    connect(cancel_, &LqSkinButton::clicked, this, [this] { reject(); });
  } else {
    ok_->Cancel = true;
  }
  connect(&frame->Client(), &DialogClient::resized, this, [this, client] {
    const int top = client->height() - kMargin - kButtonHeight;
    int right = client->width() - kMargin;
    for (LqSkinButton* b : {cancel_, ok_}) {
      if (!b) continue;
      b->SetBounds(QRect(right - kButtonWidth, top, kButtonWidth, kButtonHeight));
      right -= kButtonWidth + kButtonGap;
    }
  });
  frame->SetClientSize(
      QSize(textWidth + 2 * kMargin, kMargin + textHeight + kMargin + kButtonHeight + kMargin));
}

bool AskSkinned(QWidget* parent, LqSkinData* skin, const QString& caption, const QString& text) {
  LqSkinMessageForm form(caption, text, LqSkinMessageForm::Buttons::OkCancel, skin, skin, parent);
  return form.exec() == QDialog::Accepted;
}

void TellSkinned(QWidget* parent, LqSkinData* skin, const QString& caption, const QString& text) {
  LqSkinMessageForm form(caption, text, LqSkinMessageForm::Buttons::Ok, skin, skin, parent);
  form.exec();
}

}  // namespace lq
