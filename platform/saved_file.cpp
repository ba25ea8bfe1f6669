#include "saved_file.h"

#include <QFile>
#include <QSaveFile>
#include <cerrno>

namespace norvane {

QString write_failure_reason(int error) {
  switch (error) {
    case 0:
      return {};
    case ENOSPC:
    case EDQUOT:
      return QStringLiteral("ディスクの空きが足りません");
    case EACCES:
    case EPERM:
    case EROFS:
      return QStringLiteral("書き込みが許可されていません");
    default:
      return qt_error_string(error);
  }
}

namespace {

// Qt's own text for a failed write can be "Unknown error", which tells
// nobody anything; the system's error is read as the call fails.
QString reason(int error, const QFileDevice& file) {
  const QString why = write_failure_reason(error);
  return why.isEmpty() ? file.errorString() : why;
}

}  // namespace

QString save_whole(const QString& path, const QByteArray& bytes,
                   std::optional<QFileDevice::Permissions> permissions) {
  QSaveFile file(path);
  // Unbuffered: Qt 6.4's commit renames a file whose buffered write failed
  // (a full disk), so every write is checked as it is made.
  errno = 0;
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return reason(errno, file);
  if (permissions) file.setPermissions(*permissions);
  errno = 0;
  if (file.write(bytes) != bytes.size()) return reason(errno, file);
  errno = 0;
  if (!file.commit()) return reason(errno, file);
  // Where the temporary file could not be given the mode.
  if (permissions) QFile::setPermissions(path, *permissions);
  return {};
}

}  // namespace norvane
