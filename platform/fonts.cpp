#include "fonts.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

#ifdef NORVANE_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace norvane {

namespace {
QString date_font_family() {
  return QString::fromUtf16(kDateFontFamily);
}

// The first of the faces that this system has, or an empty text.
QString first_present(const QStringList& faces) {
  const QStringList present = QFontDatabase::families();
  for (const QString& face : faces) {
    if (present.contains(face, Qt::CaseInsensitive)) return face;
  }
  return {};
}
}  // namespace

QStringList japanese_gothic_families() {
  // Ordered by how closely the face matches the proportional MS face.
  return {QStringLiteral("IPAPGothic"),       QStringLiteral("IPA Pゴシック"),
          QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"),
          QStringLiteral("VL PGothic"),       QStringLiteral("TakaoPGothic"),
          QStringLiteral("IPAGothic")};
}

// Fontconfig keeps one configuration per process and builds it once; Qt's
// font database then finds it ready instead of parsing it at the first font.
std::jthread load_font_configuration_aside() {
#ifdef NORVANE_HAVE_FONTCONFIG
  return std::jthread([] { FcInit(); });
#else
  return {};  // Qt reaches the system's fonts without fontconfig here
#endif
}

void register_font_substitutions() {
  QFont::insertSubstitutions(date_font_family(), japanese_gothic_families());
}

// Asking for one face that is present, rather than a list or a missing face,
// lets Qt put off its search for fallback faces until a character is missing;
// run for every script of the captions, that search was a tenth of start-up.
QStringList ui_font_families() {
  const QString face = first_present(japanese_gothic_families());
  if (!face.isEmpty()) return {face};
  return japanese_gothic_families() << QStringLiteral("Sans Serif");
}

QFont date_font() {
  // Looked up once: five controls ask, and the faces stay while the program runs.
  static const QString face = [] {
    const QString present =
        first_present(QStringList{date_font_family()} << japanese_gothic_families());
    return present.isEmpty() ? date_font_family() : present;
  }();
  return QFont(face, 12, QFont::Normal);
}

}  // namespace norvane
