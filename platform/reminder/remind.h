#pragma once
// norvane --remind: one notification for each registered person at a
// caution day today or tomorrow. It reads the people's file and writes
// nothing.
#include <QString>

#include "date.h"

namespace norvane {

class Notifications;
class PeopleStore;

// The exit status: 0 once every notification is sent, 1 when none can be
// (then `error` holds the one line to print).
int run_reminder(const PeopleStore& store, Date today, const Notifications& notifications,
                 QString& error);

}  // namespace norvane
