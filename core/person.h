#pragma once
// A registered person as plain values: how the birth date was entered, the
// rules a name must meet, and the date as the person entered it.
#include <optional>
#include <string>
#include <string_view>

#include "date.h"

namespace norvane {

// The letter each kind is kept under: "H", "S", "W".
enum class EntryKind { Heisei, Showa, Western };

char entry_letter(EntryKind kind);
std::optional<EntryKind> entry_of_letter(std::string_view letter);

inline constexpr int kMaxNameLength = 40;

enum class NameCheck { Ok, Empty, TooLong, ControlCharacter };

// A name already trimmed: 1 to kMaxNameLength characters (a surrogate pair
// counts as one), none of them a control character or a line or paragraph
// separator, which would break the list's rows.
NameCheck check_name(std::u16string_view name);

// Whether the date can be entered that way again: the era's years as the
// two-digit year box takes them, and the picker's years for 西暦.
bool entry_fits(Date birth, EntryKind kind);

// The year, month and day boxes' texts for an era entry: "63", "05", "12".
struct EraFields {
  std::string year, month, day;
};
EraFields era_fields(Date birth, EntryKind kind);

// "昭和63年05月12日", "平成01年01月08日" or "1988/05/12".
std::u16string entered_text(Date birth, EntryKind kind);

}  // namespace norvane
