#include "key_filter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <utility>

namespace norvane {

KeyPressFilter::KeyPressFilter(QLineEdit* box, Handler handler)
    : QObject(box), handler_(std::move(handler)) {
  box->installEventFilter(this);
}

bool KeyPressFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !handler_) return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  int code = 0;
  switch (key->key()) {
    case Qt::Key_Backspace:
      code = 8;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      code = 13;
      break;
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      // Tab moves between controls rather than typing; a handler that
      // discards every non-digit must not trap the focus in the box. Some
      // keyboards give Delete a character; it edits, it types nothing.
      return false;
    default:
      if (key->text().isEmpty()) return false;  // arrows, Delete, F-keys, modifiers
      code = static_cast<int>(key->text().toUcs4().front());
      break;
  }
  handler_(code);
  // Returning false lets Qt deliver the original event to `watched`, the
  // box it was typed into, even if the handler moved the focus meanwhile.
  return code == 0;
}

}  // namespace norvane
