#pragma once
// What becomes of a modal window or message box once it has closed.
class QObject;

namespace norvane {

// Deletes `closed` once the event loop comes back to it. A screen reader
// works through a closed window's last events after the window has gone,
// asking after the control it last read; where one listens, the window
// stays (hidden) a moment longer, so that it can still answer, while input
// goes on in the main loop. Made with new; nothing may use it afterwards
// beyond the current handler.
void delete_when_closed(QObject* closed);

}  // namespace norvane
