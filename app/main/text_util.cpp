#include "app/main/text_util.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace tavro {

static bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(std::string_view s) {
  size_t a = 0, b = s.size();
  while (a < b && IsBlank(s[a])) ++a;
  while (b > a && IsBlank(s[b - 1])) --b;
  return std::string(s.substr(a, b - a));
}

std::string ToUpper(std::string_view s) {
  std::string r(s);
  for (char& c : r)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return r;
}

std::string ToLower(std::string_view s) {
  std::string r(s);
  for (char& c : r)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return r;
}

std::string RemoveChars(std::string_view s, std::string_view chars) {
  std::string r;
  for (char c : s)
    if (chars.find(c) == std::string_view::npos) r += c;
  return r;
}

bool Contains(std::string_view s, std::string_view part) { return s.find(part) != std::string_view::npos; }

void ReplaceAll(std::string& s, std::string_view from, std::string_view to) {
  if (from.empty()) return;
  size_t at = 0;
  while ((at = s.find(from, at)) != std::string::npos) {
    s.replace(at, from.size(), to);
    at += to.size();
  }
}

double ReadNumberPrefix(std::string_view s, bool* overflow) {
  if (overflow) *overflow = false;
  auto digit = [&](size_t i) { return i < s.size() && s[i] >= '0' && s[i] <= '9'; };
  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  const size_t mantissaStart = i;
  size_t digits = 0;
  while (digit(i)) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (digit(i)) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  size_t end = i;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (digit(j)) {
      while (digit(j)) ++j;
      end = j;
    }
  }
  std::string_view body = s.substr(mantissaStart, end - mantissaStart);
  std::string text(body);
  // from_chars reads no leading "+" in the exponent's absence of a mantissa
  // sign; the mantissa sign was taken above.
  double value = 0.0;
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    // Either overflow or underflow: tell them apart by the exponent's sign.
    bool tiny = false;
    size_t e = text.find_first_of("eE");
    if (e != std::string::npos && e + 1 < text.size() && text[e + 1] == '-') tiny = true;
    if (tiny) return negative ? -0.0 : 0.0;
    if (overflow) *overflow = true;
    return negative ? -1e300 : 1e300;
  }
  if (ec != std::errc() || !std::isfinite(value)) {
    if (overflow) *overflow = true;
    return negative ? -1e300 : 1e300;
  }
  (void)ptr;
  return negative ? -value : value;
}

double RoundHalfEven(double x) {
  if (!std::isfinite(x)) return x;
  return std::nearbyint(x);  // the default rounding mode is to nearest, ties to even
}

std::string FixedNumber(double x, int decimals) {
  char buf[400];
  auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimals);
  if (ec != std::errc()) return "0";
  std::string r(buf, ptr);
  if (r.size() > 1 && r[0] == '-' && r.find_first_not_of("-0.") == std::string::npos) r.erase(0, 1);
  return r;
}

std::string GroupedNumber(double x, int decimals) {
  std::string plain = FixedNumber(x, decimals);
  size_t start = plain[0] == '-' ? 1 : 0;
  size_t point = plain.find('.');
  if (point == std::string::npos) point = plain.size();
  std::string grouped = plain.substr(0, start);
  const std::string intPart = plain.substr(start, point - start);
  for (size_t i = 0; i < intPart.size(); ++i) {
    if (i > 0 && (intPart.size() - i) % 3 == 0) grouped += ',';
    grouped += intPart[i];
  }
  return grouped + plain.substr(point);
}

std::string ExactNumber(double x) {
  char buf[400];
  auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed);
  if (ec != std::errc()) return "0";
  return std::string(buf, ptr);
}

}  // namespace tavro
