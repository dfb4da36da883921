#include "app/gui/phrase_transfer.h"

#include <QDropEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QWidget>

namespace longtail {

QString PhrasesToText(const std::vector<std::string>& phrases) {
  QStringList lines;
  lines.reserve(static_cast<qsizetype>(phrases.size()));
  for (const std::string& phrase : phrases) lines << QString::fromStdString(phrase);
  return lines.join(QLatin1Char('\n'));
}

std::vector<std::string> PhrasesFromText(const QString& text) {
  static const QRegularExpression kLineBreak(QStringLiteral("\r\n|\n|\r"));
  std::vector<std::string> phrases;
  for (const QString& line : text.split(kLineBreak)) {
    const QString phrase = line.trimmed();
    if (!phrase.isEmpty()) phrases.push_back(phrase.toStdString());
  }
  return phrases;
}

PhraseDropTarget::PhraseDropTarget(QWidget* target, std::function<void(const QString&)> onDrop)
    : QObject(target), onDrop_(std::move(onDrop)) {
  target->setAcceptDrops(true);
  target->installEventFilter(this);
}

bool PhraseDropTarget::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      if (!drop->mimeData()->hasText() || !(drop->possibleActions() & Qt::CopyAction)) {
        drop->ignore();
        return true;
      }
      drop->setDropAction(Qt::CopyAction);
      drop->accept();
      if (event->type() == QEvent::Drop && onDrop_) onDrop_(drop->mimeData()->text());
      return true;
    }
    default:
      return false;
  }
}

}  // namespace longtail
