#pragma once
#include <QColor>

#include "colour.h"

namespace norvane {

inline QColor to_qcolor(Rgb c) {
  return QColor(red_of(c), green_of(c), blue_of(c));
}

}  // namespace norvane
