// Draws the program's icon at build time, without an application object, so
// the build needs no display.
//   make_icon <output.png>        the 32 x 32 icon for the desktop's theme
//   make_icon --pixels <out.cpp>  the 16 and 32 pixel icons the program shows
#include <QImage>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "icon_art.h"

namespace {

bool write_pixels(const char* path) {
  std::ofstream out(path);
  out << "// Written by make_icon from the icon's drawing; not to be edited.\n"
         "#include \"app_icon_pixels.h\"\n\n"
         "namespace norvane::app_icon_pixels {\n";
  for (const int size : {16, 32}) {
    const QImage image = norvane::draw_app_icon(size);
    out << "const std::uint32_t k" << size << "[" << size << " * " << size << "] = {\n";
    for (int y = 0; y < size; ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      char cell[16];
      out << "   ";
      for (int x = 0; x < size; ++x) {
        std::snprintf(cell, sizeof cell, " 0x%08xu,", line[x]);
        out << cell;
      }
      out << "\n";
    }
    out << "};\n";
  }
  out << "}  // namespace norvane::app_icon_pixels\n";
  return bool(out.flush());
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc == 3 && std::strcmp(argv[1], "--pixels") == 0) {
    if (write_pixels(argv[2])) return 0;
    std::fprintf(stderr, "make_icon: cannot write %s\n", argv[2]);
    return 1;
  }
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon <output.png> | make_icon --pixels <output.cpp>\n");
    return 2;
  }
  if (!norvane::draw_app_icon(32).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "make_icon: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
