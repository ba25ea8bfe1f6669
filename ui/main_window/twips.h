#pragma once
// Form positions are given in twips; 15 twips are one logical pixel.
#include <QRect>
#include <QtMath>

namespace norvane {

constexpr int kTwipsPerPixel = 15;

inline int px(int twips) {
  return qRound(twips / double(kTwipsPerPixel));
}

inline QRect twips_rect(int left, int top, int width, int height) {
  return QRect(px(left), px(top), px(width), px(height));
}

}  // namespace norvane
