#pragma once
// The whole program, so that the start-up benchmark runs exactly it.
#include <functional>

class QWidget;

namespace norvane {

// Builds the application and the main window, shows it and runs the event
// loop. `before_show`, when given, sees the loaded window just before it is
// shown.
int norvane_main(int& argc, char** argv, const std::function<void(QWidget&)>& before_show = {});

}  // namespace norvane
