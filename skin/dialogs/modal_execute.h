#pragma once
// The Execute of the dialog components: one modal run of the component's window.

#include <QApplication>
#include <QDialog>
#include <QPointer>

namespace lq {

// Builds Form for the component, keeps it in `showing` while it runs (a second Execute
// meanwhile does nothing) and runs the component's OnShow and OnClose around the run.
// True when the user confirmed.
template <typename Form, typename Component>
bool ExecuteModal(Component& component, QPointer<Form>& showing) {
  if (showing) return false;  // already showing
  Form form(component, QApplication::activeWindow());
  showing = &form;
  if (component.OnShow) component.OnShow();
  const bool confirmed = form.exec() == QDialog::Accepted;
  showing = nullptr;
  if (component.OnClose) component.OnClose();
  return confirmed;
}

}  // namespace lq
