#include "caution.h"

#include "biorhythm.h"
#include "birth.h"
#include "date_text.h"

namespace norvane {

namespace {

// The legend's order and words.
constexpr std::array<int, 3> kPeriods{23, 28, 33};
constexpr std::array<std::u16string_view, 3> kWords{u"身体", u"感情", u"知性"};

CautionDay caution_on(Date birth, Date d) {
  CautionDay day{d, {}, 0};
  const std::int64_t days = days_between(birth, d);
  for (std::size_t i = 0; i < kPeriods.size(); ++i) {
    day.rhythms[i] = caution_day(days, kPeriods[i]);
    day.count += day.rhythms[i] ? 1 : 0;
  }
  return day;
}

}  // namespace

std::vector<CautionDay> caution_days(Date birth, Date first, int days) {
  std::vector<CautionDay> list;
  for (int i = 0; i < days; ++i) {
    const CautionDay day = caution_on(birth, add_days(first, i));
    if (day.count > 0) list.push_back(day);
  }
  return list;
}

Date next_triple_caution(Date birth, Date from) {
  for (int i = 0; i < FULL_CYCLE_DAYS; ++i) {
    const Date d = add_days(from, i);
    if (caution_on(birth, d).count == 3) return d;
  }
  return from;  // unreachable: the birth day's residues recur every cycle
}

std::u16string caution_words(const CautionDay& day) {
  std::u16string words;
  for (std::size_t i = 0; i < kWords.size(); ++i) {
    if (!day.rhythms[i]) continue;
    if (!words.empty()) words += u"・";
    words += kWords[i];
  }
  return words;
}

std::u16string caution_overlap(const CautionDay& day) {
  return day.count == 3 ? u"三重" : day.count == 2 ? u"二重" : u"";
}

std::u16string date_with_weekday(Date d) {
  const std::string text = to_date_text(d);
  return std::u16string(text.begin(), text.end()) + weekday_caption(text);
}

CautionDay next_caution_day(Date birth, Date from) {
  // Half the longest period covers every rhythm's next caution day.
  return caution_days(birth, from, 17).front();
}

std::u16string caution_line(const CautionDay& day) {
  const std::u16string date = date_with_weekday(day.date);
  std::u16string line = date.substr(date.find(u'/') + 1) + u" " + caution_words(day);
  if (day.count > 1) line += u"（" + caution_overlap(day) + u"）";
  return line;
}

std::optional<std::u16string> reminder_line(Date birth, Date today) {
  const CautionDay day = next_caution_day(birth, today);
  if (day.date == today) return u"今日 " + caution_line(day);
  if (day.date == add_days(today, 1)) return u"明日 " + caution_line(day);
  return std::nullopt;
}

std::u16string caution_table_text(const std::vector<CautionDay>& days) {
  std::u16string text = u"日付\tリズム\t重なり\n";
  for (const CautionDay& day : days) {
    text += date_with_weekday(day.date) + u"\t" + caution_words(day) + u"\t" +
            caution_overlap(day) + u"\n";
  }
  return text;
}

}  // namespace norvane
