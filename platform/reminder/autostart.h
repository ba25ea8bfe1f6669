#pragma once
// The login reminder's XDG autostart entry: a desktop session runs
// `norvane --remind` at login while the entry exists.
#include <QString>

namespace norvane {

// $XDG_CONFIG_HOME/autostart/<app id>.Reminder.desktop.
QString reminder_autostart_path();
bool reminder_autostart_exists();
// Writes the entry whole, or removes it. Why it failed, empty on success.
QString set_reminder_autostart(bool on);

}  // namespace norvane
