#pragma once
// Writing a whole file the user keeps: the old file, if any, is replaced
// only once every byte of the new one is on disk.
#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <optional>

namespace norvane {

// Writes `bytes` as the whole of `path` through QSaveFile, giving the new
// file `permissions` when set. Returns why it failed, empty on success
// ("ディスクの空きが足りません", "書き込みが許可されていません" or the
// system's text); after a failure nothing at `path` has changed.
// A write's failure for the user, from the system's error: the two causes
// a user can mend in their words, the system's own text for the rest;
// empty for no error.
QString write_failure_reason(int error);

QString save_whole(const QString& path, const QByteArray& bytes,
                   std::optional<QFileDevice::Permissions> permissions = std::nullopt);

}  // namespace norvane
