// Writes the program's own 32 x 32 icon as PNG, for the desktop's icon
// theme: make_icon <output.png>
#include <QImage>
#include <cstdio>

#include "app_icon.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon <output.png>\n");
    return 2;
  }
  // Paints into an image and writes PNG, both built into Qt Gui: no
  // application object, so the build needs no display.
  if (!norvane::app_icon_image().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "make_icon: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
