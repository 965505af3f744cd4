#include "app/qt/data_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

#include "app/data/main_link.h"
#include "app/qt/qt_platform.h"

namespace tavro::qt {

namespace {

// The window's texts keep CR LF line ends; the text box shows line feeds.
QString ForDisplay(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace("\r\n", "\n");
  return s;
}

// Offset in the window's text (UTF-8, CR LF) of a position in the shown text.
size_t TextOffset(const QString& shown, int position) {
  const QString before = shown.left(position);
  return static_cast<size_t>(before.toUtf8().size() + before.count('\n'));
}

void SetCheck(QCheckBox* box, const ui::CheckBox& v) {
  box->setText(QString::fromStdString(v.caption));
  box->setChecked(v.value == 1);
  box->setVisible(v.visible);
  box->setEnabled(v.enabled);
}

void SetButton(QPushButton* b, const ui::Button& v) {
  b->setText(QString::fromStdString(v.caption));
  b->setVisible(v.visible);
  b->setEnabled(v.enabled);
}

void SetLine(QLineEdit* e, const ui::TextBox& v) {
  const QString t = QString::fromStdString(v.text);
  if (e->text() != t) e->setText(t);
  e->setVisible(v.visible);
  e->setEnabled(v.enabled);
}

}  // namespace

// The program's platform, with the data window mirrored at every yield of a
// listing and every repaint, so that its text grows while the list runs.
class DataWindow::YieldingPlatform : public ui::Platform {
 public:
  YieldingPlatform(ui::Platform& inner, DataWindow& w) : inner_(inner), w_(w) {}

  ui::Answer MessageBox(const std::string& text, const std::string& title, ui::Icon icon,
                        ui::Buttons buttons) override {
    w_.Sync();
    return inner_.MessageBox(text, title, icon, buttons);
  }
  void SetClipboardText(const std::string& text) override { inner_.SetClipboardText(text); }
  void SetClipboardImage(const ui::Image& image) override { inner_.SetClipboardImage(image); }
  void SetTimer(int intervalMs, bool enabled, std::function<void()> onTick) override {
    inner_.SetTimer(intervalMs, enabled, std::move(onTick));
  }
  bool InputPending() override { return inner_.InputPending(); }
  void DoEvents() override {
    w_.Sync();
    inner_.DoEvents();
  }
  void RequestQuit() override { inner_.RequestQuit(); }
  bool QuitRequested() const override { return inner_.QuitRequested(); }
  bool LoadPicture(const std::string& path, ui::Image& out) override { return inner_.LoadPicture(path, out); }
  bool ReadSetting(const std::string& name, std::string& value) override { return inner_.ReadSetting(name, value); }
  bool WriteSetting(const std::string& name, const std::string& value) override {
    return inner_.WriteSetting(name, value);
  }
  std::string SaveFileDialog(const std::string& title, const std::string& suggestedName,
                             const std::string& filter) override {
    return inner_.SaveFileDialog(title, suggestedName, filter);
  }
  std::string AppDataFolder() override { return inner_.AppDataFolder(); }
  std::string ProgramFolder() override { return inner_.ProgramFolder(); }
  void ShowHelp() override { inner_.ShowHelp(); }
  void Refresh() override {
    w_.Sync();
    w_.repaint();
  }
  void Sync() override {
    w_.Sync();
    inner_.Sync();
  }

 private:
  ui::Platform& inner_;
  DataWindow& w_;
};

DataWindow::DataWindow(ui::Platform& platform, FrmMain& main, QWidget* parent)
    : QWidget(parent, Qt::Window),
      platform_(std::make_unique<YieldingPlatform>(platform, *this)),
      data_(std::make_unique<FrmData>(*platform_)),
      main_(main) {
  setObjectName("frmData");
  ConnectToMain(*data_, main_);
  lastMainCalendar_ = main_.dataWindowCalendar;

  auto* layout = new QVBoxLayout(this);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName("txbText");
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont mono("Courier New");
  mono.setStyleHint(QFont::Monospace);
  text_->setFont(mono);
  text_->viewport()->installEventFilter(this);
  layout->addWidget(text_, 1);

  auto* options = new QGridLayout();
  optCE_ = new QRadioButton(this);
  optJC_ = new QRadioButton(this);
  major_ = new QCheckBox(this);
  minor_ = new QCheckBox(this);
  names_ = new QCheckBox(this);
  large_ = new QCheckBox(this);
  leapOnly_ = new QCheckBox(this);
  omitInvalid_ = new QCheckBox(this);
  numYears_ = new QLineEdit(this);
  start_ = new QLineEdit(this);
  end_ = new QLineEdit(this);
  years_ = new QLabel(this);
  numYears_->setMaximumWidth(80);
  for (QLineEdit* e : {numYears_, start_, end_}) e->installEventFilter(this);
  options->addWidget(optCE_, 0, 0);
  options->addWidget(optJC_, 0, 1);
  options->addWidget(major_, 0, 2);
  options->addWidget(minor_, 0, 3);
  options->addWidget(names_, 0, 4);
  options->addWidget(numYears_, 1, 0);
  options->addWidget(years_, 1, 1);
  options->addWidget(leapOnly_, 1, 2);
  options->addWidget(omitInvalid_, 1, 3);
  options->addWidget(large_, 1, 4);
  options->addWidget(start_, 2, 0, 1, 2);
  options->addWidget(end_, 2, 2, 1, 2);
  layout->addLayout(options);

  auto* buttons = new QHBoxLayout();
  list_ = new QPushButton(this);
  copy_ = new QPushButton(this);
  stop_ = new QPushButton(this);
  close_ = new QPushButton(this);
  for (QPushButton* b : {list_, copy_, stop_, close_}) buttons->addWidget(b);
  layout->addLayout(buttons);

  // Each widget writes its value the moment the user changes it.
  FrmData& d = *data_;
  connect(optCE_, &QRadioButton::toggled, this, [&d](bool on) { d.optCE.value = on; });
  connect(optJC_, &QRadioButton::toggled, this, [&d](bool on) { d.optJC.value = on; });
  const std::pair<QCheckBox*, ui::CheckBox*> checks[] = {
      {major_, &d.chkIncludeMajorSolarTerms}, {minor_, &d.chkIncludeMinorSolarTerms},
      {names_, &d.chkDisplaySolarTermNames},  {large_, &d.chkLargeWindow},
      {leapOnly_, &d.chkLeapMonthsOnly},      {omitInvalid_, &d.chkOmitInvalidDates}};
  for (auto [w, v] : checks) connect(w, &QCheckBox::toggled, this, [v = v](bool on) { v->value = on ? 1 : 0; });
  const std::pair<QLineEdit*, ui::TextBox*> lines[] = {
      {numYears_, &d.txbNumYears}, {start_, &d.txbStart}, {end_, &d.txbEnd}};
  for (auto [w, v] : lines)
    connect(w, &QLineEdit::textChanged, this, [v = v](const QString& t) { v->text = t.toStdString(); });
  connect(text_, &QPlainTextEdit::selectionChanged, this, [this] { TakeSelection(); });
  connect(text_, &QPlainTextEdit::cursorPositionChanged, this, [this] { TakeSelection(); });

  connect(optCE_, &QRadioButton::clicked, this, [this] { Run([this] { data_->optCE_Click(); }); });
  connect(optJC_, &QRadioButton::clicked, this, [this] { Run([this] { data_->optJC_Click(); }); });
  connect(major_, &QCheckBox::clicked, this, [this] { Run([this] { data_->chkIncludeMajorSolarTerms_Click(); }); });
  connect(minor_, &QCheckBox::clicked, this, [this] { Run([this] { data_->chkIncludeMinorSolarTerms_Click(); }); });
  connect(names_, &QCheckBox::clicked, this, [this] { Run([this] { data_->chkDisplaySolarTermNames_Click(); }); });
  connect(large_, &QCheckBox::clicked, this, [this] { Run([this] { data_->chkLargeWindow_Click(); }); });
  connect(list_, &QPushButton::clicked, this, [this] { Run([this] { data_->cmdList_Click(); }); });
  connect(copy_, &QPushButton::clicked, this, [this] { Run([this] { data_->cmdCopyToClipboard_Click(); }); });
  connect(stop_, &QPushButton::clicked, this, [this] { Run([this] { data_->cmdStop_Click(); }); });
  connect(close_, &QPushButton::clicked, this, [this] { Run([this] { data_->cmdClose_Click(); }); });
  resize(760, 480);
  Sync();
}

DataWindow::~DataWindow() = default;

// A click on the main window's CE or JC row chooses the data window's
// calendar; it takes effect when the window next lists something.
void DataWindow::TakeMainCalendar() {
  if (main_.dataWindowCalendar == lastMainCalendar_) return;
  lastMainCalendar_ = main_.dataWindowCalendar;
  data_->optJC.value = lastMainCalendar_ == 1;
  data_->optCE.value = !data_->optJC.value;
  Sync();
}

void DataWindow::DisplayYearData() {
  TakeMainCalendar();
  Run([this] {
    data_->mainStartingUp = !main_.startupCompleted;
    data_->DisplayYearData();
  });
  raise();
  activateWindow();
}

void DataWindow::List(int window) {
  TakeMainCalendar();
  Run([this, window] {
    data_->intWindow = window;
    data_->cmdList_Click();
  });
  raise();
  activateWindow();
}

void DataWindow::Test() {
  Run([this] { data_->DoTest(); });
  raise();
  activateWindow();
}

// A handler runs, then every window shows its values again (the main
// window's date box, which the test of a typed moment fills, included).
void DataWindow::Run(const std::function<void()>& handler) {
  handler();
  platform_->Sync();
}

void DataWindow::TakeSelection() {
  if (pushing_) return;
  const QTextCursor c = text_->textCursor();
  const QString shown = text_->toPlainText();
  data_->selStart = TextOffset(shown, c.selectionStart());
  data_->selLength = TextOffset(shown, c.selectionEnd()) - data_->selStart;
}

void DataWindow::SyncText() {
  const std::string& now = data_->txbText.text;
  if (now == shown_) return;
  if (!shown_.empty() && now.size() > shown_.size() && now.compare(0, shown_.size(), shown_) == 0) {
    // A listing that grows: add only the new part.
    QTextCursor c(text_->document());
    c.movePosition(QTextCursor::End);
    c.insertText(ForDisplay(now.substr(shown_.size())));
  } else {
    text_->setPlainText(ForDisplay(now));
  }
  shown_ = now;
  if (data_->caretAtEnd) {
    text_->moveCursor(QTextCursor::End);
    text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
  }
}

void DataWindow::Sync() {
  if (pushing_) return;
  pushing_ = true;
  FrmData& d = *data_;
  SyncText();
  setWindowTitle(QString::fromStdString(d.caption));
  optCE_->setText(QString::fromStdString(d.optCE.caption));
  optJC_->setText(QString::fromStdString(d.optJC.caption));
  optCE_->setChecked(d.optCE.value);
  optJC_->setChecked(d.optJC.value);
  optCE_->setEnabled(d.optCE.enabled);
  optJC_->setEnabled(d.optJC.enabled);
  SetCheck(major_, d.chkIncludeMajorSolarTerms);
  SetCheck(minor_, d.chkIncludeMinorSolarTerms);
  SetCheck(names_, d.chkDisplaySolarTermNames);
  SetCheck(large_, d.chkLargeWindow);
  SetCheck(leapOnly_, d.chkLeapMonthsOnly);
  SetCheck(omitInvalid_, d.chkOmitInvalidDates);
  SetLine(numYears_, d.txbNumYears);
  SetLine(start_, d.txbStart);
  SetLine(end_, d.txbEnd);
  years_->setText(QString::fromStdString(d.lblYears.caption));
  years_->setVisible(d.lblYears.visible);
  SetButton(list_, d.cmdList);
  SetButton(copy_, d.cmdCopyToClipboard);
  SetButton(stop_, d.cmdStop);
  SetButton(close_, d.cmdClose);
  text_->viewport()->setCursor(d.busyPointer ? Qt::WaitCursor : Qt::IBeamCursor);

  const QSize size = d.large ? QSize(1000, 720) : QSize(760, 480);
  if (d.visible && !isMaximized() && this->size() != size) resize(size);
  if (d.visible && !isVisible() && !QtPlatform::Quitting()) show();
  if (!d.visible && isVisible()) {
    closingByButton_ = true;
    hide();
    closingByButton_ = false;
  }
  if (d.visible && d.focus == "cmdClose") close_->setFocus();
  pushing_ = false;
  TakeSelection();
}

bool DataWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text_->viewport() && event->type() == QEvent::MouseButtonRelease) {
    const auto* m = static_cast<QMouseEvent*>(event);
    data_->txbText_MouseUp(m->button() == Qt::LeftButton);
    Sync();
  } else if (event->type() == QEvent::KeyPress) {
    const auto* k = static_cast<QKeyEvent*>(event);
    if (k->key() == Qt::Key_Escape) {
      EscapePressed();
      return true;
    }
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
      if (watched == numYears_) {
        Run([this] { data_->txbNumYears_Enter(); });
        return true;
      }
      if (watched == start_ || watched == end_) {
        Run([this, watched] { watched == start_ ? data_->txbStart_Enter() : data_->txbEnd_Enter(); });
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void DataWindow::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    EscapePressed();
    return;
  }
  QWidget::keyPressEvent(e);
}

// Escape closes the window as Close would, but not while something runs
// (Close would only stop it then).
void DataWindow::EscapePressed() {
  if (data_->running) return;
  Run([this] { data_->cmdClose_Click(); });
}

void DataWindow::changeEvent(QEvent* e) {
  if (e->type() == QEvent::ActivationChange && isActiveWindow()) Run([this] { data_->Form_Activate(); });
  QWidget::changeEvent(e);
}

void DataWindow::closeEvent(QCloseEvent* e) {
  if (closingByButton_) {
    e->accept();
    return;
  }
  Run([this] { data_->Form_QueryUnload(); });
  // A running list turned Close into Stop: the window stays open.
  if (data_->visible)
    e->ignore();
  else
    e->accept();
}

}  // namespace tavro::qt

