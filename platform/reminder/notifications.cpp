#include "notifications.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QVariantMap>

namespace norvane {

namespace {
constexpr auto kService = "org.freedesktop.Notifications";
constexpr auto kPath = "/org/freedesktop/Notifications";
// The service's own default timeout, in milliseconds.
constexpr int kDefaultTimeout = -1;
constexpr uchar kNormalUrgency = 1;

QDBusMessage call(const QString& method, const QVariantList& arguments = {}) {
  QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, kService, method);
  message.setArguments(arguments);
  return QDBusConnection::sessionBus().call(message);
}

QString error_of(const QDBusMessage& reply) {
  if (reply.type() != QDBusMessage::ErrorMessage) return {};
  return reply.errorName() + ": " + reply.errorMessage();
}
}  // namespace

QString Notifications::unavailable() const {
  if (!QDBusConnection::sessionBus().isConnected()) {
    return "no D-Bus session bus: " + QDBusConnection::sessionBus().lastError().message();
  }
  // Starts an activatable service that is not running yet.
  if (const QString error = error_of(call("GetServerInformation")); !error.isEmpty()) {
    return QString("no notification service on the session bus (%1)").arg(error);
  }
  return {};
}

QString Notifications::notify(const QList<std::pair<QString, QString>>& notifications) const {
  const QVariantMap hints{{"desktop-entry", QString(NORVANE_APP_ID)},
                          {"urgency", QVariant::fromValue(kNormalUrgency)}};
  QDBusConnection bus = QDBusConnection::sessionBus();
  for (const auto& [summary, body] : notifications) {
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, kService, "Notify");
    message.setArguments({QString("Norvane"), 0U, QString(NORVANE_APP_ID), summary, body,
                          QStringList(), hints, kDefaultTimeout});
    if (!bus.send(message)) return bus.lastError().message();
  }
  // The bus answers this only once it has read every call before it, so
  // none is lost when the program ends.
  const QDBusMessage ping = bus.call(QDBusMessage::createMethodCall(
      "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus.Peer", "Ping"));
  return error_of(ping);
}

}  // namespace norvane
