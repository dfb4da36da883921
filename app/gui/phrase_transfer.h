#pragma once
// Phrases leaving and entering the lists as text: the clipboard and drag and drop carry
// them one a line. The lists hold UTF-8; the text is Unicode.

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace longtail {

// One phrase a line, lines separated by LF.
QString PhrasesToText(const std::vector<std::string>& phrases);
// The lines of `text` (split at LF, CR LF and lone CR), trimmed, empty ones left out.
std::vector<std::string> PhrasesFromText(const QString& text);

// Lets `target` take text dropped on it (copying, never moving) and hands that text to
// `onDrop`. Lives as a child of the target.
class PhraseDropTarget : public QObject {
 public:
  PhraseDropTarget(QWidget* target, std::function<void(const QString& text)> onDrop);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(const QString&)> onDrop_;
};

}  // namespace longtail
