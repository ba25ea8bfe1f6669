// The program as app/main.cpp runs it, ending after the main window's first
// paint.
#include <QWidget>

#include "first_paint_quit.h"
#include "norvane_main.h"

int main(int argc, char* argv[]) {
  FirstPaintQuit quit;
  return norvane::norvane_main(argc, argv,
                               [&](QWidget& window) { window.installEventFilter(&quit); });
}
