#include "fonts.h"

#include <QString>
#include <QStringList>

namespace norvane {

namespace {
QString date_font_family() {
  return QString::fromUtf16(kDateFontFamily);
}
}  // namespace

void register_font_substitutions() {
  // Ordered by how closely the face matches the proportional MS face.
  QFont::insertSubstitutions(
      date_font_family(),
      {QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
       QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"),
       QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic"), QStringLiteral("IPAGothic")});
}

QFont date_font() {
  return QFont(date_font_family(), 12, QFont::Normal);
}

}  // namespace norvane
