// What made the moment change, for the automatic log entry that follows it.
#pragma once

namespace tavro {

// Unscoped so that the log's tables and tests can keep using the numbers.
enum AutoLogKind : int {
  kAutoLogNone = 0,
  kAutoLogNow = 1,
  kAutoLogConvert = 2,
  kAutoLogMove = 3,  // a step of a move
  kAutoLogSearch = 4,
  kAutoLogOneDay = 5,  // the one-day move buttons
};

}  // namespace tavro
