#pragma once

namespace norvane {

// Application-wide look, set once after QApplication exists: font
// substitutions for the date boxes, a Japanese user-interface font and the
// application icon.
void prepare_application();

}  // namespace norvane
