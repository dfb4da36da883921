#pragma once
// TForm2, the domain-list editor: created at start-up, never shown by any command. Its
// frame draws from the main window's skin data.

#include <QWidget>

namespace lq {
class LqLacquerForm;
class LqSkinData;
class LqSkinMemo2;
class LqSkinStdLabel;
class LqSkinXFormButton;
}  // namespace lq

namespace longtail {

class TForm2 : public QWidget {
 public:
  explicit TForm2(lq::LqSkinData* skinData, QWidget* parent = nullptr);

  lq::LqLacquerForm* lqform1 = nullptr;
  lq::LqSkinMemo2* mmo1 = nullptr;
  lq::LqSkinStdLabel* lbl1 = nullptr;
  lq::LqSkinXFormButton* btn1 = nullptr;
};

}  // namespace longtail
