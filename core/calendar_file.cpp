#include "calendar_file.h"

#include <string>

namespace norvane {

namespace {

constexpr std::size_t kMaxOctets = 75;

void append_digits(std::string& out, long long value, int width) {
  std::string digits = std::to_string(value);
  if (digits.size() < std::size_t(width)) out.append(std::size_t(width) - digits.size(), '0');
  out += digits;
}

void append_utf8(std::string& out, std::u16string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    if (c < 0x80) {
      out += char(c);
    } else if (c < 0x800) {
      out += char(0xC0 | (c >> 6));
      out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += char(0xE0 | (c >> 12));
      out += char(0x80 | ((c >> 6) & 0x3F));
      out += char(0x80 | (c & 0x3F));
    } else {
      out += char(0xF0 | (c >> 18));
      out += char(0x80 | ((c >> 12) & 0x3F));
      out += char(0x80 | ((c >> 6) & 0x3F));
      out += char(0x80 | (c & 0x3F));
    }
  }
}

std::string summary(const CautionDay& day) {
  std::string text;
  append_utf8(text, u"注意日 ");
  append_utf8(text, caution_words(day));
  const std::u16string overlap = caution_overlap(day);
  if (!overlap.empty()) append_utf8(text, u"（" + overlap + u"）");
  return text;
}

std::string utc_stamp(std::chrono::sys_seconds t) {
  const auto day = std::chrono::floor<std::chrono::days>(t);
  const std::chrono::hh_mm_ss time(t - day);
  std::string text = basic_date(from_sys_days(day)) + "T";
  append_digits(text, time.hours().count(), 2);
  append_digits(text, time.minutes().count(), 2);
  append_digits(text, time.seconds().count(), 2);
  return text + "Z";
}

void add_line(std::string& out, std::string_view name, std::string_view value) {
  std::string line(name);
  line += value;
  out += folded_line(line);
}

}  // namespace

std::string basic_date(Date d) {
  const std::chrono::year_month_day ymd = to_ymd(d);
  std::string text;
  append_digits(text, int(ymd.year()), 4);
  append_digits(text, unsigned(ymd.month()), 2);
  append_digits(text, unsigned(ymd.day()), 2);
  return text;
}

std::string escape_text(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\' || c == ';' || c == ',') {
      out += '\\';
      out += c;
    } else if (c == '\r' || c == '\n') {
      // CR LF is one line end; the program's own texts end lines with CR alone.
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out;
}

std::string folded_line(std::string_view line) {
  std::string out;
  std::size_t room = kMaxOctets;
  while (line.size() > room) {
    std::size_t cut = room;
    // Back to the first octet of the character the limit falls in.
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
    // Only continuation octets back to the line's start: not UTF-8, so no
    // character to keep whole.
    if (cut == 0) cut = room;
    out.append(line.substr(0, cut));
    out += "\r\n ";
    line.remove_prefix(cut);
    room = kMaxOctets - 1;  // the space counts
  }
  out.append(line);
  out += "\r\n";
  return out;
}

std::string caution_calendar(Date birth, const std::vector<CautionDay>& days,
                             std::chrono::sys_seconds stamp) {
  const std::string born = basic_date(birth);
  const std::string made = utc_stamp(stamp);
  std::string out =
      "BEGIN:VCALENDAR\r\n"
      "VERSION:2.0\r\n"
      "PRODID:-//Norvane//Norvane//JA\r\n"
      "CALSCALE:GREGORIAN\r\n";
  out.reserve(out.size() + days.size() * 256);
  for (const CautionDay& day : days) {
    const std::string date = basic_date(day.date);
    out += "BEGIN:VEVENT\r\n";
    std::string uid = born;
    uid += "-" + date + "@norvane";
    add_line(out, "UID:", uid);
    add_line(out, "DTSTAMP:", made);
    add_line(out, "DTSTART;VALUE=DATE:", date);
    add_line(out, "DTEND;VALUE=DATE:", basic_date(add_days(day.date, 1)));
    const std::string title = escape_text(summary(day));
    add_line(out, "SUMMARY:", title);
    // A day to take care on, not an appointment: the time stays free.
    out += "TRANSP:TRANSPARENT\r\n";
    // The day starts at midnight: 15 hours before is 09:00 the day before,
    // so the calendar program reminds in time without Norvane running.
    out += "BEGIN:VALARM\r\nACTION:DISPLAY\r\n";
    add_line(out, "DESCRIPTION:", title);
    out += "TRIGGER:-PT15H\r\nEND:VALARM\r\n";
    out += "END:VEVENT\r\n";
  }
  out += "END:VCALENDAR\r\n";
  return out;
}

}  // namespace norvane
