// The main window's widgets, laid out top to bottom: the entry area, the
// display rows with the pictures, the options, moving, searching and the
// button rows. Each widget is made with the handler it runs.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/data/frm_data.h"
#include "app/qt/main_window.h"
#include "app/qt/secondary_windows.h"

namespace tavro::qt {

namespace {

// A button a repeated run hides keeps its place, so nothing below it moves.
QPushButton* KeepPlace(QPushButton* b) {
  QSizePolicy p = b->sizePolicy();
  p.setRetainSizeWhenHidden(true);
  b->setSizePolicy(p);
  return b;
}

}  // namespace

void MainWindow::BuildLayout() {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(12, 12, 12, 12);
  outer->setSpacing(10);
  outer->addWidget(BuildEntryArea());
  outer->addLayout(BuildDisplay(), 1);
  outer->addLayout(BuildCountryOptions());
  outer->addLayout(BuildShowOptions());
  outer->addLayout(BuildMoveRow());
  outer->addLayout(BuildRunPaceRow());
  outer->addLayout(BuildSearchRow());
  outer->addLayout(BuildButtonRow());
  outer->addLayout(BuildDataButtons());
}

QWidget* MainWindow::BuildEntryArea() {
  auto* entry = new QFrame(this);
  entry->setObjectName("fraEntry");
  entry->setFrameShape(QFrame::StyledPanel);
  auto* eg = new QGridLayout(entry);
  eg->setHorizontalSpacing(8);
  auto* lblDate = new QLabel("Date", entry);
  lblDate->setObjectName("lblDateCaption");
  txbDate_ = AddText(f_.txbDate, "txbDate");
  txbDate_->setPlaceholderText("e.g. 2000-01-01 CE,  79-31-9*-12 CHL,  2,455,000.5 AJD");
  txbDate_->setMinimumWidth(360);
  txbDate_->installEventFilter(this);
  connect(txbDate_, &QLineEdit::textEdited, this, [this] {
    f_.txbDate.text = txbDate_->text().toStdString();
    Run([this] { f_.txbDate_Change(); });
  });
  eg->addWidget(lblDate, 0, 0);
  eg->addWidget(txbDate_, 0, 1, 1, 5);
  auto* convert = AddButton(f_.cmdCompute, "cmdCompute", [this] { f_.cmdCompute_Click(); });
  convert->setDefault(false);
  eg->addWidget(convert, 0, 6);
  eg->addWidget(KeepPlace(AddButton(f_.cmdNow, "cmdNow", [this] { f_.cmdNow_Click(); })), 0, 7);
  eg->addWidget(AddButton(f_.cmdClearDate, "cmdClearDate", [this] { f_.cmdClearDate_Click(); }), 0, 8);
  eg->addWidget(AddButton(f_.cmdHelp, "cmdHelp", [this] { f_.cmdHelp_Click(); }), 0, 9);

  eg->addWidget(AddLabel(f_.lblTimeZone, "lblTime"), 1, 0);
  auto* time = AddText(f_.txbTime, "txbTime");
  time->setPlaceholderText("12:00");
  time->setMaximumWidth(70);
  eg->addWidget(time, 1, 1);
  eg->addWidget(AddCombo(f_.cboTimeZone, "cboTimeZone", &FrmMain::cboTimeZone_Click), 1, 2);
  eg->addWidget(AddLabel(f_.lblPlusMinus, "lblPlusMinus"), 1, 3, Qt::AlignRight);
  txbPlusMinus_ = AddText(f_.txbPlusMinus, "txbPlusMinus");
  txbPlusMinus_->setMaximumWidth(90);
  txbPlusMinus_->installEventFilter(this);
  eg->addWidget(txbPlusMinus_, 1, 4);
  auto* pm = new QHBoxLayout();
  auto* group = new QButtonGroup(this);
  for (int i : {0, 1}) {
    auto* o = AddOption(i == 0 ? f_.optPlus : f_.optMinus, i == 0 ? "optPlus" : "optMinus",
                        [this, i] { f_.optPlusMinus_Click(i); });
    group->addButton(o);
    pm->addWidget(o);
  }
  eg->addLayout(pm, 1, 5);
  auto* ea = new QHBoxLayout();
  ea->addWidget(AddLabel(f_.lblElement, "lblElement"));
  auto* element = AddCombo(f_.cboElement, "cboElement", &FrmMain::cboElement_Click);
  element->setMinimumWidth(80);
  ea->addWidget(element);
  ea->addWidget(AddLabel(f_.lblAnimal, "lblAnimal"));
  auto* animal = AddCombo(f_.cboAnimal, "cboAnimal", &FrmMain::cboAnimal_Click);
  animal->setMinimumWidth(90);
  ea->addWidget(animal);
  ea->addStretch();
  eg->addLayout(ea, 1, 6, 1, 4);
  return entry;
}

QLayout* MainWindow::BuildDisplay() {
  auto* middle = new QHBoxLayout();
  auto* grid = new QGridLayout();
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(3);
  int r = 0;
  AddRow(grid, r++, f_.lblCommonEraDate, DisplayRow::CE, "lblCommonEraDate");
  AddRow(grid, r++, f_.lblJulianCalendarDate, DisplayRow::JC, "lblJulianCalendarDate");
  AddRow(grid, r++, f_.lblChineseLunarDate, DisplayRow::CHL, "lblChineseLunarDate");
  AddRow(grid, r++, f_.lblChineseSolarDate, DisplayRow::CHS, "lblChineseSolarDate");
  // The date in the country's own script, shown when asked for.
  AddRow(grid, r++, f_.lblNativeDate, std::nullopt, "lblNativeDate");
  AddRow(grid, r++, f_.lblArchetypesCalendarGMT, DisplayRow::ArcGmt, "lblArchetypesCalendarGMT");
  AddRow(grid, r++, f_.lblArchetypesCalendarCCT, DisplayRow::ArcZone, "lblArchetypesCalendarCCT");
  AddRow(grid, r++, f_.lblAstronomicalJulianDate, DisplayRow::AJD, "lblAstronomicalJulianDate");
  AddRow(grid, r++, f_.lblChronologicalJulianDateLondon, DisplayRow::CJDL, "lblChronologicalJulianDateLondon");
  AddRow(grid, r++, f_.lblChronologicalJulianDateBeijing, DisplayRow::CJDC, "lblChronologicalJulianDateBeijing");
  {
    QLabel* t = AddLabel(f_.lblElementAnimalOfDay[0], "lblElementAnimalOfDay_0");
    QLabel* x = AddLabel(f_.lblElementAnimalOfDay[1], "lblElementAnimalOfDay_1");
    t->setProperty("plain", true);
    x->setProperty("plain", true);
    t->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(t, r, 0);
    grid->addWidget(x, r++, 1);
  }
  for (auto [label, name] : {std::pair{&f_.lblElementAnimalOfMonth, "lblElementAnimalOfMonth"},
                             std::pair{&f_.lblElementAnimalOfYear, "lblElementAnimalOfYear"},
                             std::pair{&f_.lblYear, "lblYear"}}) {
    QLabel* w = AddLabel(*label, name);
    w->setProperty("plain", true);
    grid->addWidget(w, r++, 1);
  }
  // Delta T copies nothing; the Moon rows only copy their text.
  AddRow(grid, r++, f_.lblDeltaT, std::nullopt, "lblDeltaT");
  AddRow(grid, r++, f_.lblPhaseOfMoon, DisplayRow::PhaseOfMoon, "lblPhaseOfMoon");
  AddRow(grid, r++, f_.lblAgeOfMoon, DisplayRow::AgeOfMoon, "lblAgeOfMoon");
  grid->setRowStretch(r, 1);
  middle->addLayout(grid, 1);

  auto* pictures = new QVBoxLayout();
  pictures->setSpacing(6);
  pictures->addWidget(AddPicture(f_.picMoon, "picMoon", 90, 90), 0, Qt::AlignHCenter);
  yearCaption_ = new QLabel("year", this);
  yearCaption_->setObjectName("lblStemBranchYear");
  dayCaption_ = new QLabel("day", this);
  dayCaption_->setObjectName("lblStemBranchDay");
  auto* sb = new QGridLayout();
  sb->addWidget(yearCaption_, 0, 0, 1, 2, Qt::AlignHCenter);
  sb->addWidget(AddPicture(f_.picStem[0], "picStem_0", 52, 52), 1, 0);
  sb->addWidget(AddPicture(f_.picBranch[0], "picBranch_0", 52, 52), 1, 1);
  sb->addWidget(dayCaption_, 2, 0, 1, 2, Qt::AlignHCenter);
  sb->addWidget(AddPicture(f_.picStem[1], "picStem_1", 52, 52), 3, 0);
  sb->addWidget(AddPicture(f_.picBranch[1], "picBranch_1", 52, 52), 3, 1);
  pictures->addLayout(sb);
  pictures->addStretch();
  middle->addLayout(pictures);
  return middle;
}

QLayout* MainWindow::BuildCountryOptions() {
  auto* options = new QHBoxLayout();
  options->setSpacing(6);
  auto addCaptioned = [&](ui::Label& caption, const char* captionName, QWidget* w) {
    options->addWidget(AddLabel(caption, captionName));
    options->addWidget(w);
    options->addSpacing(8);
  };
  addCaptioned(f_.lblRefLong, "lblRefLong", AddCombo(f_.cboRefLong, "cboRefLong", &FrmMain::cboRefLong_Click));
  addCaptioned(f_.lblLongitude, "lblLongitude",
               AddCombo(f_.cboLongitude, "cboLongitude", &FrmMain::cboLongitude_Click));
  auto* cct = AddText(f_.txbCCT, "txbCCT");
  cct->setReadOnly(true);
  cct->setMaximumWidth(50);
  addCaptioned(f_.lblCCT, "lblCCT", cct);
  addCaptioned(f_.lblEpoch, "lblEpoch", AddCombo(f_.cboEpoch, "cboEpoch", &FrmMain::cboEpoch_Click));
  addCaptioned(f_.lblMethod, "lblMethod", AddCombo(f_.cboMethod, "cboMethod", &FrmMain::cboMethod_Click));
  options->addStretch();
  return options;
}

QLayout* MainWindow::BuildShowOptions() {
  auto* checks = new QHBoxLayout();
  checks->addWidget(AddCheck(f_.chkShowARC, "chkShowARC", &FrmMain::chkShowARC_Click));
  checks->addWidget(AddCheck(f_.chkShowCJDs, "chkShowCJDs", &FrmMain::chkShowCJDs_Click));
  checks->addWidget(AddCheck(f_.chkAutoLog, "chkAutoLog", &FrmMain::chkAutoLog_Click));
  checks->addWidget(AddCheck(f_.chkShowNativeNames, "chkShowNativeNames", &FrmMain::chkShowNativeNames_Click));
  checks->addWidget(AddCombo(f_.cboNativeScript, "cboNativeScript", &FrmMain::cboNativeScript_Click));
  checks->addStretch();
  return checks;
}

// Moving: one step per press, or a repeated run with Stop and Pause.
QLayout* MainWindow::BuildMoveRow() {
  auto* row = new QHBoxLayout();
  auto* moveStep = AddCombo(f_.cboMoveStep, "cboMoveStep", &FrmMain::cboMoveStep_Click);
  moveStep->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  moveStep->setMinimumContentsLength(16);
  row->addWidget(moveStep);
  auto* group = new QButtonGroup(this);
  for (int i : {0, 1}) {
    auto* o = AddOption(f_.optMoveDirection[i], i == 0 ? "optMoveDirection_0" : "optMoveDirection_1",
                        [this, i] { f_.optMoveDirection_Click(i); });
    group->addButton(o);
    row->addWidget(o);
  }
  row->addWidget(AddButton(f_.cmdMove, "cmdMove", [this] { f_.cmdMove_Click(); }));
  row->addWidget(AddButton(f_.cmdMoveOneDay, "cmdMoveOneDay", [this] { f_.cmdMoveOneDay_Click(); }));
  row->addWidget(AddCheck(f_.chkRepeatedly, "chkRepeatedly", &FrmMain::chkRepeatedly_Click));
  row->addWidget(AddCheck(f_.chkKeep30th, "chkKeep30th", &FrmMain::chkKeep30th_Click));
  row->addWidget(AddCheck(f_.chkKeepLeap, "chkKeepLeap", &FrmMain::chkKeepLeap_Click));
  row->addStretch();
  return row;
}

// The pace of a repeated run and its Stop and Pause get a line of their own,
// so that the window keeps its width while a run shows them.
QLayout* MainWindow::BuildRunPaceRow() {
  auto* row = new QHBoxLayout();
  row->addWidget(AddLabel(f_.lblRefreshPeriod, "lblRefreshPeriod"));
  row->addWidget(AddCombo(f_.cboRefreshPeriod, "cboRefreshPeriod", &FrmMain::cboRefreshPeriod_Click));
  row->addWidget(AddButton(f_.cmdStop, "cmdStop", [this] { f_.cmdStop_Click(); }));
  row->addWidget(AddButton(f_.cmdPauseResume, "cmdPauseResume", [this] { f_.cmdPauseResume_Click(); }));
  row->addStretch();
  return row;
}

QLayout* MainWindow::BuildSearchRow() {
  auto* row = new QHBoxLayout();
  auto* target = AddCombo(f_.cboTarget, "cboTarget", &FrmMain::cboTarget_Click);
  target->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  target->setMinimumContentsLength(22);
  row->addWidget(target);
  auto* group = new QButtonGroup(this);
  auto* next = AddOption(f_.optNext, "optNext", [this] { f_.optNext_Click(); });
  auto* prev = AddOption(f_.optPrevious, "optPrevious", [this] { f_.optPrevious_Click(); });
  group->addButton(next);
  group->addButton(prev);
  row->addWidget(next);
  row->addWidget(prev);
  row->addWidget(AddButton(f_.cmdSearch, "cmdSearch", [this] { f_.cmdSearch_Click(); }));
  row->addWidget(AddLabel(f_.lblSearching, "lblSearching"), 1);
  row->addStretch();
  return row;
}

QLayout* MainWindow::BuildButtonRow() {
  auto* row = new QHBoxLayout();
  row->addWidget(AddOpener(f_.cmdAddToLog, "cmdAddToLog", &SecondaryWindows::AddToLog));
  row->addWidget(AddOpener(f_.cmdViewLog, "cmdViewLog", &SecondaryWindows::ViewLog));
  row->addWidget(AddOpener(f_.cmdClearLog, "cmdClearLog", &SecondaryWindows::ClearLog));
  row->addWidget(AddOpener(f_.cmdConfigureLog, "cmdConfigureLog", &SecondaryWindows::ConfigureLog));
  row->addSpacing(16);
  row->addWidget(KeepPlace(AddOpener(f_.cmdDisplayCalendar, "cmdDisplayCalendar", &SecondaryWindows::DisplayCalendar)));
  row->addWidget(AddOpener(f_.cmdFestivals, "cmdFestivals", &SecondaryWindows::OpenFestivals));
  row->addStretch();
  return row;
}

// The data window's listings get two rows of their own, with the state
// buttons and Quit at their right, so that the window fits a 1024 x 768
// screen with its frame however many log buttons show.
QLayout* MainWindow::BuildDataButtons() {
  auto* lists = new QGridLayout();
  lists->setHorizontalSpacing(6);
  const struct {
    ui::Button& value;
    const char* name;
    int window, row, column;
  } buttons[] = {{f_.cmdDisplayYearData, "cmdDisplayYearData", kWindowYearData, 0, 0},
                 {f_.cmdListLunarNewYears, "cmdListLunarNewYears", kWindowNewYears, 0, 1},
                 {f_.cmdListLeapMonths, "cmdListLeapMonths", kWindowMonthStarts, 1, 0},
                 {f_.cmdListJulianCENewYears, "cmdListJulianCENewYears", kWindowJcCeNewYears, 1, 1},
                 {f_.cmdTest, "cmdTest", kWindowTest, 0, 2}};
  for (const auto& b : buttons) {
    auto* w = KeepPlace(AddButton(b.value, b.name, nullptr));
    connect(w, &QPushButton::clicked, this, [this, window = b.window] {
      if (others_) others_->OpenData(window);
    });
    lists->addWidget(w, b.row, b.column);
  }
  lists->setColumnStretch(3, 1);
  lists->addWidget(AddButton(f_.cmdSaveState, "cmdSaveState", [this] { f_.cmdSaveState_Click(); }), 0, 4);
  lists->addWidget(AddButton(f_.cmdRestoreState, "cmdRestoreState", [this] {
                     f_.cmdRestoreState_Click();
                     if (others_) others_->StateRestored();
                   }),
                   0, 5);
  lists->addWidget(AddButton(f_.cmdReset, "cmdReset", [this] { f_.cmdReset_Click(); }), 1, 4);
  quit_ = AddButton(f_.cmdQuit, "cmdQuit", [this] { f_.cmdQuit_Click(); });
  lists->addWidget(quit_, 1, 5);
  return lists;
}

}  // namespace tavro::qt
