#pragma once
// The Execute of the dialog components: one modal run of the component's window.

#include <QApplication>
#include <QDialog>
#include <QPointer>

namespace lq {

// Builds Form for the component, keeps it in `showing` while it runs (a second Execute
// meanwhile does nothing) and emits the component's shown() and closed() around the run.
// True when the user confirmed.
template <typename Form, typename Component>
bool ExecuteModal(Component& component, QPointer<Form>& showing) {
  if (showing) return false;  // already showing
  Form form(component, QApplication::activeWindow());
  showing = &form;
  emit component.shown();
  const bool confirmed = form.exec() == QDialog::Accepted;
  showing = nullptr;
  emit component.closed();
  return confirmed;
}

}  // namespace lq
