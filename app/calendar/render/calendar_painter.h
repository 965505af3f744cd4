// Painting the month calendar with a QPainter: used for the window and for
// the saved picture alike, so both always look the same.
#pragma once

#include <QImage>
#include <QPainter>

#include "app/calendar/frm_calendar.h"

namespace tavro::calendar {

QImage ToQImage(const ui::Image& image);
// Paints the area of kWidth x kDrawingHeight pixels from the painter's origin.
void PaintCalendar(QPainter& painter, const Month& month, const DayPictures& pictures);
QImage RenderCalendar(const Month& month, const DayPictures& pictures);

}  // namespace tavro::calendar
