#include "skin/controls/edit_context_menu.h"

#include <QMenu>
#include <QWidget>

#include "skin/data/resource_str_data.h"
#include "skin/data/skin_data.h"

namespace lq {

namespace {

EditMenuPresenter& Presenter() {
  static EditMenuPresenter presenter;
  return presenter;
}

QString Caption(const LqSkinData* skin, const char* key, const char* fallback) {
  if (skin && skin->ResourceStrData()) {
    std::string text = skin->ResourceStrData()->GetResStr(key);
    if (!text.empty()) return QString::fromStdString(text);
  }
  return QString::fromUtf8(fallback);
}

}  // namespace

std::vector<EditMenuEntry> BuildEditMenu(const EditMenuState& s, const EditMenuActions& act,
                                         const LqSkinData* skin) {
  auto item = [&](const char* key, const char* text, bool enabled, std::function<void()> fn) {
    return EditMenuEntry{QString::fromLatin1(key), Caption(skin, key, text), enabled,
                         std::move(fn)};
  };
  const EditMenuEntry separator{QString(), QStringLiteral("-"), true, {}};
  // A read-only text can only be copied from: the other entries would never be enabled.
  if (s.readOnly)
    return {item("EDIT_COPY", "复制", s.hasSelection, act.copy),
            item("EDIT_SELECTALL", "全选", !s.wholeTextSelected, act.selectAll)};
  return {
      item("EDIT_UNDO", "撤销", s.canUndo, act.undo),
      separator,
      item("EDIT_CUT", "剪切", s.hasSelection && !s.readOnly, act.cut),
      item("EDIT_COPY", "复制", s.hasSelection, act.copy),
      item("EDIT_PASTE", "粘贴", s.clipboardHasText && !s.readOnly, act.paste),
      item("EDIT_DELETE", "删除", s.hasSelection && !s.readOnly, act.clear),
      separator,
      item("EDIT_SELECTALL", "全选", !s.wholeTextSelected, act.selectAll),
  };
}

void SetEditMenuPresenter(EditMenuPresenter presenter) {
  Presenter() = std::move(presenter);
}

void ShowEditMenu(QWidget* control, std::vector<EditMenuEntry> entries, QPoint screenPos) {
  if (Presenter()) {
    Presenter()(control, std::move(entries), screenPos);
    return;
  }
  QMenu menu(control);
  for (const EditMenuEntry& e : entries) {
    if (e.IsSeparator()) {
      menu.addSeparator();
      continue;
    }
    QAction* a = menu.addAction(e.caption);
    a->setEnabled(e.enabled);
    if (e.action) QObject::connect(a, &QAction::triggered, control, e.action);
  }
  menu.exec(screenPos);
}

QPoint EditMenuPosition(QWidget* control, QPoint mouseScreenPos, bool fromKeyboard) {
  if (!fromKeyboard) return mouseScreenPos;
  return control->mapToGlobal(control->rect().center());
}

}  // namespace lq
