// Readers of Chinese date strings: cycle-position-month[*]-day (lunar) and
// cycle-position-term-day (solar). The text may go on after the date with
// further words ("79-41-05-12 CHL 10:32 CCT"). The position may be "?" when
// the date is followed by an element-animal name ("70-?-12-30 wood-rabbit").
//
// On success the cycle, position, month/term, leap and day fields are filled
// and `valid` is set to 1; otherwise `valid` is set to 0 and the other fields
// keep what they held. Only the form is checked here: whether the date exists
// is for ChLDateToJDN / ChSDateToJDN to say.
#pragma once

#include <string_view>

#include "core/chinese/chinese_date.h"

namespace tavro {

void _chl_datestr_to_chldate(std::string_view text, ChlDate& d);
void _chs_datestr_to_chsdate(std::string_view text, ChsDate& d);

// The wrappers: true exactly when the text began with a date.
[[nodiscard]] bool ReadChlDateText(std::string_view text, ChlDate& d);
[[nodiscard]] bool ReadChsDateText(std::string_view text, ChsDate& d);

}  // namespace tavro
