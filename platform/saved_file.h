#pragma once
// Writing a whole file the user keeps: the old file, if any, is replaced
// only once every byte of the new one is on disk.
#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <optional>

namespace norvane {

// Writes `bytes` as the whole of `path` through QSaveFile, giving the new
// file `permissions` when set. Returns why it failed, empty on success;
// after a failure nothing at `path` has changed.
QString save_whole(const QString& path, const QByteArray& bytes,
                   std::optional<QFileDevice::Permissions> permissions = std::nullopt);

}  // namespace norvane
