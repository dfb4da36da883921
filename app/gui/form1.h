#pragma once
// TForm1, the main window: the keyword memo, the run's commands and options, the
// advertisement pane, the command bar and the result and export lists, all drawn from the
// embedded skin. It drives the harvest run through the Qt dispatcher and holds the list
// commands of the two lists' popup menus, buttons and double-clicks.

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "harvest/harvest_run.h"
#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"

class QTimer;

namespace lq {
class LqLacquerForm;
class LqSkinPanel;
class LqSkinGroupBox;
class LqSkinStdLabel;
class LqSkinStatusPanel;
class LqSkinXFormButton;
class LqSkinCheckRadioBox;
class LqSkinListBox;
class LqSkinSplitter;
class LqSkinScrollBar;
class LqSkinPopupMenu;
class LqSkinMemo2;
class LqSkinEdit;
class LqSkinSpinEdit;
class LqSkinSaveDialog;
class LqSkinSelectDirectoryDialog;
class MenuItem;
}  // namespace lq

namespace longtail {

class QtDispatcher;
class QtAutoSaveTimer;
class AutoSaveSchedule;
class TAdPane;

// Where the window's services live and where the executable is.
struct Form1Settings {
  std::string suggestHost = "www.soso.com";
  std::string searchHost = "www.baidu.com";
  std::string googleHost = "www.google.com";
  std::string adUrl;   // empty: the pane stays empty
  QString programDir;  // empty: the running executable's directory
};

// The skin components come first so that they outlive every control of the window.
struct TForm1Skin {
  lq::LqCompressedStoredSkin lqcmprsdstrdskn1;
  lq::LqSkinData lqskindata1;
};

class TForm1 : private TForm1Skin, public QWidget, private HarvestHost {
 public:
  explicit TForm1(Form1Settings settings = {}, QWidget* parent = nullptr);
  ~TForm1() override;

  static QString WindowCaption();

  lq::LqSkinData& SkinData() { return lqskindata1; }
  HarvestRun& Run() { return *run_; }
  PhraseList& Results();
  PhraseList& Exports();
  // Opens a URL in the default browser; tests put their own recorder here.
  std::function<void(const std::string& url)> OpenUrl;

  // --- event handlers -----------------------------------------------------------
  void FormCreate();
  void lqSkinXFormButton1Click();  // Query
  void lqSkinXFormButton2Click();  // Stop
  void Timer1Timer();
  void Timer2Timer();
  void btn1Click();  // filter the result list
  void lqSkinListBox1ListBoxDblClick();
  void lqSkinListBox2ListBoxDblClick();
  void N1Click();         // copy the selected phrases
  void N5Click();         // copy all phrases
  void N2Click();         // delete the selected phrases of the result list
  void N4Click();         // clear the result list
  void N8Click();         // Baidu search, result list
  void N9Click();         // Google search, result list
  void MenuItem2Click();  // delete the selected phrases of the export list
  void N3Click();         // clear the export list
  void N6Click();         // Baidu search, export list
  void N7Click();         // Google search, export list
  void lqSkinXFormButton4Click();
  void lqSkinXFormButton5Click();
  void lqSkinXFormButton3Click();
  void O1Click();                  // export the export list to a text file
  void lqSkinXFormButton6Click();  // performs O1
  void lqchck1Click();             // auto-save on or off
  void btn2Click();                // choose the auto-save directory
  void lqknspndt1Change();         // auto-save period changed
  void tmr1Timer();                // one auto-save

  // --- components ------------------------------------------------------------------
  lq::LqLacquerForm* lqform1 = nullptr;
  QWidget* Client = nullptr;  // the form's client area
  lq::LqSkinPanel* lqpanel1 = nullptr;
  lq::LqSkinPanel* lqpanel2 = nullptr;
  lq::LqSkinStdLabel* lbl1 = nullptr;
  lq::LqSkinMemo2* edit1 = nullptr;
  lq::LqSkinScrollBar* lqknscrlbr1 = nullptr;
  lq::LqSkinStdLabel* lbl2 = nullptr;
  lq::LqSkinXFormButton* lqSkinXFormButton1 = nullptr;
  lq::LqSkinXFormButton* lqSkinXFormButton2 = nullptr;
  lq::LqSkinStdLabel* lqSkinStdLabel5 = nullptr;
  lq::LqSkinCheckRadioBox* lqSkinCheckRadioBox1 = nullptr;
  lq::LqSkinCheckRadioBox* lqSkinCheckRadioBox2 = nullptr;
  lq::LqSkinCheckRadioBox* lqchck1 = nullptr;
  lq::LqSkinEdit* edt1 = nullptr;
  lq::LqSkinEdit* edt2 = nullptr;
  lq::LqSkinXFormButton* btn2 = nullptr;
  lq::LqSkinSpinEdit* lqknspndt1 = nullptr;
  lq::LqSkinStdLabel* lbl3 = nullptr;
  lq::LqSkinXFormButton* btn1 = nullptr;
  lq::LqSkinStatusPanel* lqSkinStdLabel4 = nullptr;
  TAdPane* WebBrowser1 = nullptr;
  lq::LqSkinPanel* lqSkinPanel1 = nullptr;
  lq::LqSkinXFormButton* lqSkinXFormButton4 = nullptr;
  lq::LqSkinXFormButton* lqSkinXFormButton5 = nullptr;
  lq::LqSkinXFormButton* lqSkinXFormButton3 = nullptr;
  lq::LqSkinXFormButton* lqSkinXFormButton6 = nullptr;
  lq::LqSkinStdLabel* lqSkinStdLabel2 = nullptr;
  lq::LqSkinGroupBox* lqSkinGroupBox1 = nullptr;
  lq::LqSkinStdLabel* lqSkinStdLabel1 = nullptr;
  lq::LqSkinListBox* lqSkinListBox1 = nullptr;
  lq::LqSkinSplitter* lqSkinSplitter1 = nullptr;
  lq::LqSkinGroupBox* lqSkinGroupBox2 = nullptr;
  lq::LqSkinStdLabel* lqSkinStdLabel3 = nullptr;
  lq::LqSkinListBox* lqSkinListBox2 = nullptr;
  lq::LqSkinPopupMenu* lqSkinPopupMenu1 = nullptr;
  lq::LqSkinPopupMenu* lqSkinPopupMenu2 = nullptr;
  lq::MenuItem* N1 = nullptr;
  lq::MenuItem* N5 = nullptr;
  lq::MenuItem* N2 = nullptr;
  lq::MenuItem* N4 = nullptr;
  lq::MenuItem* N8 = nullptr;
  lq::MenuItem* N9 = nullptr;
  lq::MenuItem* MenuItem2 = nullptr;
  lq::MenuItem* N3 = nullptr;
  lq::MenuItem* O1 = nullptr;
  lq::MenuItem* N6 = nullptr;
  lq::MenuItem* N7 = nullptr;
  QTimer* Timer1 = nullptr;
  QTimer* Timer2 = nullptr;
  QTimer* tmr1 = nullptr;
  lq::LqSkinSaveDialog* lqSkinSaveDialog1 = nullptr;
  lq::LqSkinSelectDirectoryDialog* lqSelDir1 = nullptr;

 private:
  void LoadSkin();
  void BuildTopPanel();
  void BuildCommandBar();
  void BuildLists();
  void BuildMenus();
  void BuildTimers();
  void BuildExportAutoSave();
  void Search(lq::LqSkinListBox* list, bool google);

  // HarvestHost: what the run reads from and shows in the window.
  bool BroadRelevance() override;
  bool MustContain() override;
  std::vector<std::string> MemoLines() override;
  void ShowStatus(const std::string& text) override;
  void SetStopTimerEnabled(bool enabled) override;
  void SetResultCountLabel(const std::string& text) override;
  void SetExportCountLabel(const std::string& text) override;
  int ExportCount() override;

  Form1Settings settings_;
  std::unique_ptr<QtDispatcher> dispatcher_;
  std::unique_ptr<HarvestRun> run_;
  std::unique_ptr<QtAutoSaveTimer> autoSaveTimer_;
  std::unique_ptr<AutoSaveSchedule> autoSave_;
};

}  // namespace longtail
