#pragma once
#include <QFont>
#include <QStringList>

namespace norvane {

// The face the date boxes and pickers ask for.
inline constexpr char16_t kDateFontFamily[] = u"ＭＳ Ｐゴシック";

// Japanese Gothic faces, proportional ones first, as found on Debian and
// other desktops.
QStringList japanese_gothic_families();

// Maps the requested face to Japanese Gothic faces present on this system.
void register_font_substitutions();

// The date boxes' and pickers' font: the face above at 12 points, regular.
QFont date_font();

}  // namespace norvane
