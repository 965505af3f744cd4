// Loading and looking up the numbered program texts.
#include "core/time/program_text.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "core/time/date_text.h"

namespace tavro {
namespace {

constexpr int kMaxTextNumber = 32767;  // text numbers cross as int16
// Largest file worth reading: every allowed line at its longest, with room to spare.
constexpr size_t kMaxFileBytes = 1 << 20;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Reads the whole file; returns 1 or a failure status.
int32_t ReadAll(const std::string& path, std::string& content) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return kTextsCannotOpen;
  int32_t status = 1;
  try {
    char chunk[8192];
    for (;;) {
      const size_t n = std::fread(chunk, 1, sizeof chunk, f);
      content.append(chunk, n);
      if (content.size() > kMaxFileBytes) {
        status = kTextsTooMuch;
        break;
      }
      if (n < sizeof chunk) {
        if (std::ferror(f)) status = kTextsReadError;  // e.g. the path is a folder
        break;
      }
    }
  } catch (const std::bad_alloc&) {
    status = kTextsGeneralAlloc;
  }
  std::fclose(f);
  return status;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// A number with a trailing space or blank, then the text.
struct Entry {
  enum Kind { kSkip, kText, kMissing, kMalformed } kind = kSkip;
  int number = 0;
  std::string_view text;
};

Entry ParseLine(std::string_view line) {
  Entry e;
  size_t pos = 0;
  while (pos < line.size() && IsBlank(line[pos])) ++pos;
  if (pos == line.size() || line[pos] == '#') return e;  // blank or comment
  e.kind = Entry::kMalformed;
  const size_t digits = pos;
  long number = 0;
  while (pos < line.size() && line[pos] >= '0' && line[pos] <= '9') {
    if (number <= kMaxTextNumber) number = number * 10 + (line[pos] - '0');
    ++pos;
  }
  if (pos == digits || number > kMaxTextNumber) return e;
  if (pos < line.size() && !IsBlank(line[pos])) return e;  // "12abc"
  while (pos < line.size() && IsBlank(line[pos])) ++pos;
  e.number = static_cast<int>(number);
  e.text = line.substr(pos);
  if (e.text.find('\0') != std::string_view::npos) return e;
  e.kind = e.text.empty() ? Entry::kMissing : Entry::kText;
  return e;
}

int32_t Parse(std::string_view content, std::map<int, std::string>& texts) {
  if (content.empty()) return kTextsFileEmpty;
  if (content.substr(0, 3) == "\xEF\xBB\xBF") content.remove_prefix(3);  // byte-order mark
  const std::vector<std::string_view> lines = SplitLines(content);
  if (lines.size() > static_cast<size_t>(kMaxProgramTextLines)) return kTextsTooMuch;
  for (size_t i = 0; i < lines.size(); ++i) {
    const int32_t line = static_cast<int32_t>(i) + 1;
    const Entry e = ParseLine(lines[i]);
    switch (e.kind) {
      case Entry::kSkip:
        continue;
      case Entry::kMalformed:
        return kTextsNotRecovered;
      case Entry::kMissing:
        return kTextsMissingBase - line;
      case Entry::kText:
        break;
    }
    if (e.text.size() > static_cast<size_t>(kMaxProgramTextBytes)) return kTextsTooLongBase - line;
    if (texts.count(e.number) != 0) return kTextsDuplicateBase - line;
    try {
      texts.emplace(e.number, std::string(e.text));
    } catch (const std::bad_alloc&) {
      return kTextsParticularAlloc;
    }
  }
  return texts.empty() ? kTextsNoneRead : static_cast<int32_t>(texts.size());
}

ProgramTexts& Library() {
  static ProgramTexts texts;
  return texts;
}

}  // namespace

int32_t ProgramTexts::Load(const std::string& path) {
  texts_.clear();
  std::string content;
  const int32_t status = ReadAll(path, content);
  return status == 1 ? LoadText(content) : status;
}

int32_t ProgramTexts::LoadText(std::string_view content) {
  texts_.clear();
  std::map<int, std::string> texts;
  const int32_t status = Parse(content, texts);
  if (status >= 1) texts_.swap(texts);
  return status;
}

const std::string* ProgramTexts::Find(int n) const {
  const auto it = texts_.find(n);
  return it == texts_.end() ? nullptr : &it->second;
}

std::string ProgramTexts::Text(int n) const {
  const std::string* t = Find(n);
  if (t == nullptr || *t == "~") return "";
  return *t;
}

std::string ProgramTextStatusMessage(int32_t status, const std::string& path) {
  const int64_t s = status;
  if (s >= 1) return "";
  switch (status) {
    case kTextsNoneRead: return "No program text was read.";
    case kTextsCannotOpen: return path + "\r\nCannot open file containing program text.";
    case kTextsParticularAlloc: return "Particular memory allocation error.";
    case kTextsTooMuch: return "Too much program text.";
    case kTextsNotRecovered: return "Text not recovered.";
    case kTextsFileEmpty: return "File is empty.";
    case kTextsReadError: return "Error reading file.";
    case kTextsGeneralAlloc: return "General memory allocation error.";
    default: break;
  }
  if (s < -1500) return "Duplicate in program text at line" + Spaced(-(s + 1500)) + ".";
  if (s <= -1001) return "String too long at line" + Spaced(-(s + 1000)) + ".";
  if (s <= -501) return "Missing string at line" + Spaced(-(s + 500)) + ".";
  return "Error " + Spaced(s);
}

int32_t _lt(const std::string& path, int32_t /*reserved*/) { return Library().Load(path); }

int32_t _gt(int16_t n, int16_t language, std::string& buffer, int32_t capacity, int32_t /*flag*/) {
  if (language != 0 || capacity < 1) return 0;
  const std::string* t = Library().Find(n);
  if (t == nullptr) return 0;
  const size_t length = std::min(t->size(), static_cast<size_t>(capacity) - 1);
  buffer.assign(*t, 0, length);
  return static_cast<int32_t>(length);
}

ProgramTextLoad LoadProgramTexts(const std::string& programFolder) {
  ProgramTextLoad r;
  r.path = programFolder;
  if (!r.path.empty() && r.path.back() != '/') r.path += '/';
  r.path += "tavro.dat";
  r.status = _lt(r.path, 0);
  r.message = ProgramTextStatusMessage(r.status, r.path);
  return r;
}

std::string ProgramText(int n) {
  if (n < 0 || n > kMaxTextNumber) return "";
  std::string buffer;
  const int32_t length = _gt(static_cast<int16_t>(n), 0, buffer, 1024, 1);
  if (length <= 0 || buffer == "~") return "";
  return buffer;
}

}  // namespace tavro
