#pragma once
#include <QIcon>

namespace norvane {

// The application's icon at 16 and 32 pixels.
QIcon app_icon();

}  // namespace norvane
