#include "app_icon.h"

#include <QPixmap>

#include "app_icon_pixels.h"

namespace norvane {

namespace {

// The pixels are drawn at build time: drawing the curves at start-up cost
// as much as laying out a dozen captions. The images only read them.
QImage icon_image(int size) {
  const std::uint32_t* pixels = size == 16 ? app_icon_pixels::k16 : app_icon_pixels::k32;
  return QImage(reinterpret_cast<const uchar*>(pixels), size, size, qsizetype{4} * size,
                QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

QIcon app_icon() {
  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(icon_image(16)));
  icon.addPixmap(QPixmap::fromImage(icon_image(32)));
  return icon;
}

}  // namespace norvane
