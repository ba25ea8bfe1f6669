#include "direct_entry_box.h"

#include <QApplication>

namespace norvane {

namespace {

// QLineEdit asks for the input panel after a click or a key release if
// only the application allows it; the box never wants it, so the request
// is switched off for the base handler's run alone.
template <typename Release>
void without_input_panel(Release&& release) {
  const bool allowed = qApp->autoSipEnabled();
  qApp->setAutoSipEnabled(false);
  release();
  qApp->setAutoSipEnabled(allowed);
}

}  // namespace

DirectEntryBox::DirectEntryBox(QWidget* parent) : QLineEdit(parent) {
  setAttribute(Qt::WA_InputMethodEnabled, false);
}

QVariant DirectEntryBox::inputMethodQuery(Qt::InputMethodQuery query) const {
  // The platform asks this on focus and at every update; false keeps its
  // input method (and the compositor's text-input) off the box.
  if (query == Qt::ImEnabled) return false;
  return QLineEdit::inputMethodQuery(query);
}

void DirectEntryBox::mouseReleaseEvent(QMouseEvent* event) {
  without_input_panel([&] { QLineEdit::mouseReleaseEvent(event); });
}

void DirectEntryBox::keyReleaseEvent(QKeyEvent* event) {
  without_input_panel([&] { QLineEdit::keyReleaseEvent(event); });
}

}  // namespace norvane
