// The nine calendars a date can be entered in, and the entry error messages.
#pragma once

#include <array>
#include <string>

namespace tavro {

struct CalendarRow {
  std::string code;  // what the user types
  std::string key;   // what other code looks up
};

inline constexpr int kCalCE = 0, kCalJC = 1, kCalCHL = 2, kCalCHS = 3, kCalAJD = 4, kCalCJDC = 5,
                     kCalCJDL = 6, kCalARCGMT = 7, kCalARCCCT = 8;

extern const std::array<CalendarRow, 9> CalendarTable;

// First row whose entry code is `name`, else first whose key is, else -1.
int GetCalendar(const std::string& name);

// Entry error codes 1..15; 0 is no error.
inline constexpr int kErrNoDate = 1, kErrCalendar = 2, kErrTimeInDate = 3, kErrTime = 4,
                     kErrSeparator = 5, kErrCE = 6, kErrJC = 7, kErrCHL = 8, kErrCHS = 9,
                     kErrDayCount = 10, kErrARC = 11, kErrParse = 12, kErrCHLDay = 13,
                     kErrPlusMinus = 14, kErrTooEarly = 15;

// The message of an entry error; code 8 has a longer text when China is the
// country. Empty for an unknown code.
std::string EntryErrorMessage(int code, bool china);
// The same on one line, for a terminal (without the drop-down boxes' advice).
std::string EntryErrorLine(int code, bool china);

inline constexpr const char* kEntryErrorTitle = "Invalid date or time entry";

}  // namespace tavro
