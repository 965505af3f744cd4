// Years and dates as the festivals window reads and writes them.
#pragma once

#include <cstdint>
#include <string>

namespace tavro {

// "2025-10-06", "-0044-03-15": a civil day's CE date, astronomical years.
std::string CeDateText(int32_t jdn);
// A whole number with optional blanks around it and an optional sign.
bool ParseCeYear(const std::string& text, int32_t& year);

}  // namespace tavro
