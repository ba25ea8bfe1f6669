#include "application.h"

#include <QApplication>
#include <QFont>
#include <QImageReader>
#include <QPalette>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleHints>

#include "app_icon.h"
#include "fonts.h"

namespace norvane {

namespace {

// The window's picture and colours are drawn for a light desktop: a dark
// desktop's palette would leave the texts without a colour of their own
// near-white on the light picture, the controls dark over it.
//
// Before Qt 6.8 nothing asks the desktop for its light scheme, and Fusion's
// standard palette is no way out (under a dark GTK theme it is the
// desktop's), so this is the palette Qt 6.4 gives a light desktop.
QPalette light_palette() {
  const QColor window(0xef, 0xef, 0xef);
  QPalette p(window);  // black on it, white fields
  // The frame shades as Qt derives them, so they compare equal to its own.
  const QColor mid = window.darker(130), dark = window.darker(150), shadow = dark.darker(135);
  p.setColor(QPalette::Midlight, mid.lighter(110));
  p.setColor(QPalette::Mid, mid);
  p.setColor(QPalette::Dark, dark);
  p.setColor(QPalette::Shadow, shadow);
  p.setColor(QPalette::Highlight, QColor(0x308cc6));
  p.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 0x80));
  for (const QPalette::ColorRole role :
       {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Dark}) {
    p.setColor(QPalette::Disabled, role, QColor(0xbebebe));
  }
  p.setColor(QPalette::Disabled, QPalette::Shadow, shadow.lighter(150));
  p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x919191));
  p.setColor(QPalette::Disabled, QPalette::AlternateBase, QColor(0xf7f7f7));
  return p;
}

// Fusion draws a group box's frame from a PNG of its own resources, read
// through an image reader that first loads every installed image plugin to
// ask whether one reads PNG (the SVG plugin and QtSvg among them): a tenth
// of start-up on Qt 6.8. The same picture, read here by the built-in PNG
// reader alone, goes where Fusion looks for it first; from Qt 6.8 on, that
// is the pixmap cache under the name below. Without it, Fusion reads its own.
void read_group_box_frame() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  if (QApplication::style()->name() != QLatin1String("fusion")) return;
  QImageReader reader(
      QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"), "png");
  reader.setAutoDetectImageFormat(false);
  const QImage frame = reader.read();
  if (!frame.isNull())
    QPixmapCache::insert(QStringLiteral("fusion_groupbox"), QPixmap::fromImage(frame));
#endif
}

}  // namespace

void prepare_application() {
  register_font_substitutions();
  // A Japanese Gothic at 12 pixels: the window's captions are laid out for
  // that size.
  QFont ui;
  ui.setFamilies(ui_font_families());
  ui.setPixelSize(12);
  // Every font of the program inherits this. Light hinting only nudges the
  // strokes up or down, and Qt hints each glyph twice, for its width and for
  // its image: the two hundred or so CJK glyphs of the first frame cost a
  // tenth of start-up with it.
  ui.setHintingPreference(QFont::PreferNoHinting);
  QApplication::setFont(ui);
  QApplication::setWindowIcon(app_icon());
  read_group_box_frame();
  // The application's, so the calendar pop-ups and the manual, windows of
  // their own, take it too.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QGuiApplication::styleHints()->setColorScheme(Qt::ColorScheme::Light);
  // A platform theme that cannot switch keeps its dark scheme.
  if (QGuiApplication::styleHints()->colorScheme() == Qt::ColorScheme::Dark) {
    QApplication::setPalette(light_palette());
  }
#else
  QApplication::setPalette(light_palette());
#endif
}

}  // namespace norvane
