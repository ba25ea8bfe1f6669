#include "window_closing.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QObject>
#include <QTimer>

namespace norvane {

void delete_when_closed(QObject* closed) {
  if (!QAccessible::isActive()) {
    closed->deleteLater();
    return;
  }
  // Orca 48 takes a few hundred milliseconds to reach the focus's new place.
  QTimer::singleShot(1000, closed, &QObject::deleteLater);
  // A program ended sooner still deletes it, as its main loop returns.
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, closed, &QObject::deleteLater);
}

}  // namespace norvane
