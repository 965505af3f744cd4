#include "app/log/log_entry.h"

#include <cmath>

#include "app/main/text_util.h"
#include "core/astro/phases.h"
#include "core/astro/solar_terms.h"
#include "core/chinese/chinese_text.h"
#include "core/chinese/conversion.h"
#include "core/time/date_text.h"
#include "core/time/euro_date.h"
#include "core/time/scales.h"

namespace tavro {

namespace {

const char* const kDegree = "\xC2\xBA";  // "º"

std::string Separator() { return std::string(kLogSeparatorLength, '-'); }

// "= the ..." from a sentence "The ...".
std::string SentenceLine(const std::string& sentence) { return "= t" + (sentence.size() > 1 ? sentence.substr(1) : ""); }

std::string CountryName(Country c) {
  return CountryNames[static_cast<int>(CountryOfIndex(static_cast<int>(c)))];
}

size_t CharacterCount(const std::string& s) {
  size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

// Builds the lines one by one; a failure keeps what was built so far.
class EntryWriter {
 public:
  explicit EntryWriter(LogEntryResult& r) : r_(r) {}
  void Line(const std::string& text) { r_.text += text + kLogNewLine; }
  bool Fail(const std::string& description) {
    r_.error = description;
    return false;
  }

 private:
  LogEntryResult& r_;
};

// The shown date text up to and including "GMT", and the weekday after it.
bool SplitAtGmt(const std::string& shown, std::string& upToGmt, std::string& weekday) {
  const size_t at = shown.find("GMT");
  if (at == std::string::npos) return false;
  upToGmt = shown.substr(0, at + 3);
  weekday = Trim(shown.substr(at + 3));
  return true;
}

bool EuropeanLines(EntryWriter& w, const std::string& shown, const EuroDate& date, const char* code,
                   bool expanded) {
  std::string upToGmt, weekday;
  if (!SplitAtGmt(shown, upToGmt, weekday))
    return w.Fail(std::string("The shown ") + code + " date \"" + shown + "\" has no \"GMT\".");
  w.Line(upToGmt);
  if (expanded) w.Line(SentenceLine(EuroDateLongText(date)) + ", a " + weekday + ".");
  return true;
}

// The solar sentence with the term's names inside its first parentheses:
// "... of solar term 24 (J11, Slight cold, Xiao han)" CR LF "in the year ...".
bool SolarSentence(EntryWriter& w, ChsDate chs, bool ganzhi, const LogSnapshot& shown) {
  const std::string text = ChsLongText(chs, true, ganzhi, shown.settings, shown.country);
  const size_t close = text.find(") in the year");
  if (close == std::string::npos || chs.term < 1 || chs.term > 24)
    return w.Fail("The solar date \"" + text + "\" cannot be expanded.");
  std::string line = text.substr(0, close) + ", " + SolarTermEnglish[chs.term - 1];
  if (ganzhi) line += ", " + SolarTermPinyin[chs.term - 1];
  line += ')';
  line += kLogNewLine;
  line += text.substr(close + 2);
  w.Line(SentenceLine(line));
  return true;
}

bool LunationLine(EntryWriter& w, const LogSnapshot& shown, bool expanded) {
  const size_t bracket = shown.ageText.find(']');
  if (bracket == std::string::npos)
    return w.Fail("The shown age of the Moon \"" + shown.ageText + "\" has no lunation number.");
  std::string age = bracket + 2 <= shown.ageText.size() ? shown.ageText.substr(bracket + 2) : "";
  if (expanded) {
    const size_t close = age.find(')');
    if (close == std::string::npos)
      return w.Fail("The shown age of the Moon \"" + shown.ageText + "\" has no percentage.");
    age = age.substr(0, close) + " of lunation)";
  }
  w.Line("Lunation " + std::to_string(LunationContaining(shown.ajd)) + ", age of Moon = " + age);
  return true;
}

}  // namespace

LogPreferences DefaultLogPreferences(bool showCjds) {
  const int j = showCjds ? 1 : 0;
  return {1, 1, 0, 1, 0, j, 0, 1, 0, j, j, 1, 0};
}

LogEntryResult BuildLogEntry(const LogSnapshot& shown, const LogPreferences& prefs, bool logEmpty) {
  LogEntryResult r;
  EntryWriter w(r);
  auto on = [&](LogPreference p) { return prefs[p] == 1; };
  const bool expanded = on(kLogVerbose), ganzhi = on(kLogIncludeGanzhi);
  const bool chinese = on(kLogChS) || on(kLogChL) || on(kLogCJDC);
  const bool european = on(kLogCE) || on(kLogJC) || on(kLogCJDL);
  const bool moon = on(kLogAJD) || on(kLogPhase) || on(kLogLunation);
  const Settings& s = shown.settings;
  const int longitude = s.referenceLongitude;

  if (logEmpty) {
    w.Line(shown.mainTitle);
    w.Line("");
  }

  const double cjdc = ToCJDC(shown.ajd, longitude);
  ChsDate chs;
  ChlDate chl;
  chs.epoch = chl.epoch = static_cast<int16_t>(s.epoch);
  if (chinese && !CJDateToChDates(cjdc, s, chs, chl)) {
    w.Fail("The Chinese dates of this moment cannot be computed.");
    return r;
  }
  const double cjdl = shown.ajd + 0.5;
  EuroDate ce, jc;
  if (european) CEAndJCDates(cjdl, ce, jc);

  if (on(kLogChS)) {
    w.Line(shown.chsText);
    if (expanded && !SolarSentence(w, chs, ganzhi, shown)) return r;
  }
  if (on(kLogChL)) {
    w.Line(shown.chlText);
    if (expanded) w.Line(SentenceLine(ChlLongText(chl, true, true, ganzhi, false, true, s, shown.country)));
  }
  if (on(kLogCJDC)) {
    std::string line = GroupedNumber(cjdc, 4) + " CJDC";
    if (expanded)
      line += " (chronological Julian date, longitude " + Spaced(longitude) + kDegree + " E, " +
              CountryName(shown.country) + ")";
    w.Line(line);
  }
  if (on(kLogEpochEtc) && chinese)
    w.Line("Epoch = " + std::to_string(s.epoch) + ", method = " + (s.method == 1 ? "mean sun" : "true sun") +
           ", longitude =" + Spaced(longitude) + kDegree + " E, " + CountryName(shown.country) + ".");
  if (expanded && chinese && (european || moon)) w.Line(Separator());

  if (on(kLogCE) && !EuropeanLines(w, shown.ceText, ce, "CE", expanded)) return r;
  if (on(kLogJC) && !EuropeanLines(w, shown.jcText, jc, "JC", expanded)) return r;
  if (on(kLogCJDL))
    w.Line(GroupedNumber(cjdl, 4) + " CJDL" + (expanded ? " (chronological Julian date, London)" : ""));
  if (expanded && european && moon) w.Line(Separator());

  if (on(kLogAJD)) w.Line(GroupedNumber(shown.ajd, 4) + " AJD" + (expanded ? " (astronomical Julian date)" : ""));
  if (on(kLogPhase)) w.Line(shown.phaseText + (expanded ? " illumination" : ""));
  if (on(kLogLunation) && !LunationLine(w, shown, expanded)) return r;
  w.Line("");
  return r;
}

std::string AutoLogHeading(int kind, const AutoLogContext& c) {
  switch (kind) {
    case kAutoLogNow:
      return "Now";
    case kAutoLogConvert: {
      const std::string days = Trim(c.plusMinusText);
      if (days.empty()) return "";
      const double value = ReadNumberPrefix(RemoveChars(days, ","));
      return std::string(c.plus ? "Plus " : "Minus ") + days + " day" + (std::fabs(value) == 1.0 ? "" : "s");
    }
    case kAutoLogMove:
      return std::string("Move ") + (c.forward ? "forward 1 " : "back 1 ") + c.moveUnit;
    case kAutoLogSearch:
      return std::string("Search for ") + (c.next ? "next " : "previous ") +
             (c.target == kTargetMultipleElementAnimal ? c.multipleDescription : ToLower(c.targetText));
    case kAutoLogOneDay:
      return std::string("Move ") + (c.forward ? "forward one day " : "back one day");
    default:
      return "";
  }
}

std::string AutoLogHeadingLines(const std::string& heading, bool expanded) {
  std::string text = heading + kLogNewLine;
  if (expanded) {
    const size_t n = CharacterCount(heading);
    text += std::string(n < static_cast<size_t>(kLogUnderlineLength) ? n : kLogUnderlineLength, '-') + kLogNewLine;
  }
  return text;
}

}  // namespace tavro
