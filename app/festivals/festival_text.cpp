#include "app/festivals/festival_text.h"

#include "core/time/date_text.h"

#include <cctype>
#include <charconv>
#include <cstdio>

#include "core/time/euro_date.h"

namespace tavro {

// Written as the main window writes its dates, year 0 and BCE years included.
std::string CeDateText(int32_t jdn) { return EuroDateText(GregorianOf(jdn), kOrderYearMonthDay, "-", ",", false); }

bool ParseCeYear(const std::string& text, int32_t& year) {
  size_t a = 0, b = text.size();
  while (a < b && std::isspace(static_cast<unsigned char>(text[a]))) ++a;
  while (b > a && std::isspace(static_cast<unsigned char>(text[b - 1]))) --b;
  const char* first = text.data() + a;
  const char* last = text.data() + b;
  if (first != last && *first == '+') ++first;
  if (first == last) return false;
  const auto [end, ec] = std::from_chars(first, last, year);
  return ec == std::errc() && end == last;
}

}  // namespace tavro
