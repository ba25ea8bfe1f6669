#pragma once
// Desktop notifications through the freedesktop notification service on
// the session bus, called directly: KNotifications has no Qt 6 package on
// Debian 12.
#include <QList>
#include <QString>

namespace norvane {

class Notifications {
 public:
  // Empty when the session bus answers and a notification service is on it
  // (or can be started), else why not, as one line.
  QString unavailable() const;
  // Each notification a summary and a body. The calls are handed to the bus
  // without waiting for the service's answers: a notification server shows
  // one at a time, and a large family would keep the program waiting for
  // seconds. Why the bus did not take them, empty when it did.
  QString notify(const QList<std::pair<QString, QString>>& notifications) const;
};

}  // namespace norvane
