#include "norvane_main.h"

#include <QApplication>
#include <QBuffer>
#include <QCommandLineParser>
#include <QImageReader>
#include <cstdio>
#include <optional>

#include "application.h"
#include "fonts.h"
#include "main_window.h"
#include "notifications.h"
#include "people_store.h"
#include "qt_services.h"
#include "remind.h"

namespace norvane {

namespace {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Before Qt reads an image of a format of its own, such as the PNG of
// Fusion's group-box frame, it loads every image plugin to ask whether one
// reads it instead. A PNG signature read here has that done now. (From Qt
// 6.8 on, the frame is read without them: see prepare_application.)
void load_image_plugins() {
  QByteArray signature("\x89PNG\r\n\x1a\n", 8);
  QBuffer buffer(&signature);
  buffer.open(QIODevice::ReadOnly);
  QImageReader(&buffer).canRead();
}
#endif

// With any argument: --help, --version and --remind need no display, so
// only QtCore runs and no platform plugin is loaded. None when the window
// is to open after all ("norvane --").
std::optional<int> run_command_line(int& argc, char** argv) {
  const QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("Norvane");
  QCoreApplication::setApplicationVersion(NORVANE_VERSION);
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "バイオリズムを計算し、グラフに描きます。オプションなしで起動すると、ウィンドウを開きます。");
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption remind(
      "remind",
      "ウィンドウを開かず、登録者のうち今日か明日が注意日の人をデスクトップの通知で知らせます。");
  parser.addOption(remind);
  parser.process(app);  // ends the program for --help, --version or an unknown option
  if (!parser.positionalArguments().isEmpty()) {
    std::fprintf(stderr, "norvane: unexpected argument: %s\n",
                 qUtf8Printable(parser.positionalArguments().first()));
    return 1;
  }
  if (!parser.isSet(remind)) return std::nullopt;
  QString error;
  const int status = run_reminder(PeopleStore(PeopleStore::default_dir()), QtServices().today(),
                                  Notifications(), error);
  if (status != 0) std::fprintf(stderr, "norvane: %s\n", qUtf8Printable(error));
  return status;
}

}  // namespace

int norvane_main(int& argc, char** argv, const std::function<void(QWidget&)>& before_show) {
  if (argc > 1) {
    if (const std::optional<int> status = run_command_line(argc, argv)) return *status;
  }
  std::jthread font_configuration = load_font_configuration_aside();
  QApplication app(argc, argv);
  QtServices services;
  // The window's picture is decoded on a thread of its own while the fonts
  // load and the window is built.
  services.decode_picture_ahead(bioForm1::picture_path(services));
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
  load_image_plugins();  // while the main thread would only wait for the fonts
#endif
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
