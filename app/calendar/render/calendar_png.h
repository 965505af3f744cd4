// The month calendar as a picture file, drawn with Qt's raster painter. No
// Qt types here, so the command line can use it without knowing Qt.
#pragma once

#include <string>

#include "app/calendar/frm_calendar.h"

namespace tavro::calendar {

// Makes sure a Qt GUI application object exists, as text drawing needs one;
// without one, creates it on the offscreen platform (no display needed).
void EnsureGuiApplication();

// The drawing of `month` written as a PNG file of kWidth x kDrawingHeight
// pixels; false, with any partial file removed, when it cannot be written.
bool WriteCalendarPng(const Month& month, const DayPictures& pictures, const std::string& path);

// A BMP or GIF file into a pixel buffer; transparent pixels take the
// calendar's background colour. False when the file cannot be read.
bool LoadDayPicture(const std::string& path, ui::Image& out);

}  // namespace tavro::calendar
