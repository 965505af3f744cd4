#include "core/chinese/date_readers.h"

#include <cstdint>
#include <optional>

#include "core/chinese/names.h"

namespace tavro {

namespace {

// No field of a Chinese date needs more; larger numbers are not dates, and
// the cap keeps long digit runs from overflowing.
constexpr int64_t kMaxField = 999999999;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

class Cursor {
 public:
  explicit Cursor(std::string_view t) : text_(t) {}
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  bool Take(char c) {
    if (Peek() != c || AtEnd()) return false;
    ++pos_;
    return true;
  }
  void SkipBlanks() {
    while (!AtEnd() && IsBlank(text_[pos_])) ++pos_;
  }
  // An unsigned decimal number of at least one digit.
  std::optional<int64_t> Number() {
    if (!IsDigit(Peek())) return std::nullopt;
    int64_t v = 0;
    while (IsDigit(Peek())) {
      v = v * 10 + (text_[pos_++] - '0');
      if (v > kMaxField) return std::nullopt;
    }
    return v;
  }
  std::optional<int64_t> SignedNumber() {
    const bool negative = Take('-');
    auto v = Number();
    if (v && negative) *v = -*v;
    return v;
  }
  // A run of letters.
  std::string_view Word() {
    const size_t start = pos_;
    while (!AtEnd() && ((text_[pos_] | 0x20) >= 'a' && (text_[pos_] | 0x20) <= 'z')) ++pos_;
    return text_.substr(start, pos_ - start);
  }
  // The date must end here: at the end of the text or before a blank or a
  // separating punctuation mark, not in the middle of a longer token.
  bool AtDateEnd() const {
    const char c = Peek();
    return AtEnd() || IsBlank(c) || c == ',' || c == ';' || c == '\r' || c == '\n';
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

// The fields common to both forms: cycle, position (or "?"), middle field
// (month with optional "*" when allowStar, or term) and day.
struct Fields {
  int64_t cycle = 0, position = 0, middle = 0, day = 0;
  bool leap = false;
};

std::optional<Fields> ReadFields(std::string_view text, bool allowStar) {
  Cursor c(text);
  Fields f;
  c.SkipBlanks();
  auto cycle = c.SignedNumber();
  if (!cycle || !c.Take('-')) return std::nullopt;
  f.cycle = *cycle;

  bool askPosition = false;
  if (c.Take('?')) {
    askPosition = true;
  } else {
    auto p = c.Number();
    if (!p) return std::nullopt;
    f.position = *p;
  }
  if (!c.Take('-')) return std::nullopt;

  auto middle = c.Number();
  if (!middle) return std::nullopt;
  f.middle = *middle;
  if (allowStar && c.Take('*')) f.leap = true;
  if (!c.Take('-')) return std::nullopt;

  auto day = c.Number();
  if (!day || !c.AtDateEnd()) return std::nullopt;
  f.day = *day;

  if (askPosition) {
    // "element-animal" after the date names the year; both parts are needed
    // for the position to be unique.
    c.SkipBlanks();
    const int e = ElementIndexOfName(c.Word());
    if (e < 0 || !c.Take('-')) return std::nullopt;
    const int b = AnimalIndexOfName(c.Word());
    if (b < 0 || !c.AtDateEnd()) return std::nullopt;
    f.position = CyclePositionOf(e, b);
  }
  return f;
}

}  // namespace

void _chl_datestr_to_chldate(std::string_view text, ChlDate& d) {
  auto f = ReadFields(text, true);
  if (!f) {
    d.valid = 0;
    return;
  }
  d.cycle = static_cast<int32_t>(f->cycle);
  d.position = static_cast<int32_t>(f->position);
  d.month = static_cast<int32_t>(f->middle);
  d.leap = f->leap ? 1 : 0;
  d.day = static_cast<int32_t>(f->day);
  d.valid = 1;
}

void _chs_datestr_to_chsdate(std::string_view text, ChsDate& d) {
  auto f = ReadFields(text, false);
  if (!f) {
    d.valid = 0;
    return;
  }
  d.cycle = static_cast<int32_t>(f->cycle);
  d.position = static_cast<int32_t>(f->position);
  d.term = static_cast<int32_t>(f->middle);
  d.day = static_cast<int32_t>(f->day);
  d.valid = 1;
}

bool ReadChlDateText(std::string_view text, ChlDate& d) {
  _chl_datestr_to_chldate(text, d);
  return d.valid == 1;
}

bool ReadChsDateText(std::string_view text, ChsDate& d) {
  _chs_datestr_to_chsdate(text, d);
  return d.valid == 1;
}

}  // namespace tavro
