// Numbered program texts (captions, titles and message parts of the windows),
// read once at start-up from `tavro.dat` in the program's folder.
//
// File format: UTF-8 text, one entry per line:
//   <number><TAB or blanks><text>
// Numbers are 0..32767. The text runs to the end of the line (a CR before the
// line feed is dropped) and holds at most 1023 bytes; "~" stands for an empty
// text. Lines that are empty, only blanks, or whose first non-blank character
// is '#' are ignored. A file may hold at most 500 lines.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace tavro {

// Load statuses: 1 or more is the number of texts loaded; the rest are failures.
inline constexpr int32_t kTextsNoneRead = 0;
inline constexpr int32_t kTextsCannotOpen = -1;
inline constexpr int32_t kTextsParticularAlloc = -2;
inline constexpr int32_t kTextsTooMuch = -3;       // more than kMaxProgramTextLines lines
inline constexpr int32_t kTextsNotRecovered = -4;  // a line that is not number-text, or a number out of range
inline constexpr int32_t kTextsFileEmpty = -6;     // no bytes at all
inline constexpr int32_t kTextsReadError = -7;
inline constexpr int32_t kTextsGeneralAlloc = -8;
// Line-numbered failures: the status is the base minus the 1-based line number.
inline constexpr int32_t kTextsMissingBase = -500;     // a number with no text
inline constexpr int32_t kTextsTooLongBase = -1000;    // a text over kMaxProgramTextBytes
inline constexpr int32_t kTextsDuplicateBase = -1500;  // a number given a second time

inline constexpr int kMaxProgramTextBytes = 1023;
// The missing and too-long statuses can only name lines 1..500.
inline constexpr int kMaxProgramTextLines = 500;

class ProgramTexts {
 public:
  // Reads the file at `path`, replacing any texts held; returns a load status.
  // On failure no texts are held.
  [[nodiscard]] int32_t Load(const std::string& path);
  // The same from the bytes of such a file.
  [[nodiscard]] int32_t LoadText(std::string_view content);
  // The text as stored ("~" for an empty one), or nullptr when there is none.
  const std::string* Find(int n) const;
  // Program text n: empty when there is no such text or it is "~".
  std::string Text(int n) const;
  size_t size() const { return texts_.size(); }

 private:
  std::map<int, std::string> texts_;
};

// The message shown for a failed load; `path` is the full path of the file.
std::string ProgramTextStatusMessage(int32_t status, const std::string& path);

// Library-style interface over one process-wide set of texts, loaded at start-up.
// `_lt` loads (the second argument is always 0) and returns the status.
[[nodiscard]] int32_t _lt(const std::string& path, int32_t reserved);
// Copies text n into `buffer` (at most `capacity` - 1 bytes) and returns its
// length; 0 when there is no such text. `language` is always 0, `flag` 1.
int32_t _gt(int16_t n, int16_t language, std::string& buffer, int32_t capacity, int32_t flag);

struct ProgramTextLoad {
  int32_t status = 0;
  std::string path;     // the file that was read
  std::string message;  // empty on success
  bool ok() const { return status >= 1; }
};
// Loads `tavro.dat` from `programFolder`. On failure the caller shows `message`
// with the error icon and ends the program.
[[nodiscard]] ProgramTextLoad LoadProgramTexts(const std::string& programFolder);
// Program text n of the process-wide set.
std::string ProgramText(int n);

}  // namespace tavro
