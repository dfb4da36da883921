// The main window's keys, clipboard and drag and drop: window-wide shortcuts for Query,
// Stop and Export, shown in the buttons' hints; copy, paste and delete on the focused list;
// dragging result phrases into the export list.
#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QKeySequence>
#include <QMimeData>
#include <QShortcut>

#include "app/gui/list_commands.h"
#include "app/gui/main_window.h"
#include "app/gui/phrase_transfer.h"
#include "app/gui/skinned_controls.h"
#include "skin/controls/list_box.h"
#include "skin/controls/skin_button.h"

namespace longtail {

namespace {

// "Caption (F5)": the hint of a button that a shortcut also presses.
QString HintWithKeys(const QString& caption, const QKeySequence& keys) {
  return QStringLiteral("%1 (%2)").arg(caption, keys.toString(QKeySequence::NativeText));
}

}  // namespace

void MainWindow::buildKeys() {
  auto shortcut = [this](const char* name, const QKeySequence& keys, QWidget* scope,
                         Qt::ShortcutContext context, std::function<void()> command) {
    auto* s = new QShortcut(keys, scope);
    s->setObjectName(QString::fromLatin1(name));
    s->setContext(context);
    QObject::connect(s, &QShortcut::activated, this,
                     [command = std::move(command)] { RunGuarded(command); });
    return s;
  };
  auto command = [this](void (MainWindow::*f)()) { return [this, f] { (this->*f)(); }; };

  const QKeySequence queryKeys(Qt::Key_F5), stopKeys(Qt::Key_Escape),
      exportKeys(QKeySequence::Save);
  shortcut("queryShortcut", queryKeys, this, Qt::WindowShortcut, command(&MainWindow::startQuery));
  shortcut("stopShortcut", stopKeys, this, Qt::WindowShortcut,
           command(&MainWindow::stopRunningQuery));
  shortcut("exportShortcut", exportKeys, this, Qt::WindowShortcut,
           command(&MainWindow::exportToTextFile));
  queryButton_->setToolTip(HintWithKeys(tr("查询"), queryKeys));
  stopButton_->setToolTip(HintWithKeys(tr("停止查询"), stopKeys));
  exportButton_->setToolTip(HintWithKeys(tr("导出为文本文件"), exportKeys));

  // List keys act on the list that has the focus.
  for (lq::LqSkinListBox* list : {resultList_, exportList_}) {
    QWidget* view = list->ListBox();
    const bool isResults = list == resultList_;
    shortcut(isResults ? "resultCopyShortcut" : "exportCopyShortcut", QKeySequence::Copy, view,
             Qt::WidgetShortcut,
             [this, isResults] { copySelectionToClipboard(isResults ? results() : exports()); });
    shortcut(isResults ? "resultDeleteShortcut" : "exportDeleteShortcut",
             QKeySequence(Qt::Key_Delete), view, Qt::WidgetShortcut,
             command(isResults ? &MainWindow::deleteSelectedResults
                               : &MainWindow::deleteSelectedExports));
  }
  shortcut("exportPasteShortcut", QKeySequence::Paste, exportList_->ListBox(), Qt::WidgetShortcut,
           command(&MainWindow::pasteIntoExports));

  dragRunner_ = [](QDrag& drag) { drag.exec(Qt::CopyAction); };
  resultList_->ListBox()->SetSelectionDraggable(true);
  connect(resultList_->ListBox(), &lq::LqListBox::dragStarted, this,
          Guarded(this, &MainWindow::dragSelectedResults));
  new PhraseDropTarget(exportList_->ListBox(), [this](const QString& text) {
    AddPhrases(PhrasesFromText(text), exports());
  });
}

void MainWindow::setDragRunner(std::function<void(QDrag&)> runner) {
  dragRunner_ = std::move(runner);
}

void MainWindow::stopRunningQuery() {
  if (run_->Running()) stopQuery();
}

void MainWindow::copySelectionToClipboard(const PhraseList& list) {
  const std::vector<std::string> selected = SelectedPhrases(list);
  if (selected.empty()) return;  // the clipboard keeps what it holds
  QApplication::clipboard()->setText(PhrasesToText(selected));
}

void MainWindow::pasteIntoExports() {
  AddPhrases(PhrasesFromText(QApplication::clipboard()->text()), exports());
}

void MainWindow::dragSelectedResults() {
  const std::vector<std::string> selected = SelectedPhrases(results());
  if (selected.empty()) return;
  auto* data = new QMimeData;
  data->setText(PhrasesToText(selected));
  // Qt deletes a drag once it has run; one that never runs goes with the list.
  auto* drag = new QDrag(resultList_->ListBox());
  drag->setMimeData(data);
  if (dragRunner_) dragRunner_(*drag);
}

}  // namespace longtail
