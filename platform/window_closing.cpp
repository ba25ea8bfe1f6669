#include "window_closing.h"

#include <QAccessible>
#include <QEventLoop>
#include <QTimer>

namespace norvane {

void let_screen_reader_catch_up() {
  if (!QAccessible::isActive()) return;
  // Orca 48 takes a few hundred milliseconds to reach the focus's new place.
  QEventLoop settle;
  QTimer::singleShot(1000, &settle, &QEventLoop::quit);
  settle.exec();
}

}  // namespace norvane
