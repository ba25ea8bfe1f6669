#pragma once
// What a modal window does once it has closed and given the focus back.

namespace norvane {

// A screen reader works through a closed window's last events after the
// window has gone, asking after the control it last read; where one
// listens, the caller's window stays a moment longer (the events go on),
// so that it is still there to answer. Nothing happens without one.
void let_screen_reader_catch_up();

}  // namespace norvane
