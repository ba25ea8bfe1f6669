#pragma once
// Ends the event loop once the watched window's first paint has returned.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>

class FirstPaintQuit : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // Queued, so it runs after this paint and the flush that follows it.
      QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                Qt::QueuedConnection);
    }
    return false;
  }

 private:
  bool seen_ = false;
};
