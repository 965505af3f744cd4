#include "app/data/data_text.h"

#include "core/time/date_text.h"
#include "core/time/euro_date.h"

namespace tavro {

namespace {

EuroDate DateOfDay(int32_t jdn, bool julian) {
  EuroDate d;
  d.calendar = julian ? 'J' : 'G';
  d.jdn = jdn;
  JDNToEuroDate(d);
  return d;
}

}  // namespace

std::string DayText(int32_t jdn, bool julian) {
  return EuroDateText(DateOfDay(jdn, julian), kOrderYearMonthDay, "-", ",", false);
}

int32_t YearOfDay(int32_t jdn, bool julian) { return DateOfDay(jdn, julian).year; }

int32_t NewYearsDay(int32_t year, bool julian) {
  EuroDate d;
  d.calendar = julian ? 'J' : 'G';
  d.year = year;
  d.month = 1;
  d.day = 1;
  return EuroDateToJDN(d);
}

std::string PaddedDayText(int32_t jdn, bool julian) {
  const size_t width = std::to_string(YearOfDay(jdn, julian)).size();
  return std::string(width < 5 ? 5 - width : 0, ' ') + DayText(jdn, julian);
}

size_t CharCount(const std::string& utf8) {
  size_t n = 0;
  for (unsigned char c : utf8)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

int ReadYearCount(const std::string& text) {
  std::string digits;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') digits += c;
  }
  // A leading "+" is kept by the box but adds nothing to the value.
  size_t start = digits.find_first_not_of('0');
  if (start == std::string::npos) return 0;
  digits = digits.substr(start);
  if (digits.size() > 5) return 32767;
  const long v = std::stol(digits);
  return v > 32767 ? 32767 : static_cast<int>(v);
}

}  // namespace tavro
