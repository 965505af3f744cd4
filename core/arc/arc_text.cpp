#include "core/arc/arc_text.h"

#include <array>

#include "core/time/date_text.h"
#include "core/time/floor_div.h"

namespace tavro {
namespace {

struct Name {
  const char* full;
  const char* brief;
};

constexpr std::array<Name, 13> kMonths = {{
    {"Apollo", "Apol"},      {"Diana", "Diana"},     {"Hermes", "Herm"},
    {"Aphrodite", "Aphro"},  {"Ares", "Ares"},       {"Zeus", "Zeus"},
    {"Chronos", "Chron"},    {"Prometheus", "Prom"}, {"Orpheus", "Orph"},
    {"Sophia", "Soph"},      {"Dionysus", "Dion"},   {"Demeter", "Demet"},
    {"Persephone", "Pers"},
}};

constexpr std::array<Name, 10> kDays = {{
    {"Sun Day", "Sun"},         {"Mercury Day", "Merc"}, {"Venus Day", "Venus"},
    {"Earth Day", "Earth"},     {"Mars Day", "Mars"},    {"Jupiter Day", "Jupit"},
    {"Saturn Day", "Saturn"},   {"Uranus Day", "Uran"},  {"Neptune Day", "Nept"},
    {"Pluto Day", "Pluto"},
}};

const Name* MonthEntry(int32_t month) {
  return month >= 1 && month <= 13 ? &kMonths[month - 1] : nullptr;
}

const Name* DayEntry(int32_t day) {
  return day >= 1 ? &kDays[FloorMod(day - 1, 10)] : nullptr;
}

std::string Plain(int32_t n) { return std::to_string(n); }

}  // namespace

std::string ArcMonthName(int32_t month) {
  const Name* e = MonthEntry(month);
  return e ? e->full : "";
}

std::string ArcMonthShortName(int32_t month) {
  const Name* e = MonthEntry(month);
  return e ? e->brief : "";
}

std::string ArcDayName(int32_t day) {
  const Name* e = DayEntry(day);
  return e ? e->full : "";
}

std::string ArcDayShortName(int32_t day) {
  const Name* e = DayEntry(day);
  return e ? e->brief : "";
}

std::string ArcDateText(const ArcDate& date, int style) {
  const std::string ymd = Plain(date.year) + "-" + PadLeft(Plain(date.month), 2, '0') + "-" +
                          PadLeft(Plain(date.day), 2, '0') + " ARC";
  const std::string monthDayYear =
      ArcMonthName(date.month) + Spaced(date.day) + ", " + Spaced(date.year);
  switch (style) {
    case kArcTextShort: return ymd;
    case kArcTextFull: return ymd + " (" + ArcDayName(date.day) + ", " + monthDayYear + ")";
    case kArcTextMonthDay: return monthDayYear;
    case kArcTextLong:
      return "The " + OrdinalText(date.day) + " day of " + ArcMonthName(date.month) +
             " in the year" + Spaced(date.year);
    case kArcTextNamed: return ArcDayName(date.day) + ", " + monthDayYear;
    default: return "";
  }
}

std::string PadLeft(const std::string& text, int width, char fill) {
  if (width < 0 || text.size() >= static_cast<size_t>(width)) return text;
  return std::string(static_cast<size_t>(width) - text.size(), fill) + text;
}

}  // namespace tavro
