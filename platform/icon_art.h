#pragma once
#include <QImage>

namespace norvane {

// The application's icon, size by size pixels: three curves on a dark
// ground. Needs no application object.
QImage draw_app_icon(int size);

}  // namespace norvane
