// Export and auto-save of TForm1: the save dialog writes the export list, the auto-save
// schedule writes the result list every N seconds into the folder and file of the top panel.

#include <QApplication>
#include <QDir>
#include <QTimer>

#include "app/gui/error_display.h"
#include "app/gui/export_autosave.h"
#include "app/gui/form1.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/edit.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/spin_edit.h"
#include "skin/frame/menu_item.h"

namespace longtail {

void TForm1::BuildExportAutoSave() {
  lqSkinSaveDialog1 = new lq::LqSkinSaveDialog(this);
  lqSkinSaveDialog1->SkinData = &lqskindata1;
  lqSkinSaveDialog1->CtrlSkinData = &lqskindata1;
  lqSkinSaveDialog1->Title = QStringLiteral("导出为TXT文件");
  lqSkinSaveDialog1->Filter = QStringLiteral("文本文件|*.txt");
  lqSkinSaveDialog1->FilterIndex = 1;
  lqSkinSaveDialog1->LVHeaderSkinDataName = "button";
  // A new folder that cannot be made goes to the application's error display.
  lqSkinSaveDialog1->ShowError = [](const QString& text) {
    ShowApplicationError(text, QApplication::activeWindow());
  };

  lqSelDir1 = new lq::LqSkinSelectDirectoryDialog(this);
  lqSelDir1->SkinData = &lqskindata1;
  lqSelDir1->CtrlSkinData = &lqskindata1;
  lqSelDir1->Title = QStringLiteral("选择目录");
  lqSelDir1->ShowToolBar = false;

  autoSaveTimer_ = std::make_unique<QtAutoSaveTimer>(*tmr1);
  AutoSaveSchedule::Sources sources;
  sources.directory = [this] { return LocalPath(edt1->text()); };
  sources.fileName = [this] { return LocalPath(edt2->text()); };
  sources.phrases = [this] { return Results().Items(); };
  sources.write = [](const std::string& path, const std::vector<std::string>& phrases,
                     std::string& error) { return WriteKeywordListFile(path, phrases, error); };
  sources.reportError = [this](const std::string& error) {
    ShowApplicationError(QString::fromLocal8Bit(error.c_str()), this);
  };
  autoSave_ = std::make_unique<AutoSaveSchedule>(*autoSaveTimer_, std::move(sources));
  autoSave_->SetPeriodSeconds(static_cast<int>(lqknspndt1->Value()));

  auto guarded = [this](void (TForm1::*method)()) {
    return [this, method] { RunGuarded([&] { (this->*method)(); }); };
  };
  O1->OnClick = guarded(&TForm1::O1Click);
  lqSkinXFormButton6->OnClick =
      [run = guarded(&TForm1::lqSkinXFormButton6Click)](lq::LqSkinButton*) { run(); };
  lqchck1->OnClick = [run = guarded(&TForm1::lqchck1Click)](lq::LqSkinCheckRadioBox*) { run(); };
  btn2->OnClick = [run = guarded(&TForm1::btn2Click)](lq::LqSkinButton*) { run(); };
  lqknspndt1->OnChange = [run = guarded(&TForm1::lqknspndt1Change)](lq::LqSkinSpinEdit*) { run(); };
  QObject::connect(tmr1, &QTimer::timeout, this, guarded(&TForm1::tmr1Timer));
}

void TForm1::O1Click() {
  ExportKeywordList(*lqSkinSaveDialog1, Exports().Items(),
                    [this](const QString& error) { ShowApplicationError(error, this); });
}

// The command-bar button performs the menu item.
void TForm1::lqSkinXFormButton6Click() {
  O1Click();
}

void TForm1::lqchck1Click() {
  autoSave_->SetEnabled(lqchck1->Checked());
}

void TForm1::btn2Click() {
  if (lqSelDir1->Execute()) edt1->setText(lqSelDir1->Directory);
}

void TForm1::lqknspndt1Change() {
  autoSave_->SetPeriodSeconds(static_cast<int>(lqknspndt1->Value()));
}

void TForm1::tmr1Timer() {
  autoSave_->Tick();
}

}  // namespace longtail
