#include "app/gui/form2.h"

#include "skin/controls/align_layout.h"
#include "skin/controls/memo.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_labels.h"
#include "skin/frame/lacquer_form.h"

namespace longtail {

TForm2::TForm2(lq::LqSkinData* skinData, QWidget* parent) : QWidget(parent) {
  setWindowTitle(QStringLiteral("编辑待查询域名列表"));
  lqform1 = new lq::LqLacquerForm(this);
  lqform1->SetSkinData(skinData);
  auto* client = new QWidget(this);
  new lq::LqAlignLayout(this, [this] { return contentsRect(); });
  lq::SetAlign(client, lq::alClient);

  mmo1 = new lq::LqSkinMemo2(client);
  mmo1->SetSkinDataName("memo");
  mmo1->SetSkinData(skinData);
  mmo1->setGeometry(8, 8, 300, 200);
  lbl1 = new lq::LqSkinStdLabel(client);
  lbl1->SetSkinDataName("stdlabel");
  lbl1->SetSkinData(skinData);
  lbl1->SetCaption(QStringLiteral("每行只能填写一个域名，WWW和不带WWW的查询结果不同。"));
  lbl1->move(8, 216);
  // "保存设置" saves nothing: the domain list is not used by any command.
  btn1 = new lq::LqSkinXFormButton(client);
  btn1->SetSkinDataName("button");
  btn1->SetSkinData(skinData);
  btn1->SetCaption(QStringLiteral("保存设置"));
  btn1->setGeometry(8, 240, 75, 25);
  lqform1->SetClientSize(320, 275);
}

}  // namespace longtail
