#include "core/chinese/chinese_text.h"

#include <cstdio>

#include "core/astro/solar_terms.h"
#include "core/chinese/conversion.h"
#include "core/chinese/lunar_year.h"
#include "core/time/date_text.h"

namespace tavro {

namespace {

std::string TwoDigits(int32_t n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", n);
  return buf;
}

std::string TermCode(int32_t term) {
  return term >= 1 && term <= 24 ? SolarTermCodes[term - 1] : std::string();
}

}  // namespace

std::string ElementAnimalText(int32_t position, Country country) {
  std::string text = ElementNames[ElementIndex(position)];
  text += '-';
  text += AnimalNames(country)[BranchIndex(position)];
  return text;
}

std::string StemBranchText(int32_t position) {
  std::string text = StemNames[StemNumber(position) - 1];
  text += '-';
  text += BranchNames[BranchIndex(position)];
  return text;
}

std::string ChlDateText(const ChlDate& d, const std::string& code) {
  std::string text = std::to_string(d.cycle);
  text += '-';
  text += TwoDigits(d.position);
  text += '-';
  text += MonthLabel(d.month, d.leap == 1);
  text += '-';
  text += TwoDigits(d.day);
  text += ' ';
  text += code;
  return text;
}

std::string ChsDateText(const ChsDate& d, bool withCode) {
  std::string text = std::to_string(d.cycle);
  text += '-';
  text += TwoDigits(d.position);
  text += '-';
  text += TwoDigits(d.term);
  text += '-';
  text += TwoDigits(d.day);
  text += " CHS";
  if (withCode && d.day == 1) {
    text += " (";
    text += TermCode(d.term);
    text += ')';
  }
  return text;
}

std::string ChsLongText(ChsDate& d, bool withDay, bool withStemBranch, const Settings& s, Country country) {
  std::string text = "The ";
  text += OrdinalText(d.day);
  text += " day ";
  if (withDay) {
    static_cast<void>(ChSDateToJDN(d, s));  // a refused date is named by the day number it keeps
    const int32_t p = DayCyclePosition(d.jdn);
    text += '(';
    text += ElementAnimalText(p, country);
    if (withStemBranch) {
      text += ", ";
      text += StemBranchText(p);
    }
    text += ") ";
  }
  text += "of solar term ";
  text += std::to_string(d.term);
  text += " (";
  text += TermCode(d.term);
  text += ") in the year (sui) at position ";
  text += std::to_string(d.position);
  text += " of cycle ";
  text += std::to_string(d.cycle);
  text += '.';
  return text;
}

std::string ChlLongText(ChlDate& d, bool withDay, bool withMonth, bool withStemBranch, bool stemBranchFirst,
                        bool sentence, const Settings& s, Country country) {
  const bool leap = d.leap == 1;
  std::string text;
  if (!sentence) {
    text = leap ? "Leap month" : "Month";
  } else {
    text = "The ";
    text += OrdinalText(d.day);
    text += " day ";
    if (withDay) {
      static_cast<void>(ChLDateToJDN(d, s));  // as in the solar text
      const int32_t p = DayCyclePosition(d.jdn);
      text += '(';
      text += ElementAnimalText(p, country);
      if (withStemBranch) {
        text += ' ';
        text += StemBranchText(p);
      }
      text += ") ";
    }
    text += leap ? "of leap month" : "of month";
  }
  text += ' ';
  text += std::to_string(d.month);
  text += leap ? "* " : " ";
  if (withMonth) {
    const int32_t p = MonthCyclePosition(d);
    text += '(';
    if (withStemBranch && stemBranchFirst) {
      text += StemBranchText(p);
      text += ' ';
    }
    text += ElementAnimalText(p, country);
    if (withStemBranch && !stemBranchFirst) {
      text += ' ';
      text += StemBranchText(p);
    }
    text += ") ";
  }
  text += sentence ? "\r\n" : " ";
  text += "in the ";
  text += ElementAnimalText(d.position, country);
  if (withStemBranch) {
    text += ' ';
    text += StemBranchText(d.position);
  }
  text += " year (nian) at position ";
  text += std::to_string(d.position);
  text += " of cycle ";
  text += std::to_string(d.cycle);
  text += " (year ";
  text += std::to_string(OverseasChineseYear(d.cycle, d.position, s.epoch));
  text += ')';
  if (sentence) text += '.';
  return text;
}

std::string ChlCycleText(ChlDate& d, const Settings& s) {
  static_cast<void>(ChLDateToJDN(d, s));  // as in the solar text
  std::string text = "(";
  text += StemBranchText(DayCyclePosition(d.jdn));
  text += ") day ";
  text += std::to_string(d.day);
  text += ", (";
  text += StemBranchText(MonthCyclePosition(d));
  text += ") month ";
  text += std::to_string(d.month);
  if (d.leap == 1) text += '*';
  text += ", (";
  text += StemBranchText(d.position);
  text += ") year ";
  text += std::to_string(d.position);
  text += " of cycle ";
  text += std::to_string(d.cycle);
  return text;
}

}  // namespace tavro
