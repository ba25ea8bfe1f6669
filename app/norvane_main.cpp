#include "norvane_main.h"

#include <QApplication>
#include <QBuffer>
#include <QImageReader>

#include "application.h"
#include "fonts.h"
#include "main_window.h"
#include "qt_services.h"

namespace norvane {

namespace {
// Before Qt reads an image of a format of its own, such as the PNG of a
// frame's border, it loads every image plugin to ask whether one reads it
// instead. A PNG signature read here has that done now.
void load_image_plugins() {
  QByteArray signature("\x89PNG\r\n\x1a\n", 8);
  QBuffer buffer(&signature);
  buffer.open(QIODevice::ReadOnly);
  QImageReader(&buffer).canRead();
}
}  // namespace

int norvane_main(int& argc, char** argv, const std::function<void(QWidget&)>& before_show) {
  std::jthread font_configuration = load_font_configuration_aside();
  QApplication app(argc, argv);
  QtServices services;
  // The main thread would only wait for the font configuration: it decodes
  // the window's picture and loads the image plugins meanwhile.
  services.decode_picture_ahead(bioForm1::picture_path(services));
  load_image_plugins();
  // Before the first font: a font asked for sooner would have Qt build a
  // second configuration alongside.
  if (font_configuration.joinable()) font_configuration.join();
  QApplication::setApplicationName("Norvane");
  // Lets a Wayland desktop match the windows to the installed entry and icon.
  QApplication::setDesktopFileName(NORVANE_APP_ID);
  prepare_application();

  bioForm1 form(services);
  form.Form_Load();
  if (before_show) before_show(form);
  form.show();
  return QApplication::exec();
}

}  // namespace norvane
