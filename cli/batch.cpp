#include "cli/batch.h"

#include "app/main/frm_main.h"
#include "app/ui/headless_platform.h"
#include "cli/moment.h"
#include "cli/native.h"
#include "cli/rows.h"

namespace tavro::cli {
namespace {

std::string WithoutLineEnds(std::string s) {
  while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
  return s;
}

// The columns after entry and error: the window rows that fill them.
struct DateColumn {
  const char* name;
  FrmMain::LabelPair FrmMain::*row;
};
constexpr DateColumn kDateColumns[] = {
    {"ajd", &FrmMain::lblAstronomicalJulianDate},          {"ce", &FrmMain::lblCommonEraDate},
    {"jc", &FrmMain::lblJulianCalendarDate},               {"chl", &FrmMain::lblChineseLunarDate},
    {"chs", &FrmMain::lblChineseSolarDate},                {"arc", &FrmMain::lblArchetypesCalendarGMT},
    {"cjdl", &FrmMain::lblChronologicalJulianDateLondon}, {"cjdc", &FrmMain::lblChronologicalJulianDateBeijing}};
constexpr const char* kNativeColumns[] = {"native", "festivals"};

}  // namespace

std::string BatchHeader(bool native) {
  std::string header = "entry\terror";
  for (const DateColumn& c : kDateColumns) header += std::string("\t") + c.name;
  if (native)
    for (const char* c : kNativeColumns) header += std::string("\t") + c;
  return header + "\n";
}

BatchConverter::BatchConverter(FrmMain& f, ui::HeadlessPlatform& platform, std::ostringstream& messages,
                               const WindowOptions& o, std::string plusMinus, bool minus,
                               std::optional<Language> native)
    : f_(f),
      platform_(platform),
      messages_(messages),
      o_(o),
      plusMinus_(std::move(plusMinus)),
      minus_(minus),
      native_(native) {
  startCalendar_ = f_.intCalendar;
  // Standard input holds the entries: the calendar question is answered by
  // --calendar alone.
  AnswerQuestions(platform_, o_);
}

bool BatchConverter::Convert(const std::string& entry, std::string& out) {
  f_.intCalendar = startCalendar_;
  f_.cboTimeZone.index = -1;
  SetEntry(f_, entry, o_);
  f_.txbPlusMinus.text = plusMinus_;
  f_.optPlus.value = !minus_;
  f_.optMinus.value = minus_;
  messages_.str("");
  f_.cmdCompute_Click();
  // The same moment as before is no failure: the dates stand.
  const bool ok = f_.outcome.kind == Outcome::Done || f_.outcome.kind == Outcome::Unchanged;
  const std::string error = ok ? std::string() : WithoutLineEnds(messages_.str());

  if (o_.json) {
    Json record;
    record["entry"] = entry;
    if (ok) {
      record.update(MomentJson(f_));
      if (native_) record["native"] = NativeJson(NativeOfMoment(f_, *native_));
    } else {
      record["error"] = error;
    }
    out += JsonText(record);
  } else {
    out += TsvCell(entry) + "\t" + TsvCell(error);
    if (ok) {
      for (const DateColumn& c : kDateColumns) {
        out += '\t';  // appended, not "\t" + ...: GCC 12 warns (-Wrestrict) on that
        out += TsvCell((f_.*c.row)[1].caption);
      }
      if (native_) {
        const NativeDay day = NativeOfMoment(f_, *native_);
        out += '\t';
        out += TsvCell(day.date) + "\t" + TsvCell(FestivalNamesText(day));
      }
    } else {
      out += std::string(std::size(kDateColumns) + (native_ ? std::size(kNativeColumns) : 0), '\t');
    }
  }
  return ok;
}

}  // namespace tavro::cli
