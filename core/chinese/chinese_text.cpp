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
  return ElementNames[ElementIndex(position)] + "-" + AnimalNames(country)[BranchIndex(position)];
}

std::string StemBranchText(int32_t position) {
  return StemNames[StemNumber(position) - 1] + "-" + BranchNames[BranchIndex(position)];
}

std::string ChlDateText(const ChlDate& d, const std::string& code) {
  return std::to_string(d.cycle) + "-" + TwoDigits(d.position) + "-" + MonthLabel(d.month, d.leap == 1) +
         "-" + TwoDigits(d.day) + " " + code;
}

std::string ChsDateText(const ChsDate& d, bool withCode) {
  std::string text = std::to_string(d.cycle) + "-" + TwoDigits(d.position) + "-" + TwoDigits(d.term) +
                     "-" + TwoDigits(d.day) + " CHS";
  if (withCode && d.day == 1) text += " (" + TermCode(d.term) + ")";
  return text;
}

std::string ChsLongText(ChsDate& d, bool withDay, bool withStemBranch, const Settings& s, Country country) {
  std::string text = "The " + OrdinalText(d.day) + " day ";
  if (withDay) {
    ChSDateToJDN(d, s);
    const int32_t p = DayCyclePosition(d.jdn);
    text += "(" + ElementAnimalText(p, country);
    if (withStemBranch) text += ", " + StemBranchText(p);
    text += ") ";
  }
  text += "of solar term " + std::to_string(d.term) + " (" + TermCode(d.term) + ")" +
          " in the year (sui) at position " + std::to_string(d.position) + " of cycle " +
          std::to_string(d.cycle) + ".";
  return text;
}

std::string ChlLongText(ChlDate& d, bool withDay, bool withMonth, bool withStemBranch, bool stemBranchFirst,
                        bool sentence, const Settings& s, Country country) {
  const bool leap = d.leap == 1;
  std::string text;
  if (!sentence) {
    text = leap ? "Leap month" : "Month";
  } else {
    text = "The " + OrdinalText(d.day) + " day ";
    if (withDay) {
      ChLDateToJDN(d, s);
      const int32_t p = DayCyclePosition(d.jdn);
      text += "(" + ElementAnimalText(p, country);
      if (withStemBranch) text += " " + StemBranchText(p);
      text += ") ";
    }
    text += std::string("of ") + (leap ? "leap " : "") + "month";
  }
  text += " " + std::to_string(d.month) + (leap ? "* " : " ");
  if (withMonth) {
    const int32_t p = MonthCyclePosition(d);
    std::string names = ElementAnimalText(p, country);
    if (withStemBranch)
      names = stemBranchFirst ? StemBranchText(p) + " " + names : names + " " + StemBranchText(p);
    text += "(" + names + ") ";
  }
  text += sentence ? "\r\n" : " ";
  text += "in the " + ElementAnimalText(d.position, country);
  if (withStemBranch) text += " " + StemBranchText(d.position);
  text += " year (nian) at position " + std::to_string(d.position) + " of cycle " + std::to_string(d.cycle) +
          " (year " + std::to_string(OverseasChineseYear(d.cycle, d.position, s.epoch)) + ")";
  if (sentence) text += ".";
  return text;
}

std::string ChlCycleText(ChlDate& d, const Settings& s) {
  ChLDateToJDN(d, s);
  return "(" + StemBranchText(DayCyclePosition(d.jdn)) + ") day " + std::to_string(d.day) + ", (" +
         StemBranchText(MonthCyclePosition(d)) + ") month " + std::to_string(d.month) +
         (d.leap == 1 ? "*" : "") + ", (" + StemBranchText(d.position) + ") year " +
         std::to_string(d.position) + " of cycle " + std::to_string(d.cycle);
}

}  // namespace tavro
