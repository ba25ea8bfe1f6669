#include "fonts.h"

#include <QString>
#include <QStringList>

namespace norvane {

namespace {
QString date_font_family() {
  return QString::fromUtf16(kDateFontFamily);
}
}  // namespace

QStringList japanese_gothic_families() {
  // Ordered by how closely the face matches the proportional MS face.
  return {QStringLiteral("IPAPGothic"),       QStringLiteral("IPA Pゴシック"),
          QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"),
          QStringLiteral("VL PGothic"),       QStringLiteral("TakaoPGothic"),
          QStringLiteral("IPAGothic")};
}

void register_font_substitutions() {
  QFont::insertSubstitutions(date_font_family(), japanese_gothic_families());
}

QFont date_font() {
  return QFont(date_font_family(), 12, QFont::Normal);
}

}  // namespace norvane
