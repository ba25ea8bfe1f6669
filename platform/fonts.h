#pragma once
#include <QFont>
#include <QStringList>
#include <thread>

namespace norvane {

// The face the date boxes and pickers ask for.
inline constexpr char16_t kDateFontFamily[] = u"ＭＳ Ｐゴシック";

// Japanese Gothic faces, proportional ones first, as found on Debian and
// other desktops.
QStringList japanese_gothic_families();

// Loads fontconfig's configuration and font cache on a thread of its own.
// Started before the application object, it runs while the display
// connection is set up; join it before the first font is asked for. Not
// joinable where the program is built without fontconfig.
std::jthread load_font_configuration_aside();

// Maps the requested face to Japanese Gothic faces present on this system.
void register_font_substitutions();

// The window's own captions: the first Japanese Gothic face present, or the
// whole list when none is.
QStringList ui_font_families();

// The date boxes' and pickers' font at 12 points, regular: the face above
// when present, else the face it is substituted by.
QFont date_font();

}  // namespace norvane
