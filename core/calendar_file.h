#pragma once
// 注意日一覧 as an iCalendar file (RFC 5545) for a calendar program to
// import: one all-day event for each caution day, named as the list names it,
// with a reminder at 09:00 the day before.
#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "caution.h"

namespace norvane {

// The whole file, UTF-8 with CR LF line ends; `stamp` is when it was made.
// An event's UID depends on `birth` and its day alone, so that a later file
// for the same person, imported, updates the events instead of adding more.
std::string caution_calendar(Date birth, const std::vector<CautionDay>& days,
                             std::chrono::sys_seconds stamp);

// "19880512", as in a DATE value and the file's suggested name.
std::string basic_date(Date d);

// A TEXT value with backslashes, semicolons, commas and line ends escaped.
std::string escape_text(std::string_view text);

// One content line as physical lines of at most 75 octets, each ending in
// CR LF, every one after the first starting with a space; a UTF-8
// character is never split between two.
std::string folded_line(std::string_view line);

}  // namespace norvane
