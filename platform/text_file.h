#pragma once
// Reading the program's Shift-JIS text files line by line.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace norvane {

// Splits at CR LF, LF or a lone CR and decodes each line from Shift-JIS.
// Bytes that are not valid Shift-JIS become U+FFFD. A last line without a
// line end counts; a line end at the very end adds no empty line.
QStringList decode_shift_jis_lines(const QByteArray& bytes);

// Encodes text as Shift-JIS (for writing test files).
QByteArray encode_shift_jis(const QString& text);

// The lines of the first `max_bytes` bytes of the file at `path`, or nullopt
// when it is no regular file or cannot be read.
std::optional<QStringList> read_shift_jis_lines(const QString& path, qint64 max_bytes);

}  // namespace norvane
