#pragma once
// The skinned message window: a caption, a wrapped message and either 确定 alone (a
// notice) or 确定 and 取消 (a question), in the skinned dialog frame. Enter answers 确定,
// Escape 取消.

#include <QDialog>
#include <QString>

#include "skin/controls/control_style.h"

namespace lq {

class LqSkinData;
class LqSkinButton;
class LqSkinStdLabel;

class LqSkinMessageForm : public QDialog {
 public:
  enum class Buttons { Ok, OkCancel };

  LqSkinMessageForm(const QString& caption, const QString& text, Buttons buttons, LqSkinData* skin,
                    LqSkinData* ctrlSkin, QWidget* parent = nullptr);

  LqSkinStdLabel* TextLabel() const { return text_; }
  LqSkinButton* OkButton() const { return ok_; }
  LqSkinButton* CancelButton() const { return cancel_; }  // null for a notice

 private:
  LqSkinStdLabel* text_ = nullptr;
  LqSkinButton* ok_ = nullptr;
  LqSkinButton* cancel_ = nullptr;
};

// Shows the question modally over `parent`; true when the user chose 确定.
bool AskSkinned(QWidget* parent, LqSkinData* skin, const QString& caption, const QString& text);
// Shows the notice modally over `parent` until 确定.
void TellSkinned(QWidget* parent, LqSkinData* skin, const QString& caption, const QString& text);

}  // namespace lq
