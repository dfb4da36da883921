#pragma once
// The main window: the seed memo, the run's commands and options, the advertisement pane,
// the command bar and the result and export lists, all drawn from the embedded skin. It
// drives the harvest run through the Qt dispatcher and runs the list commands of the two
// lists' popup menus, buttons, double-clicks, keys and drag and drop; it remembers its
// settings between starts.
//
// Every control carries an objectName equal to its member's name without the trailing
// underscore ("queryButton", "resultList", ...), so that tests and tools find it with
// findChild.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "harvest/harvest_run.h"
#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"

class QDrag;
class QCloseEvent;

namespace lq {
class LqResourceStrData;
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
class AutoSaveSchedule;
class ErrorNotice;
class AdPane;
class SettingsStore;
class SourcePicker;
struct RunSession;
struct HarvestSession;

// Where the window's services live, where auto-save starts and where settings are kept.
struct MainWindowSettings {
  std::string suggestHost = "www.soso.com";
  std::string searchHost = "www.baidu.com";
  std::string googleHost = "www.google.com";
  std::string adUrl;     // empty: the pane stays empty
  std::string demoHost;  // not empty: every source is asked there (the demo mode)
  QString autoSaveDir;   // the auto-save folder until one is remembered; empty: documents
  // Where the settings are remembered (see SettingsStore); empty: nothing is remembered.
  QString settingsFile;
  // Where a run's resumable session is kept while auto-save is off (it sits beside the
  // auto-save file while auto-save is on); empty: no session is kept or offered at start.
  QString sessionDir;
};

class MainWindow : public QWidget, private HarvestHost {
  Q_OBJECT

 public:
  explicit MainWindow(MainWindowSettings settings = {}, QWidget* parent = nullptr);
  ~MainWindow() override;

  static QString windowCaption();

  lq::LqSkinData& skinData() { return skinData_; }
  HarvestRun& run() { return *run_; }
  PhraseList& results();
  PhraseList& exports();
  // Opens a URL in the default browser; tests put their own recorder here.
  void setUrlOpener(std::function<void(const std::string& url)> opener);
  // Runs a drag of result phrases (QDrag::exec); tests deliver the drop themselves.
  void setDragRunner(std::function<void(QDrag&)> runner);
  // Starts the browser on a URL; false when none could be started. The default opener
  // then copies the URL and tells the user. Tests put their own here.
  void setBrowser(std::function<bool(const std::string& url)> browser);
  // How the window asks before data is lost (true: go ahead) and tells what it could not
  // do: skinned message windows unless replaced (tests answer themselves).
  struct Messages {
    std::function<bool(const QString& question)> ask;
    std::function<void(const QString& notice)> tell;
  };
  void setMessages(Messages messages);

 public slots:
  // The harvest run.
  void startQuery();
  void stopQuery();
  void stopRunningQuery();  // Stop, only while a run goes
  // The list commands.
  void filterResultsByMemo();
  void copySelectedToExport();
  void copyAllToExport();
  void copyCurrentToExport();
  void deleteSelectedResults();
  void deleteSelectedExports();
  void deleteCurrentExport();
  void clearResults();
  void clearExports();
  void clearAllLists();
  void searchResultOnBaidu();
  void searchResultOnGoogle();
  void searchExportOnBaidu();
  void searchExportOnGoogle();
  // Clipboard and drag and drop.
  void pasteIntoExports();
  void dragSelectedResults();
  // Export and auto-save.
  void exportToTextFile();
  void chooseAutoSaveFolder();
  void applyAutoSaveSwitch();
  void applyAutoSavePeriod();
  void autoSaveResults();
  const AutoSaveSchedule& autoSave() const { return *autoSaveSchedule_; }
  const ErrorNotice& autoSaveNotice() const { return *autoSaveNotice_; }
  // Resumable sessions: while a run goes its session file is rewritten at every auto-save
  // tick (or every few seconds while auto-save is off); an interrupted one is offered at
  // the next start.
  void keepSession();
  // The file the running run's session is kept in; empty when none is kept.
  QString sessionFile() const;

 protected:
  // Asks first while a run goes or when the result list was never saved or exported.
  void closeEvent(QCloseEvent* event) override;

 private:
  void loadSkin();
  void buildTopPanel();
  void buildCommandBar();
  void buildLists();
  void buildMenus();
  void buildTimers();
  void buildExportAutoSave();
  void buildKeys();
  void buildSettings();
  void loadSettings();
  void saveSettings();
  void switchAutoSaveOnIfFolderExists();
  void buildSessions();
  void offerInterruptedSession();
  // Where a new run's session goes: beside the auto-save file while auto-save is on.
  QString sessionBasePath() const;
  QStringList sessionCandidates() const;
  void reportUnusableSession(const QString& path, const std::string& error);
  void resumeSession(const QString& path, const HarvestSession& session);
  void startSession(const QString& path, std::vector<std::string> seeds, std::string expansion);
  // The run ended (finished or stopped): its session is done and its file goes.
  void finishSession();
  // The window closes while the run goes: the session is written once more to be resumed.
  void interruptSession(bool tellFailure);
  HarvestSession sessionNow(const RunSession& session);
  void syncSessionTimer();
  QString defaultAutoSaveFolder() const;
  void copySelectionToClipboard(const PhraseList& list);
  void showStartValues();
  void searchCurrentPhrase(const PhraseList& list, bool google);
  void openInBrowser(const std::string& url);
  bool confirm(const QString& question);
  // Query is offered only while no run goes (a refusal would be overwritten at once).
  void syncQueryButton();

  // HarvestHost: what the run reads from and shows in the window.
  bool BroadRelevance() const override;
  bool MustContain() const override;
  std::vector<std::string> MemoLines() const override;
  int ExportCount() const override;
  RequestPolicy Policy() const override;
  std::vector<std::string> ExcludeWords() const override;
  int MaxDepth() const override;
  void ShowStatus(const std::string& text) override;
  void SetResultCountLabel(const std::string& text) override;
  void SetExportCountLabel(const std::string& text) override;

  MainWindowSettings settings_;
  // The skin outlives every control bound to it: the destructor deletes the controls first.
  lq::LqCompressedStoredSkin skinStore_;
  std::unique_ptr<lq::LqResourceStrData> skinTexts_;  // the English face's skin texts
  lq::LqSkinData skinData_;
  std::unique_ptr<QtDispatcher> dispatcher_;
  std::unique_ptr<HarvestRun> run_;
  std::function<void(const std::string& url)> urlOpener_;
  std::function<void(QDrag&)> dragRunner_;
  std::unique_ptr<SettingsStore> settingsStore_;
  std::function<bool(const std::string& url)> browser_;
  Messages messages_;
  int resultsWrittenCount_ = 0;  // the result list's size at its last auto-save or export
  int autoSaveTakenCount_ = 0;   // its size when the running auto-save took its snapshot

  lq::LqLacquerForm* frame_ = nullptr;
  QWidget* client_ = nullptr;

  // Top panel: seeds on the left, the run's commands and options on the right.
  lq::LqSkinPanel* topPanel_ = nullptr;
  lq::LqSkinPanel* seedsPanel_ = nullptr;
  lq::LqSkinStdLabel* seedsLabel_ = nullptr;
  lq::LqSkinMemo2* seedsMemo_ = nullptr;
  lq::LqSkinScrollBar* seedsScrollBar_ = nullptr;
  lq::LqSkinStdLabel* seedsNoteLabel_ = nullptr;
  lq::LqSkinXFormButton* queryButton_ = nullptr;
  lq::LqSkinXFormButton* stopButton_ = nullptr;
  lq::LqSkinStdLabel* broadRelevanceNoteLabel_ = nullptr;
  lq::LqSkinCheckRadioBox* broadRelevanceBox_ = nullptr;
  lq::LqSkinCheckRadioBox* mustContainBox_ = nullptr;
  lq::LqSkinCheckRadioBox* expandBox_ = nullptr;
  SourcePicker* sourcePicker_ = nullptr;
  lq::LqSkinCheckRadioBox* autoSaveBox_ = nullptr;
  lq::LqSkinEdit* autoSaveFolderEdit_ = nullptr;
  lq::LqSkinEdit* autoSaveFileEdit_ = nullptr;
  lq::LqSkinXFormButton* chooseFolderButton_ = nullptr;
  lq::LqSkinSpinEdit* autoSavePeriodEdit_ = nullptr;
  lq::LqSkinStdLabel* autoSavePeriodLabel_ = nullptr;
  lq::LqSkinStdLabel* pacingLabel_ = nullptr;
  lq::LqSkinSpinEdit* pacingDelayEdit_ = nullptr;  // ms between two requests to a service
  // The live filters, in the free column under the seeds caption.
  lq::LqSkinStdLabel* excludeLabel_ = nullptr;
  lq::LqSkinEdit* excludeEdit_ = nullptr;  // words separated by spaces or commas
  lq::LqSkinStdLabel* maxDepthLabel_ = nullptr;
  lq::LqSkinSpinEdit* maxDepthEdit_ = nullptr;  // 0: no limit
  lq::LqSkinStdLabel* pacingUnitLabel_ = nullptr;
  lq::LqSkinXFormButton* filterButton_ = nullptr;
  lq::LqSkinStatusPanel* statusPanel_ = nullptr;

  AdPane* adPane_ = nullptr;

  // Command bar.
  lq::LqSkinPanel* commandBar_ = nullptr;
  lq::LqSkinXFormButton* copyAllButton_ = nullptr;
  lq::LqSkinXFormButton* clearExportsButton_ = nullptr;
  lq::LqSkinXFormButton* clearAllButton_ = nullptr;
  lq::LqSkinXFormButton* exportButton_ = nullptr;
  lq::LqSkinStdLabel* listsHintLabel_ = nullptr;

  // The two lists and their popup menus.
  lq::LqSkinGroupBox* resultGroup_ = nullptr;
  lq::LqSkinStdLabel* resultCountLabel_ = nullptr;
  lq::LqSkinListBox* resultList_ = nullptr;
  lq::LqSkinSplitter* listSplitter_ = nullptr;
  lq::LqSkinGroupBox* exportGroup_ = nullptr;
  lq::LqSkinStdLabel* exportCountLabel_ = nullptr;
  lq::LqSkinListBox* exportList_ = nullptr;
  // The lists' items, owned by the list boxes that view them.
  PhraseList* results_ = nullptr;
  PhraseList* exports_ = nullptr;
  lq::LqSkinPopupMenu* resultMenu_ = nullptr;
  lq::LqSkinPopupMenu* exportMenu_ = nullptr;
  lq::MenuItem* copyAllItem_ = nullptr;  // the command bar's copy button performs it

  // Ticks run autoSaveResults; its QTimer ("autoSaveTimer") is the window's child.
  std::unique_ptr<PeriodicTimer> autoSaveTimer_;
  lq::LqSkinSaveDialog* saveDialog_ = nullptr;
  lq::LqSkinSelectDirectoryDialog* folderDialog_ = nullptr;
  std::unique_ptr<AutoSaveSchedule> autoSaveSchedule_;
  std::unique_ptr<ErrorNotice> autoSaveNotice_;

  // The session of the run that goes, and the timer that keeps it while auto-save is off.
  std::unique_ptr<RunSession> session_;
  QTimer* sessionTimer_ = nullptr;
  std::unique_ptr<ErrorNotice> sessionNotice_;
};

}  // namespace longtail
