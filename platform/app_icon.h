#pragma once
#include <QIcon>
#include <QImage>

namespace norvane {

// The application's 32 x 32 icon: three curves on a dark ground.
QImage app_icon_image();
QIcon app_icon();

}  // namespace norvane
