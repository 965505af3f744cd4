// Small text and number helpers of the main window. Numbers are always read
// and written with "." as decimal mark and "," for thousands, whatever the
// locale, so that any displayed number can be typed back.
#pragma once

#include <string>
#include <string_view>

namespace tavro {

std::string Trim(std::string_view s);            // blanks (spaces, tabs) at both ends
std::string ToUpper(std::string_view s);         // ASCII only
std::string ToLower(std::string_view s);
std::string RemoveChars(std::string_view s, std::string_view chars);
bool Contains(std::string_view s, std::string_view part);
void ReplaceAll(std::string& s, std::string_view from, std::string_view to);

// Reads the leading number of `s` the way a classic Val() does, but strictly:
// optional sign, digits, optional "." and digits, optional exponent. Reading
// stops at the first other character; an empty prefix reads as 0. "nan",
// "inf" and hexadecimal are not numbers. A value too large for a double sets
// `overflow` and reads as +-1e300 (which every range check refuses).
double ReadNumberPrefix(std::string_view s, bool* overflow = nullptr);

// Round half to even (banker's rounding), as the classic CInt/Round.
double RoundHalfEven(double x);

// Fixed decimals with "," grouping: 2455900.92 -> "2,455,900.9200".
std::string GroupedNumber(double x, int decimals);
// Fixed decimals without grouping: "41.2".
std::string FixedNumber(double x, int decimals);
// Shortest text that reads back to the same double ("." decimal mark).
std::string ExactNumber(double x);

}  // namespace tavro
