// What the last Compute, Move or Search did, as a value beside the message the
// window shows, so that a face without message boxes (the command line) never
// reads the message to learn it.
#pragma once

namespace tavro {

enum class Outcome {
  Done,        // the moment changed (or a search found its event)
  Unchanged,   // Compute: the same dates as before; no failure
  EntryError,  // the typed entry was refused; `entryError` says why
  OutOfRange,  // the moment, step or event lies outside the program's range
  MoveFailed,  // a step could not be made (limit reached, unreadable date)
  NotFound,    // a search found nothing (or its window was cancelled)
};

struct ActionOutcome {
  Outcome kind = Outcome::Done;
  int entryError = 0;  // the entry error code with Outcome::EntryError
};

}  // namespace tavro
