#pragma once
// Desktop notifications through the freedesktop notification service on
// the session bus, called directly: KNotifications has no Qt 6 package on
// Debian 12.
#include <QString>

namespace norvane {

class Notifications {
 public:
  // Empty when the session bus answers and a notification service is on it
  // (or can be started), else why not, as one line.
  QString unavailable() const;
  // Why the call failed, empty when the service took it.
  QString notify(const QString& summary, const QString& body) const;
};

}  // namespace norvane
