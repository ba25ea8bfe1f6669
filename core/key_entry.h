#pragma once
// The rules of typing a birth date into the year, month and day boxes, on
// plain values: which step a key sets off, how Backspace moves back, what a
// field commits to the birth-date picker, and when a commit is refused. The
// window's handlers apply these outcomes to its controls.
#include <optional>
#include <string>
#include <string_view>

#include "date.h"

namespace norvane {

enum class DateBox { Year, Month, Day };

inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;

// What one key typed into a box sets off.
enum class KeyStep {
  EndDemonstration,  // any first key in the year box during the demonstration
  Backspace,         // whatever the lock
  Pass,              // unprocessed: the key goes into the box
  Discard,           // unprocessed and dropped (other keys in the day box)
  StartField,        // a digit that begins a field
  CompleteField,     // a digit that completes a field of two
  Overlong,          // a digit that would make the field three long: refused
  Enter,
};

struct KeyContext {
  DateBox box;
  int key;             // character code: 8 Backspace, 13 Enter
  bool demonstration;  // the demonstration runs
  bool entry_open;     // not locked by a rejected field
  bool era_mode;       // Heisei or Showa selected
  int box_length;      // characters in the box before the key
  int field_length;    // characters of the box's field string
};

KeyStep key_step(const KeyContext& c);

// Backspace: the field string shortened, and the box that takes the focus
// when there was nothing to shorten.
struct BackspaceOutcome {
  std::string field;
  std::optional<DateBox> focus;
};
BackspaceOutcome backspace(DateBox box, std::string_view field);

// Whether Enter commits the field: the year needs exactly one digit other
// than "0", month and day any field other than "0" or empty.
bool enter_commits(DateBox box, std::string_view field);

// A completed month field names a month 1..12.
bool month_in_range(std::string_view field);

// Last day of a month, months carrying into the next or previous year.
// Years 0..99 read as the date arithmetic reads two-digit years: 0..29 as
// 2000..2029, 30..99 as 1930..1999. nullopt when there is no such year.
std::optional<int> month_length(int year, int month);

// The texts written to the picker: one field replaced in its "yyyy/mm/dd"
// text `v`, the other two kept.
std::string year_commit(std::string_view v, int year);
std::string month_commit(std::string_view v, std::string_view month_field);
std::string day_commit(std::string_view v, double day);              // by number
std::string day_commit(std::string_view v, std::string_view field);  // as typed

// Whether the picker can take a commit text.
enum class CommitCheck {
  Accepted,
  NoSuchDay,    // the day lies beyond its month or is 0
  NoSuchMonth,  // month outside 1..12
  OutOfRange,   // a year the picker cannot hold, or no date at all
};
struct CommitVerdict {
  CommitCheck check = CommitCheck::OutOfRange;
  Date date;             // Accepted only
  int month_length = 0;  // NoSuchDay only: the length of the month named
};
CommitVerdict check_commit(std::string_view text);

// "この月の最終日は", CR, the sign-reserving length, "日です。"
std::u16string day_message(int month_length);

}  // namespace norvane
