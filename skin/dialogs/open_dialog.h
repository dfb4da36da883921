#pragma once
// LqSkinOpenDialog and LqSkinSaveDialog: non-visual components that, on each Execute,
// build a modal skinned file window (LqOpenDlgForm), show it and hand the answer back
// through FileName. Only FileName, FilterIndex, the dialog size and the view style carry
// over from one execution to the next.

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <string>

#include "skin/controls/control_style.h"
#include "skin/dialogs/view_style.h"

namespace lq {

class LqSkinData;
class LqOpenDlgForm;

class LqSkinOpenDialog : public QObject {
  Q_OBJECT

 public:
  explicit LqSkinOpenDialog(QObject* parent = nullptr);
  ~LqSkinOpenDialog() override;

  bool ShowHiddenFiles = false;
  bool ToolButtonsTransparent = false;
  bool OverwritePromt = false;
  QString DefaultExt;
  int DialogWidth = 0, DialogHeight = 0;
  int DialogMinWidth = 0, DialogMinHeight = 0;
  bool CheckFileExists = true;
  bool MultiSelection = false;
  bool AlphaBlend = false;
  int AlphaBlendValue = 225;
  bool AlphaBlendAnimation = false;
  bool CtrlAlphaBlend = false;
  int CtrlAlphaBlendValue = 225;
  bool CtrlAlphaBlendAnimation = false;
  std::string LVHeaderSkinDataName = "resizebutton";
  LqSkinData* SkinData = nullptr;
  LqSkinData* CtrlSkinData = nullptr;
  LqFont DefaultFont;
  QString Title = QStringLiteral("Open file");
  QString InitialDir;
  QString Filter = QStringLiteral("All files|*.*");
  int FilterIndex = 1;

  QString FileName() const { return FileName_; }
  // Also sets the file name edit of an open window.
  void SetFileName(const QString& name);

  bool SaveMode() const { return saveMode_; }
  FileViewStyle ViewStyle() const { return viewStyle_; }

  // Shows the file window modally; true when the user confirmed a file, and then
  // FileName holds its full path.
  bool Execute();
  // The window while Execute runs, else null.
  LqOpenDlgForm* Form() const;

  // Shows a file error (a new folder that cannot be made); a critical message box
  // captioned with the application name unless replaced.
  void SetErrorPresenter(std::function<void(const QString& text)> show) {
    showError_ = std::move(show);
  }
  // Asks before an existing file is replaced (with OverwritePromt); a yes/no message box
  // unless replaced.
  void SetOverwriteQuestion(std::function<bool(const QString& question)> ask) {
    askOverwrite_ = std::move(ask);
  }
  // Shows the properties of a listed item (Alt+Enter); a skinned properties window
  // unless replaced.
  void SetPropertiesPresenter(std::function<void(const QString& path)> show) {
    showProperties_ = std::move(show);
  }

 signals:
  void folderChanged();
  void shown();
  void closed();

 protected:
  LqSkinOpenDialog(bool saveMode, QObject* parent);

 private:
  std::function<void(const QString&)> showError_;
  std::function<bool(const QString&)> askOverwrite_;
  std::function<void(const QString&)> showProperties_;
  friend class LqOpenDlgForm;
  bool saveMode_ = false;
  QString FileName_;
  FileViewStyle viewStyle_ = FileViewStyle::List;
  QPointer<LqOpenDlgForm> form_;
};

class LqSkinSaveDialog : public LqSkinOpenDialog {
 public:
  explicit LqSkinSaveDialog(QObject* parent = nullptr);
};

}  // namespace lq
