#include "saved_file.h"

#include <QFile>
#include <QSaveFile>

namespace norvane {

QString save_whole(const QString& path, const QByteArray& bytes,
                   std::optional<QFileDevice::Permissions> permissions) {
  QSaveFile file(path);
  // Unbuffered: Qt 6.4's commit renames a file whose buffered write failed
  // (a full disk), so every write is checked as it is made.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
  if (permissions) file.setPermissions(*permissions);
  if (file.write(bytes) != bytes.size() || !file.commit()) return file.errorString();
  // Where the temporary file could not be given the mode.
  if (permissions) QFile::setPermissions(path, *permissions);
  return {};
}

}  // namespace norvane
