#include "app/calendar/frm_calendar.h"

#include <cctype>

namespace tavro {

FrmCalendar::FrmCalendar(ui::Platform& platform, PngWriter writer)
    : platform_(platform), writer_(std::move(writer)) {
  lblTitle.back = lblYearAndMonth.back = calendar::kBackground;
  lblTitle.fore = lblYearAndMonth.fore = calendar::kTextColour;
  cmdShowPreviousOrNext[0].caption = "Show previous month";
  cmdShowPreviousOrNext[1].caption = "Show next month";
  cmdSaveCalendarImage.caption = "Save as PNG image";
  cmdClose.caption = "Close";
}

void FrmCalendar::Open(const CalendarContext& fromMain) {
  context = fromMain;
  lngJDN1stOfMonth = calendar::FirstDayOfLunarMonth(context.ajd, context.settings);
  if (!blnFormLoaded) {
    loadingMessageVisible = true;
    platform_.Refresh();
    Form_Load();
  }
  minimized = false;
  visible = true;
  Form_Activate();
}

void FrmCalendar::Form_Load() {
  std::string folder = platform_.ProgramFolder();
  if (!folder.empty() && folder.back() != '/') folder += '/';
  // A missing picture leaves its cell without a moon; the month is still usable.
  for (int n = 0; n < calendar::kCells; ++n) {
    pictures[n] = ui::Image();
    if (calendar::CellUsed(n, 30)) platform_.LoadPicture(folder + calendar::DayPictureName(n), pictures[n]);
  }
  blnFormLoaded = true;
  loadingMessageVisible = false;
}

void FrmCalendar::DrawMonth() {
  caption = calendar::CalendarCaption(context.lunarDateLine);
  month = calendar::BuildMonth(lngJDN1stOfMonth, context.settings, context.country, context.todayJdn,
                               context.showArc);
  lblTitle.caption = month.title;
  lblYearAndMonth.caption = month.yearAndMonth;
  // Without a readable month there is nothing to step from.
  cmdShowPreviousOrNext[0].enabled = cmdShowPreviousOrNext[1].enabled = month.valid;
  cmdSaveCalendarImage.enabled = month.valid;
}

void FrmCalendar::cmdShowPreviousOrNext_Click(int index) {
  if (!month.valid || (index != 0 && index != 1)) return;
  lngJDN1stOfMonth = index == 0 ? month.previousStart : month.nextStart;
  DrawMonth();
}

std::string FrmCalendar::WithPngExtension(const std::string& path) {
  if (path.size() >= 4) {
    std::string end = path.substr(path.size() - 4);
    for (char& c : end) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (end == ".png") return path;
  }
  return path + ".png";
}

void FrmCalendar::cmdSaveCalendarImage_Click() {
  imageSaved = false;
  const std::string chosen = platform_.SaveFileDialog(kSaveDialogTitle, "", kSaveDialogFilter);
  if (chosen.empty()) return;
  const std::string path = WithPngExtension(chosen);
  // The picture is drawn straight from the month, so the clipboard is never
  // used and no intermediate bitmap file appears.
  if (!writer_ || !month.valid || !writer_(month, pictures, path)) {
    platform_.MessageBox(kSaveErrorText, "Save as PNG image", ui::Icon::None, ui::Buttons::Ok);
    return;
  }
  imageSaved = true;
  platform_.MessageBox(std::string(kSavedText) + "\r\n" + path, "Save image", ui::Icon::Information,
                       ui::Buttons::Ok);
}

void FrmCalendar::cmdClose_Click() {
  visible = false;
  if (onClose) onClose();
}

}  // namespace tavro
