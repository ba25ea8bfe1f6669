#pragma once

namespace norvane {

// Application-wide look, set once after QApplication exists: font
// substitutions for the date boxes, a Japanese user-interface font, the
// application icon and a light desktop's palette on any desktop.
void prepare_application();

}  // namespace norvane
