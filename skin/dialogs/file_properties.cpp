#include "skin/dialogs/file_properties.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "skin/controls/skin_button.h"
#include "skin/controls/skin_labels.h"
#include "skin/dialogs/dialog_frame.h"
#include "skin/dialogs/file_texts.h"

namespace lq {
namespace {

constexpr int kRowHeight = 22;
constexpr int kLabelLeft = 10;
constexpr int kValueLeft = 80;
constexpr int kClientWidth = 340;

// What a folder holds directly (not recursively, so huge trees answer at once).
QString FolderContents(const QString& path) {
  int files = 0, folders = 0;
  QDirIterator it(path, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
  while (it.hasNext()) {
    it.next();
    if (it.fileInfo().isDir())
      ++folders;
    else
      ++files;
  }
  return QCoreApplication::translate("lq::FileProperties", "%1 个文件，%2 个文件夹")
      .arg(files)
      .arg(folders);
}

QString Attributes(const QFileInfo& info) {
  QStringList list;
  if (!info.isWritable()) list << QCoreApplication::translate("lq::FileProperties", "只读");
  if (info.isHidden()) list << QCoreApplication::translate("lq::FileProperties", "隐藏");
  if (info.isSymLink()) list << QCoreApplication::translate("lq::FileProperties", "链接");
  return list.isEmpty() ? QCoreApplication::translate("lq::FileProperties", "无")
                        : list.join(QCoreApplication::translate("lq::FileProperties", "，"));
}

LqSkinStdLabel* Label(QWidget* parent, LqSkinData* skin, const LqFont& font, const QString& text,
                      const QRect& bounds) {
  auto* label = new LqSkinStdLabel(parent);
  label->SetSkinData(skin);
  label->SetDefaultFont(font);
  label->SetCaption(text);
  label->setGeometry(bounds);
  return label;
}

}  // namespace

PropertyRows FilePropertyRows(const QFileInfo& info) {
  PropertyRows rows;
  rows.emplace_back(QCoreApplication::translate("lq::FileProperties", "名称:"),
                    info.fileName().isEmpty() ? info.absoluteFilePath() : info.fileName());
  rows.emplace_back(QCoreApplication::translate("lq::FileProperties", "类型:"), ItemTypeText(info));
  rows.emplace_back(QCoreApplication::translate("lq::FileProperties", "位置:"),
                    QDir::toNativeSeparators(info.absolutePath()));
  if (info.isDir())
    rows.emplace_back(QCoreApplication::translate("lq::FileProperties", "包含:"),
                      FolderContents(info.absoluteFilePath()));
  else
    rows.emplace_back(QCoreApplication::translate("lq::FileProperties", "大小:"),
                      LongSizeText(info.size()));
  rows.emplace_back(QCoreApplication::translate("lq::FileProperties", "修改时间:"),
                    info.lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
  rows.emplace_back(QCoreApplication::translate("lq::FileProperties", "属性:"), Attributes(info));
  return rows;
}

LqFilePropertiesForm::LqFilePropertiesForm(const QString& path, LqSkinData* skin,
                                           LqSkinData* ctrlSkin, const LqFont& font,
                                           QWidget* parent)
    : QDialog(parent) {
  const QFileInfo info(path);
  rows_ = FilePropertyRows(info);
  setWindowTitle(rows_.front().second + QCoreApplication::translate("lq::FileProperties", " 属性"));
  auto* frame = new DialogFrame(*this, skin, ctrlSkin, QSize());
  QWidget* client = &frame->Client();
  int y = 10;
  for (const auto& [label, value] : rows_) {
    Label(client, ctrlSkin, font, label, QRect(kLabelLeft, y, kValueLeft - kLabelLeft, 18));
    Label(client, ctrlSkin, font, value, QRect(kValueLeft, y, kClientWidth - kValueLeft - 10, 18))
        ->SetEllipsType(label == QCoreApplication::translate("lq::FileProperties", "位置:")
                            ? EllipsisStyle::Path
                            : EllipsisStyle::End);
    y += kRowHeight;
  }
  ok_ = new LqSkinButton(client);
  ok_->SetSkinData(ctrlSkin);
  ok_->SetDefaultFont(font);
  ok_->SetCaption(QCoreApplication::translate("lq::FileProperties", "确定"));
  ok_->SetDefault(true);
  ok_->Cancel = true;
  connect(ok_, &LqSkinButton::clicked, this, [this] { accept(); });
  const int height = y + 10 + 25 + 10;
  connect(&frame->Client(), &DialogClient::resized, this, [this, client] {
    ok_->SetBounds(QRect(client->width() - 80, client->height() - 35, 70, 25));
  });
  frame->SetClientSize(QSize(kClientWidth, height));
}

}  // namespace lq
