#include "app/qt/main_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "app/qt/help_window.h"
#include "app/qt/image_convert.h"
#include "app/qt/mirror.h"
#include "app/qt/qt_platform.h"

namespace tavro::qt {

namespace {

std::string Css(ui::Rgb c) {
  return "rgb(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

// Readable text on any background: white on dark colours, black on light ones.
ui::Rgb TextOn(ui::Rgb back) {
  const int luminance = (299 * back.r + 587 * back.g + 114 * back.b) / 1000;
  return luminance < 140 ? ui::Rgb{255, 255, 255} : ui::Rgb{0, 0, 0};
}

}  // namespace

void ClickLabel::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) emit clicked();
  QLabel::mousePressEvent(e);
}

MainWindow::MainWindow(FrmMain& logic, QtPlatform& platform) : f_(logic), platform_(platform) {
  setObjectName("frmMain");
  setWindowTitle(Q(f_.title));
  platform_.parentWindow = this;
  view_ = platform_.AddView([this] { PushToWidgets(); });
  platform_.showHelp = [this] { ShowHelp(); };
  BuildLayout();
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(f1, &QShortcut::activated, this, [this] { Run([this] { f_.cmdHelp_Click(); }); });
}

void MainWindow::ShowHelp() {
  if (!help_) help_ = new HelpWindow(this);
  help_->show();
  help_->raise();
  help_->activateWindow();
}

MainWindow::~MainWindow() { platform_.RemoveView(view_); }

// Each widget writes its value the moment the user changes it, so what the
// window shows is what the logic holds; showing a value blocks the signals.
QLineEdit* MainWindow::AddText(ui::TextBox& v, const char* name) {
  auto* w = new QLineEdit(this);
  w->setObjectName(name);
  texts_.push_back({&v, w});
  connect(w, &QLineEdit::textChanged, this, [&v](const QString& t) { v.text = t.toStdString(); });
  return w;
}

QComboBox* MainWindow::AddCombo(ui::ComboBox& v, const char* name) {
  auto* w = new QComboBox(this);
  w->setObjectName(name);
  w->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  combos_.push_back({&v, w});
  connect(w, qOverload<int>(&QComboBox::currentIndexChanged), this, [&v](int i) { v.index = i; });
  return w;
}

QCheckBox* MainWindow::AddCheck(ui::CheckBox& v, const char* name) {
  auto* w = new QCheckBox(Q(v.caption), this);
  w->setObjectName(name);
  checks_.push_back({&v, w});
  connect(w, &QCheckBox::toggled, this, [&v](bool on) { v.value = on ? 1 : 0; });
  return w;
}

QRadioButton* MainWindow::AddOption(ui::OptionButton& v, const char* name) {
  auto* w = new QRadioButton(Q(v.caption), this);
  w->setObjectName(name);
  options_.push_back({&v, w});
  connect(w, &QRadioButton::toggled, this, [&v](bool on) { v.value = on; });
  return w;
}

QPushButton* MainWindow::AddButton(ui::Button& v, const char* name, std::function<void()> handler) {
  auto* w = new QPushButton(Q(v.caption), this);
  w->setObjectName(name);
  w->setAutoDefault(false);
  buttons_.push_back({&v, w});
  if (handler) connect(w, &QPushButton::clicked, this, [this, handler] { Run(handler); });
  return w;
}

QLabel* MainWindow::AddLabel(ui::Label& v, const char* name, bool clickable) {
  QLabel* w = clickable ? new ClickLabel(this) : new QLabel(this);
  w->setObjectName(name);
  w->setTextFormat(Qt::PlainText);
  labels_.push_back({&v, w, {}});
  return w;
}

QLabel* MainWindow::AddPicture(ui::PictureBox& v, const char* name, int w, int h) {
  auto* label = new QLabel(this);
  label->setObjectName(name);
  label->setFixedSize(w, h);
  label->setAlignment(Qt::AlignCenter);
  pictures_.push_back({&v, label, nullptr, {}});
  return label;
}

void MainWindow::AddRow(QGridLayout* grid, int row, FrmMain::LabelPair& pair, std::optional<DisplayRow> kind,
                        const char* name) {
  const std::string base = name;
  QLabel* title = AddLabel(pair[0], (base + "_0").c_str(), kind.has_value());
  QLabel* text = AddLabel(pair[1], (base + "_1").c_str(), kind.has_value());
  title->setFixedWidth(230);
  title->setProperty("rowTitle", true);
  text->setProperty("rowText", true);
  text->setMinimumWidth(420);
  text->setTextInteractionFlags(Qt::NoTextInteraction);
  grid->addWidget(title, row, 0);
  grid->addWidget(text, row, 1);
  if (!kind) return;
  connect(static_cast<ClickLabel*>(title), &ClickLabel::clicked, this,
          [this, k = *kind] { Run([this, k] { f_.CopyDisplayedDate(k, 0); }); });
  connect(static_cast<ClickLabel*>(text), &ClickLabel::clicked, this,
          [this, k = *kind] { Run([this, k] { f_.CopyDisplayedDate(k, 1); }); });
}

void MainWindow::BuildLayout() {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(12, 12, 12, 12);
  outer->setSpacing(10);

  // ---- the entry area ----
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
  eg->addWidget(AddButton(f_.cmdNow, "cmdNow", [this] { f_.cmdNow_Click(); }), 0, 7);
  eg->addWidget(AddButton(f_.cmdClearDate, "cmdClearDate", [this] { f_.cmdClearDate_Click(); }), 0, 8);
  eg->addWidget(AddButton(f_.cmdHelp, "cmdHelp", [this] { f_.cmdHelp_Click(); }), 0, 9);

  eg->addWidget(AddLabel(f_.lblTimeZone, "lblTime"), 1, 0);
  auto* time = AddText(f_.txbTime, "txbTime");
  time->setPlaceholderText("12:00");
  time->setMaximumWidth(70);
  eg->addWidget(time, 1, 1);
  auto* zone = AddCombo(f_.cboTimeZone, "cboTimeZone");
  connect(zone, qOverload<int>(&QComboBox::activated), this, [this] { Run([this] { f_.cboTimeZone_Click(); }); });
  eg->addWidget(zone, 1, 2);
  eg->addWidget(AddLabel(f_.lblPlusMinus, "lblPlusMinus"), 1, 3, Qt::AlignRight);
  txbPlusMinus_ = AddText(f_.txbPlusMinus, "txbPlusMinus");
  txbPlusMinus_->setMaximumWidth(90);
  txbPlusMinus_->installEventFilter(this);
  eg->addWidget(txbPlusMinus_, 1, 4);
  auto* pm = new QHBoxLayout();
  auto* group = new QButtonGroup(this);
  auto* plus = AddOption(f_.optPlus, "optPlus");
  auto* minus = AddOption(f_.optMinus, "optMinus");
  connect(plus, &QRadioButton::clicked, this, [this] { Run([this] { f_.optPlusMinus_Click(0); }); });
  connect(minus, &QRadioButton::clicked, this, [this] { Run([this] { f_.optPlusMinus_Click(1); }); });
  group->addButton(plus);
  group->addButton(minus);
  pm->addWidget(plus);
  pm->addWidget(minus);
  eg->addLayout(pm, 1, 5);
  auto* ea = new QHBoxLayout();
  ea->addWidget(AddLabel(f_.lblElement, "lblElement"));
  auto* element = AddCombo(f_.cboElement, "cboElement");
  element->setMinimumWidth(80);
  connect(element, qOverload<int>(&QComboBox::activated), this, [this] { Run([this] { f_.cboElement_Click(); }); });
  ea->addWidget(element);
  ea->addWidget(AddLabel(f_.lblAnimal, "lblAnimal"));
  auto* animal = AddCombo(f_.cboAnimal, "cboAnimal");
  animal->setMinimumWidth(90);
  connect(animal, qOverload<int>(&QComboBox::activated), this, [this] { Run([this] { f_.cboAnimal_Click(); }); });
  ea->addWidget(animal);
  ea->addStretch();
  eg->addLayout(ea, 1, 6, 1, 4);
  outer->addWidget(entry);

  // ---- the display rows, with the pictures on the right ----
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
  auto* yearCaption = yearCaption_ = new QLabel("year", this);
  yearCaption->setObjectName("lblStemBranchYear");
  auto* dayCaption = dayCaption_ = new QLabel("day", this);
  dayCaption->setObjectName("lblStemBranchDay");
  auto* sb = new QGridLayout();
  sb->addWidget(yearCaption, 0, 0, 1, 2, Qt::AlignHCenter);
  sb->addWidget(AddPicture(f_.picStem[0], "picStem_0", 52, 52), 1, 0);
  sb->addWidget(AddPicture(f_.picBranch[0], "picBranch_0", 52, 52), 1, 1);
  sb->addWidget(dayCaption, 2, 0, 1, 2, Qt::AlignHCenter);
  sb->addWidget(AddPicture(f_.picStem[1], "picStem_1", 52, 52), 3, 0);
  sb->addWidget(AddPicture(f_.picBranch[1], "picBranch_1", 52, 52), 3, 1);
  pictures->addLayout(sb);
  pictures->addStretch();
  middle->addLayout(pictures);
  outer->addLayout(middle, 1);

  // ---- options ----
  auto* options = new QHBoxLayout();
  options->setSpacing(6);
  auto addCaptioned = [&](ui::Label& caption, const char* captionName, QWidget* w) {
    options->addWidget(AddLabel(caption, captionName));
    options->addWidget(w);
    options->addSpacing(8);
  };
  auto* country = AddCombo(f_.cboRefLong, "cboRefLong");
  connect(country, qOverload<int>(&QComboBox::activated), this, [this] { Run([this] { f_.cboRefLong_Click(); }); });
  addCaptioned(f_.lblRefLong, "lblRefLong", country);
  auto* longitude = AddCombo(f_.cboLongitude, "cboLongitude");
  connect(longitude, qOverload<int>(&QComboBox::activated), this, [this] { Run([this] { f_.cboLongitude_Click(); }); });
  addCaptioned(f_.lblLongitude, "lblLongitude", longitude);
  auto* cct = AddText(f_.txbCCT, "txbCCT");
  cct->setReadOnly(true);
  cct->setMaximumWidth(50);
  addCaptioned(f_.lblCCT, "lblCCT", cct);
  auto* epoch = AddCombo(f_.cboEpoch, "cboEpoch");
  connect(epoch, qOverload<int>(&QComboBox::activated), this, [this] { Run([this] { f_.cboEpoch_Click(); }); });
  addCaptioned(f_.lblEpoch, "lblEpoch", epoch);
  auto* method = AddCombo(f_.cboMethod, "cboMethod");
  connect(method, qOverload<int>(&QComboBox::activated), this, [this] { Run([this] { f_.cboMethod_Click(); }); });
  addCaptioned(f_.lblMethod, "lblMethod", method);
  options->addStretch();
  outer->addLayout(options);

  auto* checks = new QHBoxLayout();
  auto* showArc = AddCheck(f_.chkShowARC, "chkShowARC");
  connect(showArc, &QCheckBox::clicked, this, [this] { Run([this] { f_.chkShowARC_Click(); }); });
  auto* showCjds = AddCheck(f_.chkShowCJDs, "chkShowCJDs");
  connect(showCjds, &QCheckBox::clicked, this, [this] { Run([this] { f_.chkShowCJDs_Click(); }); });
  checks->addWidget(showArc);
  checks->addWidget(showCjds);
  auto* autoLog = AddCheck(f_.chkAutoLog, "chkAutoLog");
  connect(autoLog, &QCheckBox::clicked, this, [this] { Run([this] { f_.chkAutoLog_Click(); }); });
  checks->addWidget(autoLog);
  auto* native = AddCheck(f_.chkShowNativeNames, "chkShowNativeNames");
  connect(native, &QCheckBox::clicked, this, [this] { Run([this] { f_.chkShowNativeNames_Click(); }); });
  checks->addWidget(native);
  auto* script = AddCombo(f_.cboNativeScript, "cboNativeScript");
  connect(script, qOverload<int>(&QComboBox::activated), this, [this] { Run([this] { f_.cboNativeScript_Click(); }); });
  checks->addWidget(script);
  checks->addStretch();
  outer->addLayout(checks);
  checks = new QHBoxLayout();
  // Moving: one step per press, or a repeated run with Stop and Pause.
  auto* moveStep = AddCombo(f_.cboMoveStep, "cboMoveStep");
  moveStep->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  moveStep->setMinimumContentsLength(16);
  connect(moveStep, qOverload<int>(&QComboBox::activated), this, [this] { Run([this] { f_.cboMoveStep_Click(); }); });
  checks->addWidget(moveStep);
  auto* dirGroup = new QButtonGroup(this);
  auto* fwd = AddOption(f_.optMoveDirection[0], "optMoveDirection_0");
  auto* back = AddOption(f_.optMoveDirection[1], "optMoveDirection_1");
  connect(fwd, &QRadioButton::clicked, this, [this] { Run([this] { f_.optMoveDirection_Click(0); }); });
  connect(back, &QRadioButton::clicked, this, [this] { Run([this] { f_.optMoveDirection_Click(1); }); });
  dirGroup->addButton(fwd);
  dirGroup->addButton(back);
  checks->addWidget(fwd);
  checks->addWidget(back);
  checks->addWidget(AddButton(f_.cmdMove, "cmdMove", [this] { f_.cmdMove_Click(); }));
  checks->addWidget(AddButton(f_.cmdMoveOneDay, "cmdMoveOneDay", [this] { f_.cmdMoveOneDay_Click(); }));
  auto* repeatedly = AddCheck(f_.chkRepeatedly, "chkRepeatedly");
  connect(repeatedly, &QCheckBox::clicked, this, [this] { Run([this] { f_.chkRepeatedly_Click(); }); });
  checks->addWidget(repeatedly);
  auto* keep30 = AddCheck(f_.chkKeep30th, "chkKeep30th");
  connect(keep30, &QCheckBox::clicked, this, [this] { Run([this] { f_.chkKeep30th_Click(); }); });
  checks->addWidget(keep30);
  auto* keepLeap = AddCheck(f_.chkKeepLeap, "chkKeepLeap");
  connect(keepLeap, &QCheckBox::clicked, this, [this] { Run([this] { f_.chkKeepLeap_Click(); }); });
  checks->addWidget(keepLeap);
  checks->addStretch();
  outer->addLayout(checks);
  // The pace of a repeated run and its Stop and Pause get a line of their
  // own, so that the window keeps its width while a run shows them.
  checks = new QHBoxLayout();
  checks->addWidget(AddLabel(f_.lblRefreshPeriod, "lblRefreshPeriod"));
  auto* period = AddCombo(f_.cboRefreshPeriod, "cboRefreshPeriod");
  connect(period, qOverload<int>(&QComboBox::activated), this, [this] { Run([this] { f_.cboRefreshPeriod_Click(); }); });
  checks->addWidget(period);
  checks->addWidget(AddButton(f_.cmdStop, "cmdStop", [this] { f_.cmdStop_Click(); }));
  checks->addWidget(AddButton(f_.cmdPauseResume, "cmdPauseResume", [this] { f_.cmdPauseResume_Click(); }));
  checks->addStretch();
  outer->addLayout(checks);

  // Searching.
  checks = new QHBoxLayout();
  auto* target = AddCombo(f_.cboTarget, "cboTarget");
  target->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  target->setMinimumContentsLength(22);
  connect(target, qOverload<int>(&QComboBox::activated), this, [this] { Run([this] { f_.cboTarget_Click(); }); });
  checks->addWidget(target);
  auto* searchGroup = new QButtonGroup(this);
  auto* next = AddOption(f_.optNext, "optNext");
  auto* prev = AddOption(f_.optPrevious, "optPrevious");
  connect(next, &QRadioButton::clicked, this, [this] { Run([this] { f_.optNext_Click(); }); });
  connect(prev, &QRadioButton::clicked, this, [this] { Run([this] { f_.optPrevious_Click(); }); });
  searchGroup->addButton(next);
  searchGroup->addButton(prev);
  checks->addWidget(next);
  checks->addWidget(prev);
  checks->addWidget(AddButton(f_.cmdSearch, "cmdSearch", [this] { f_.cmdSearch_Click(); }));
  checks->addWidget(AddLabel(f_.lblSearching, "lblSearching"), 1);
  checks->addStretch();
  outer->addLayout(checks);

  // ---- the button row ----
  auto* row = new QHBoxLayout();
  row->addWidget(AddButton(f_.cmdAddToLog, "cmdAddToLog", nullptr));
  row->addWidget(AddButton(f_.cmdViewLog, "cmdViewLog", nullptr));
  row->addWidget(AddButton(f_.cmdClearLog, "cmdClearLog", nullptr));
  row->addWidget(AddButton(f_.cmdConfigureLog, "cmdConfigureLog", nullptr));
  row->addSpacing(16);
  row->addWidget(AddButton(f_.cmdDisplayCalendar, "cmdDisplayCalendar", nullptr));
  row->addWidget(AddButton(f_.cmdFestivals, "cmdFestivals", nullptr));
  row->addStretch();
  row->addWidget(AddButton(f_.cmdSaveState, "cmdSaveState", [this] { f_.cmdSaveState_Click(); }));
  row->addWidget(AddButton(f_.cmdRestoreState, "cmdRestoreState", [this] { f_.cmdRestoreState_Click(); }));
  row->addWidget(AddButton(f_.cmdReset, "cmdReset", [this] { f_.cmdReset_Click(); }));
  row->addWidget(AddButton(f_.cmdQuit, "cmdQuit", [this] { f_.cmdQuit_Click(); }));
  outer->addLayout(row);
  // The data window's listings get two rows of their own, so that the window
  // fits a 1024 x 768 screen with its frame.
  auto* lists = new QGridLayout();
  lists->setHorizontalSpacing(6);
  lists->addWidget(AddButton(f_.cmdDisplayYearData, "cmdDisplayYearData", nullptr), 0, 0);
  lists->addWidget(AddButton(f_.cmdListLunarNewYears, "cmdListLunarNewYears", nullptr), 0, 1);
  lists->addWidget(AddButton(f_.cmdListLeapMonths, "cmdListLeapMonths", nullptr), 1, 0);
  lists->addWidget(AddButton(f_.cmdListJulianCENewYears, "cmdListJulianCENewYears", nullptr), 1, 1);
  lists->addWidget(AddButton(f_.cmdTest, "cmdTest", nullptr), 0, 2);
  lists->setColumnStretch(3, 1);
  outer->addLayout(lists);
}

void MainWindow::Run(const std::function<void()>& handler) {
  if (pushing_) return;
  // Only a handler that asks for the focus moves it.
  f_.focus.clear();
  handler();
  // Every window shows what the handler changed (the log, the data window).
  platform_.Sync();
}

void MainWindow::PushToWidgets() {
  pushing_ = true;
  const std::string form = "QWidget#frmMain { background: " + Css(f_.formBack) + "; }";
  if (form != formStyle_) {
    formStyle_ = form;
    const ui::Rgb fore = TextOn(f_.formBack);
    // Captions sit on the country colour; boxes and lists keep their own look.
    // Check and option captions take the colour through the palette, which
    // leaves their indicators drawn in the style's own colours.
    for (auto& [v, w] : checks_) {
      QPalette p = w->palette();
      p.setColor(QPalette::WindowText, QColor(fore.r, fore.g, fore.b));
      w->setPalette(p);
    }
    for (auto& [v, w] : options_) {
      QPalette p = w->palette();
      p.setColor(QPalette::WindowText, QColor(fore.r, fore.g, fore.b));
      w->setPalette(p);
    }
    setStyleSheet(Q(form + " QLabel#lblDateCaption, QLabel#lblStemBranchYear, QLabel#lblStemBranchDay { color: " + Css(fore) +
                    "; font-weight: bold; }" +
                    " QFrame#fraEntry { background: rgba(255,255,255,40); border: 1px solid rgba(255,255,255,90);"
                    " border-radius: 6px; }"));
  }
  for (auto& [v, w] : texts_) {
    const QString t = Q(v->text);
    if (w->text() != t) {
      const QSignalBlocker block(w);
      w->setText(t);
    }
    w->setVisible(v->visible);
    w->setEnabled(v->enabled || w->isReadOnly());
    w->setToolTip(Q(v->tooltip));
  }
  for (auto& [v, w] : combos_) {
    MirrorComboBox(*v, w);
    w->setToolTip(Q(v->tooltip));
  }
  for (auto& [v, w] : checks_) {
    const QSignalBlocker block(w);
    w->setChecked(v->value != 0);
    w->setText(Q(v->caption));
    w->setVisible(v->visible);
    w->setEnabled(v->enabled);
  }
  for (auto& [v, w] : options_) {
    const QSignalBlocker block(w);
    if (v->value) w->setChecked(true);
    w->setVisible(v->visible);
    w->setEnabled(v->enabled);
  }
  for (auto& [v, w] : buttons_) {
    w->setText(Q(v->caption));
    w->setVisible(v->visible);
    w->setEnabled(v->enabled);
    w->setToolTip(Q(v->tooltip));
  }
  for (auto& b : labels_) {
    const QString t = Q(b.value->caption);
    if (b.widget->text() != t) b.widget->setText(t);
    b.widget->setToolTip(Q(b.value->tooltip));
    b.widget->setVisible(b.value->visible);
    std::string style;
    if (b.widget->property("rowTitle").toBool()) {
      style = "QLabel { background: " + Css(b.value->back) + "; color: black; padding: 3px 8px; border-radius: 3px; }";
    } else if (b.widget->property("rowText").toBool()) {
      style = "QLabel { background: white; color: black; padding: 3px 8px; border-radius: 3px;"
              " font-family: 'DejaVu Sans Mono', monospace; }";
    } else {
      // Captions share the window's colour, so they need no background of their own.
      const ui::Rgb fore = TextOn(b.value->back);
      const std::string back = b.value->back == f_.formBack ? std::string("transparent") : Css(b.value->back);
      style = "QLabel { background: " + back + "; color: " + Css(fore) + "; padding: 1px 4px; }";
      if (b.widget->property("plain").toBool()) style += " QLabel { font-weight: bold; }";
    }
    if (style != b.style) {
      b.style = style;
      b.widget->setStyleSheet(Q(style));
    }
  }
  for (auto& p : pictures_) {
    p.widget->setVisible(p.value->visible);
    if (p.value->image.pixels != p.lastPixels) {
      p.lastPixels = p.value->image.pixels;
      QImage img = ToQImage(p.value->image);
      if (!img.isNull() && (img.width() > p.widget->width() || img.height() > p.widget->height()))
        img = img.scaled(p.widget->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
      p.widget->setPixmap(QPixmap::fromImage(img));
    }
    p.widget->setStyleSheet(Q("QLabel { background: " + Css(p.value->back) + "; }"));
  }
  yearCaption_->setVisible(f_.picStem[0].visible);
  dayCaption_->setVisible(f_.picStem[1].visible);
  FitToRows();
  if (!f_.focus.empty()) {
    if (auto* w = findChild<QWidget*>(Q(f_.focus)); w && w->isVisible()) {
      w->setFocus();
      if (auto* line = qobject_cast<QLineEdit*>(w)) line->end(false);
    }
    f_.focus.clear();
  }
  pushing_ = false;
  if (afterPush) afterPush();
}

// Rows shown or hidden change the height the window needs: it grows to show
// them and shrinks back when they are hidden again (unless maximized).
void MainWindow::FitToRows() {
  std::vector<bool> shown;
  for (const auto& b : labels_) shown.push_back(b.value->visible);
  if (shown == shownRows_) return;
  const bool first = shownRows_.empty();
  shownRows_ = shown;
  if (first || isMaximized() || isFullScreen()) return;
  layout()->activate();
  const QSize hint = sizeHint();
  resize(std::max(width(), hint.width()), hint.height());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      bool swallowed = false;
      if (watched == txbDate_) Run([&] { swallowed = f_.txbDate_Enter(); });
      if (watched == txbPlusMinus_) Run([&] { swallowed = f_.txbPlusMinus_Enter(); });
      if (swallowed) return true;
    }
  } else if (event->type() == QEvent::KeyRelease && watched == txbDate_) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F1) {
      Run([&] { f_.txbDate_KeyUp(ui::kKeyF1); });
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* e) {
  // Closing by the frame saves and ends as Quit does.
  f_.Form_Unload();
  if (help_) help_->hide();
  e->accept();
}

}  // namespace tavro::qt
