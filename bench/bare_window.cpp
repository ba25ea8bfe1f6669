// What any Qt program costs: a window of the main window's size with one
// Japanese label in the same font, ending after its first paint.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "first_paint_quit.h"
#include "fonts.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QFont font;
  font.setFamilies(norvane::japanese_gothic_families() << "Sans Serif");
  font.setPixelSize(12);
  QWidget window;
  window.resize(616, 392);
  auto* label = new QLabel(QStringLiteral("生まれてから現在まで"), &window);
  label->setFont(font);
  label->move(160, 312);
  FirstPaintQuit quit;
  window.installEventFilter(&quit);
  window.show();
  return QApplication::exec();
}
