#pragma once
// TForm2, the domain-list editor: created at start-up, never shown by any command. Its
// frame draws from the main window's skin data.

#include <QWidget>

namespace lq {
class TlqLacquerForm;
class TlqSkinData;
class TlqSkinMemo2;
class TlqSkinStdLabel;
class TlqSkinXFormButton;
}  // namespace lq

namespace longtail {

class TForm2 : public QWidget {
 public:
  explicit TForm2(lq::TlqSkinData* skinData, QWidget* parent = nullptr);

  lq::TlqLacquerForm* lqform1 = nullptr;
  lq::TlqSkinMemo2* mmo1 = nullptr;
  lq::TlqSkinStdLabel* lbl1 = nullptr;
  lq::TlqSkinXFormButton* btn1 = nullptr;
};

}  // namespace longtail
