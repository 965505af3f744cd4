#include "core/time/date_text.h"

#include <array>
#include <vector>

namespace tavro {
namespace {

constexpr std::array<const char*, 7> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 12> kMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

std::string TwoDigits(int32_t n) {
  std::string s = std::to_string(n);
  return s.size() < 2 ? "0" + s : s;
}

bool IsAnnusNovus(const EuroDate& d) { return d.calendar == 'A'; }

// Plain year; more than four digits are grouped, except for Annus Novus.
std::string YearText(const EuroDate& d, const std::string& thousands) {
  std::string text = std::to_string(d.year);
  if ((d.year < -9999 || d.year > 9999) && !IsAnnusNovus(d) && !thousands.empty()) {
    text = _separate_thousands(text, static_cast<unsigned char>(thousands[0]));
  }
  return text;
}

std::string CalendarCode(int16_t letter) {
  switch (letter) {
    case 'G': return " CE";
    case 'J': return " JC";
    case 'A': return " AN";
    default: return "";
  }
}

std::string CalendarName(int16_t letter) {
  switch (letter) {
    case 'G': return "Common Era";
    case 'J': return "Julian";
    case 'A': return "Annus Novus";
    default: return "";
  }
}

}  // namespace

// Appended rather than concatenated to a literal: GCC 12 warns (-Wrestrict)
// about its own inlined "literal" + string.
std::string Spaced(int64_t n) {
  std::string s(n < 0 ? 0 : 1, ' ');
  s += std::to_string(n);
  return s;
}

std::string EuroDateText(const EuroDate& date, int order, const std::string& separator,
                         const std::string& thousands, bool withCode) {
  const std::string year = YearText(date, thousands);
  const std::string month = TwoDigits(date.month);
  const std::string day = TwoDigits(date.day);
  // A negative year after day and month is bracketed so its sign is not
  // mistaken for a separator.
  const std::string trailingYear = date.year < 0 ? "(" + year + ")" : year;

  std::string text;
  if (IsAnnusNovus(date)) {
    text = year + "-" + month + "-" + day;
  } else if (order == kOrderDayMonthYear) {
    text = day + separator + month + separator + trailingYear;
  } else if (order == kOrderMonthDayYear) {
    text = month + separator + day + separator + trailingYear;
  } else {
    text = year + separator + month + separator + day;
  }
  if (withCode) text += CalendarCode(date.calendar);
  return text;
}

std::string EuroDateLongText(const EuroDate& date) {
  return "The " + OrdinalText(date.day) + " day of " + MonthName(date.month) + " in the year " +
         YearText(date, ",") + " in the " + CalendarName(date.calendar) + " Calendar";
}

std::string WeekdayName(int weekday) {
  if (weekday < 0 || weekday > 6) return "";
  return kWeekdays[weekday];
}

std::string MonthName(int month) {
  if (month < 1 || month > 12) return "";
  return kMonths[month - 1];
}

std::string OrdinalText(int32_t n) {
  std::string text = std::to_string(n);
  if (n < 0) return text;
  // 11th..13th, and likewise 111th, 212th: the teens always take "th".
  if (n % 100 >= 11 && n % 100 <= 13) return text + "th";
  switch (n % 10) {
    case 1: return text + "st";
    case 2: return text + "nd";
    case 3: return text + "rd";
    default: return text + "th";
  }
}

std::string DurationText(int32_t minutes) {
  std::vector<std::string> parts;
  auto add = [&parts](int32_t n, const char* one, const char* many) {
    if (n > 0) parts.push_back(std::to_string(n) + (n == 1 ? one : many));
  };
  if (minutes > 0) {
    add(minutes / 1440, " day", " days");
    add(minutes % 1440 / 60, " hour", " hours");
    add(minutes % 60, " minute", " minutes");
  }
  if (parts.empty()) return "0 minutes";
  // "1 day, 2 hours and 3 minutes"
  std::string text = parts[0];
  for (size_t i = 1; i < parts.size(); ++i) {
    text += i + 1 < parts.size() ? ", " : " and ";
    text += parts[i];
  }
  return text;
}

}  // namespace tavro
