#include <QApplication>

#include "application.h"
#include "main_window.h"
#include "qt_services.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Norvane");
  // Lets a Wayland desktop match the windows to the installed entry and icon.
  QApplication::setDesktopFileName(NORVANE_APP_ID);
  norvane::prepare_application();

  norvane::QtServices services;
  bioForm1 form(services);
  form.Form_Load();
  form.show();
  return QApplication::exec();
}
