#include "app/main/calendar_table.h"

namespace tavro {

const std::array<CalendarRow, 9> CalendarTable = {{
    {"CE", "CE"},
    {"JC", "JC"},
    {"CHL", "CHL"},
    {"CHS", "CHS"},
    {"AJD", "AJD"},
    {"CJDC", "CJDC"},
    {"CJDL", "CJDL"},
    {"ARC", "ARCGMT"},
    {"ARC", "ARCCCT"},
}};

int GetCalendar(const std::string& name) {
  for (int i = 0; i < 9; ++i)
    if (CalendarTable[i].code == name) return i;
  for (int i = 0; i < 9; ++i)
    if (CalendarTable[i].key == name) return i;
  return -1;
}

namespace {

const char* const kChlForm = "Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'";
const char* const kChlOverseas = "or 'year-month-day', where 'year' is the Overseas Chinese year, e.g. 4709.";

}  // namespace

std::string EntryErrorLine(int code, bool china) {
  // The CHL text without its advice on the element-animal boxes.
  std::string text = code != kErrCHL ? EntryErrorMessage(code, china)
                                     : std::string(kChlForm) + (china ? std::string(" ") + kChlOverseas : ".");
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

std::string EntryErrorMessage(int code, bool china) {
  const std::string crlf = "\r\n";
  switch (code) {
    case kErrNoDate: return "No date specified.";
    case kErrCalendar: return "Calendar must be specified (one of CHL, CHS, CE, JC, ARC, CJDL, CJDC, AJD).";
    case kErrTimeInDate: return "Time specification not permitted in date string.";
    case kErrTime: return "Invalid time specification.  Times must be, e.g., 23:50.";
    case kErrSeparator: return "Date separator must be a dash, '-'.";
    case kErrCE: return "Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day";
    case kErrJC: return "Invalid JC date.  JC dates must be in ISO 8601 format: year-month-day";
    case kErrCHL:
      return kChlForm + (china ? crlf + kChlOverseas : std::string(".")) + crlf + crlf +
             "Or use '?' for position with a specified element-animal, e.g., 70-?-12-30," + crlf +
             "and specify element-animal using the drop-down boxes.";
    case kErrCHS: return "Invalid CHS date.  CHS dates must be in the form: cycle-position-solarterm-day" + crlf;
    case kErrDayCount:
      return "Invalid CJDL, CJDC, or AJD date.  These must be, e.g., 999999.99 CJDL or 2,111,111 AJD.";
    case kErrARC: return "Invalid ARC date.  ARC dates must be in ISO 8601 format: year-month-day";
    case kErrParse: return "Error when parsing date string.";
    case kErrCHLDay: return "Invalid CHL date.  Day number exceeds number of days in the month.";
    case kErrPlusMinus: return "Invalid plus/minus days.";
    case kErrTooEarly: return "Date too early.";
    default: return {};
  }
}

}  // namespace tavro
