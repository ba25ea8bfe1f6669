#include "application.h"

#include <QApplication>
#include <QFont>

#include "app_icon.h"
#include "fonts.h"

namespace norvane {

void prepare_application() {
  register_font_substitutions();
  // A Japanese Gothic at 12 pixels: the window's captions are laid out for
  // that size.
  QFont ui;
  ui.setFamilies(ui_font_families());
  ui.setPixelSize(12);
  QApplication::setFont(ui);
  QApplication::setWindowIcon(app_icon());
}

}  // namespace norvane
