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

}  // namespace

std::string BatchHeader(bool native) {
  std::string header = kBatchHeader;
  if (native) header.insert(header.size() - 1, "\tnative\tfestivals");
  return header;
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
  // Standard input holds the entries: the "Calendar?" question is answered
  // by --calendar alone.
  const bool yes = !o_.calendar.empty();
  platform_.ask = [yes](const std::string&, const std::string& title, ui::Buttons) {
    return yes && title == "Calendar?" ? ui::Answer::Yes : ui::Answer::No;
  };
}

bool BatchConverter::Convert(const std::string& entry, std::string& out) {
  f_.intCalendar = startCalendar_;
  f_.cboTimeZone.index = -1;
  SetEntry(f_, entry, o_);
  f_.txbPlusMinus.text = plusMinus_;
  f_.optPlus.value = !minus_;
  f_.optMinus.value = minus_;
  messages_.str("");
  const int before = platform_.messageCount;
  f_.cmdCompute_Click();
  std::string error;
  if (platform_.messageCount != before) {
    error = WithoutLineEnds(messages_.str());
    // The same moment as before is no failure: the dates stand.
    if (error.rfind("Calendar dates unchanged.", 0) == 0) error.clear();
  }

  if (o_.json) {
    Json record;
    record["entry"] = entry;
    if (error.empty()) {
      record.update(MomentJson(f_));
      if (native_) record["native"] = NativeJson(NativeOfMoment(f_, *native_));
    } else {
      record["error"] = error;
    }
    out += JsonText(record);
  } else {
    out += TsvCell(entry) + "\t" + TsvCell(error);
    if (error.empty()) {
      for (const FrmMain::LabelPair* row :
           {&f_.lblAstronomicalJulianDate, &f_.lblCommonEraDate, &f_.lblJulianCalendarDate, &f_.lblChineseLunarDate,
            &f_.lblChineseSolarDate, &f_.lblArchetypesCalendarGMT, &f_.lblChronologicalJulianDateLondon,
            &f_.lblChronologicalJulianDateBeijing})
        out += "\t" + TsvCell((*row)[1].caption);
      if (native_) {
        const NativeDay day = NativeOfMoment(f_, *native_);
        out += "\t" + TsvCell(day.date) + "\t" + TsvCell(FestivalNamesText(day));
      }
    } else {
      out += std::string(native_ ? 10 : 8, '\t');
    }
  }
  return error.empty();
}

}  // namespace tavro::cli
