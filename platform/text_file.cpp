#include "text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

namespace norvane {

namespace {

constexpr char kCodec[] = "Shift_JIS";
constexpr char16_t kReplacement = u'\uFFFD';

bool is_lead_byte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool is_trail_byte(unsigned char b) {
  return b >= 0x40 && b <= 0xFC && b != 0x7F;
}
bool is_half_width_kana(unsigned char b) {
  return b >= 0xA1 && b <= 0xDF;
}

// ICU's Shift_JIS table swaps some control codes and marks bad bytes with
// U+001A, so single bytes are mapped here and only double-byte characters,
// one at a time, go through the codec.
QString decode_line(QByteArrayView line, QStringDecoder& codec) {
  QString out;
  out.reserve(line.size());
  for (qsizetype i = 0; i < line.size(); ++i) {
    const auto b = static_cast<unsigned char>(line[i]);
    if (b < 0x80) {
      out += QChar(b);
    } else if (is_half_width_kana(b)) {
      out += QChar(0xFF61 + (b - 0xA1));
    } else if (is_lead_byte(b) && i + 1 < line.size() &&
               is_trail_byte(static_cast<unsigned char>(line[i + 1]))) {
      const QString c = codec(line.sliced(i, 2));
      const bool mapped = c.size() == 1 && c[0] != QChar(0) && c[0] != QChar(kReplacement);
      out += mapped ? c[0] : QChar(kReplacement);
      ++i;
    } else {
      out += QChar(kReplacement);
    }
  }
  return out;
}

}  // namespace

QStringList decode_shift_jis_lines(const QByteArray& bytes) {
  QStringDecoder codec(
      kCodec, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInvalidToNull);
  QStringList lines;
  qsizetype start = 0;
  const qsizetype n = bytes.size();
  for (qsizetype i = 0; i < n; ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    lines << decode_line(QByteArrayView(bytes).sliced(start, i - start), codec);
    if (bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < n) lines << decode_line(QByteArrayView(bytes).sliced(start), codec);
  return lines;
}

// ASCII is written as is, mirroring decode_line.
QByteArray encode_shift_jis(const QString& text) {
  QStringEncoder codec(kCodec, QStringConverter::Flag::Stateless);
  QByteArray out;
  qsizetype run = 0;  // start of the pending non-ASCII run
  for (qsizetype i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i].unicode() >= 0x80) continue;
    if (run < i) out += codec(QStringView(text).sliced(run, i - run));
    if (i < text.size()) out += static_cast<char>(text[i].unicode());
    run = i + 1;
  }
  return out;
}

std::optional<QStringList> read_shift_jis_lines(const QString& path, qint64 max_bytes) {
  // Opening a FIFO waits for a writer and a device may never end: only a
  // regular file is opened.
  if (!QFileInfo(path).isFile()) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.read(max_bytes);
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return decode_shift_jis_lines(bytes);
}

}  // namespace norvane
