#include "autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>

#include "saved_file.h"

namespace norvane {

QString reminder_autostart_path() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         "/autostart/" NORVANE_APP_ID ".Reminder.desktop";
}

bool reminder_autostart_exists() {
  return QFileInfo(reminder_autostart_path()).isFile();
}

QString set_reminder_autostart(bool on) {
  const QString path = reminder_autostart_path();
  if (!on) {
    QFile file(path);
    if (!file.exists() || file.remove()) return {};
    return file.errorString();
  }
  errno = 0;
  // The folder's failure in the system's words, as a failed write gives it.
  if (!QDir().mkpath(QFileInfo(path).path())) return write_failure_reason(errno ? errno : EACCES);
  // NoDisplay: the entry starts the reminder, it is no program of its own
  // for a menu.
  const QByteArray entry =
      "[Desktop Entry]\n"
      "Type=Application\n"
      "Name=Norvane の注意日の通知\n"
      "Comment=登録者の今日と明日の注意日をログイン時に知らせます\n"
      "Exec=norvane --remind\n"
      "Icon=" NORVANE_APP_ID
      "\n"
      "Terminal=false\n"
      "NoDisplay=true\n";
  return save_whole(path, entry);
}

}  // namespace norvane
