#include "norvane_main.h"

#include <QApplication>

#include "application.h"
#include "fonts.h"
#include "main_window.h"
#include "qt_services.h"

namespace norvane {

int norvane_main(int& argc, char** argv, const std::function<void(QWidget&)>& before_show) {
  std::jthread font_configuration = load_font_configuration_aside();
  QApplication app(argc, argv);
  // Before the first font: a font asked for sooner would have Qt build a
  // second configuration alongside.
  if (font_configuration.joinable()) font_configuration.join();
  QApplication::setApplicationName("Norvane");
  // Lets a Wayland desktop match the windows to the installed entry and icon.
  QApplication::setDesktopFileName(NORVANE_APP_ID);
  prepare_application();

  QtServices services;
  bioForm1 form(services);
  form.Form_Load();
  if (before_show) before_show(form);
  form.show();
  return QApplication::exec();
}

}  // namespace norvane
