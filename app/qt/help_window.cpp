#include "app/qt/help_window.h"

#include "app/qt/about_box.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tavro::qt {

QString HelpWindow::GuideHtml() {
  return QStringLiteral(R"(
<h2>Entering a date</h2>
<p>Type a date in the <b>Date</b> box followed by its calendar code and press <b>Enter</b> or
<b>Convert</b>. Letter case and blanks around the text do not matter.</p>
<table border="1" cellspacing="0" cellpadding="4">
<tr><th>Code</th><th>Form</th><th>Example</th></tr>
<tr><td>CE</td><td>year-month-day, Common Era (proleptic Gregorian, year 0 = 1 BC)</td><td>2000-01-01 CE, -43-03-15 CE</td></tr>
<tr><td>JC</td><td>year-month-day, Julian Calendar</td><td>1582-10-04 JC</td></tr>
<tr><td>CHL</td><td>cycle-position-month-day, Chinese lunar; * after the month marks a leap month</td><td>79-31-9*-12 CHL</td></tr>
<tr><td>CHL</td><td>Overseas Chinese year-month-day (China only)</td><td>4709-1-1 CHL</td></tr>
<tr><td>CHL</td><td>? as position with the element and animal chosen in the lists</td><td>70-?-12-30 CHL</td></tr>
<tr><td>CHS</td><td>cycle-position-solarterm-day, Chinese solar (term 1 = winter solstice)</td><td>79-41-23-05 CHS</td></tr>
<tr><td>ARC</td><td>year-month-day, Archetypes Calendar</td><td>4720-01-05 ARC</td></tr>
<tr><td>AJD</td><td>astronomical Julian date (days from 12:00 GMT)</td><td>2,455,000.5 AJD</td></tr>
<tr><td>CJDL</td><td>chronological Julian date, London</td><td>2451545.25 CJDL</td></tr>
<tr><td>CJDC</td><td>chronological Julian date at the reference meridian</td><td>2451545.25 CJDC</td></tr>
</table>
<p>Use "-" between the parts of a date; day counts may use "," for thousands and "." for decimals.
Without a code the program asks whether the date belongs to the calendar you used last.</p>
<h2>Time and zone</h2>
<p>Put the time of day in the <b>Time</b> box as hours:minutes (23:50; 9.30 is read as 09:30).
Without a time, 12:00 is taken. The zone list chooses GMT or the zone of the reference meridian;
without a choice, European and ARC dates are GMT and Chinese dates are local.</p>
<h2>Adding days</h2>
<p>Type a number of days (fractions allowed) in <b>Days</b>, choose plus or minus and convert.
With an empty date box the days are added to the date shown for the current calendar.</p>
<h2>Other things</h2>
<ul>
<li>Click a date in the display to copy it to the clipboard; a click on the date text also puts
it in the entry boxes.</li>
<li><b>Now</b> shows the present moment. The country sets the reference meridian (China 120&deg;,
Vietnam 105&deg;, Japan 135&deg; East), the zone name and some animal names.</li>
<li><b>Save state</b> keeps the moment and the options for the next start; <b>Quit</b> saves them too.</li>
</ul>
)");
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("TAVRO help"));
  setObjectName("frmHelp");
  auto* layout = new QVBoxLayout(this);
  auto* text = new QTextBrowser(this);
  text->setHtml(GuideHtml());
  layout->addWidget(text);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
  QPushButton* about = buttons->addButton(QStringLiteral("About TAVRO"), QDialogButtonBox::ActionRole);
  about->setObjectName("cmdAbout");
  connect(about, &QPushButton::clicked, this, [this] {
    if (aboutBox_ == nullptr) aboutBox_ = new AboutBox(this);
    aboutBox_->show();
    aboutBox_->raise();
  });
  layout->addWidget(buttons);
  resize(640, 560);
}

}  // namespace tavro::qt
