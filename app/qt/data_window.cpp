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
#include "app/qt/mirror.h"
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

}  // namespace

DataWindow::DataWindow(QtPlatform& platform, FrmMain& main, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform), data_(std::make_unique<FrmData>(platform)), main_(main) {
  setObjectName("frmData");
  ConnectToMain(*data_, main_);

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
  for (auto [w, v] : checks)
    connect(w, &QCheckBox::clicked, this, [w = w, v = v] { v->value = CheckBoxValue(w); });
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
  view_ = platform_.AddView([this] { Sync(); });
  Sync();
}

DataWindow::~DataWindow() { platform_.RemoveView(view_); }

void DataWindow::Open(int window) {
  Run([this, window] { OpenFromMain(*data_, main_, window); });
  raise();
  activateWindow();
}

// A handler runs, then every window shows its values again (the main
// window's date box, which the test of a typed moment fills, included).
void DataWindow::Run(const std::function<void()>& handler) {
  handler();
  platform_.Sync();
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
    // The last line from its start: the self-test's one long line of results
    // would otherwise show only its tail.
    text_->horizontalScrollBar()->setValue(0);
  }
}

void DataWindow::Sync() {
  if (pushing_) return;
  pushing_ = true;
  FrmData& d = *data_;
  SyncText();
  setWindowTitle(QString::fromStdString(d.caption));
  MirrorOption(d.optCE, optCE_);
  MirrorOption(d.optJC, optJC_);
  MirrorCheckBox(d.chkIncludeMajorSolarTerms, major_);
  MirrorCheckBox(d.chkIncludeMinorSolarTerms, minor_);
  MirrorCheckBox(d.chkDisplaySolarTermNames, names_);
  MirrorCheckBox(d.chkLargeWindow, large_);
  MirrorCheckBox(d.chkLeapMonthsOnly, leapOnly_);
  MirrorCheckBox(d.chkOmitInvalidDates, omitInvalid_);
  MirrorLineEdit(d.txbNumYears, numYears_);
  MirrorLineEdit(d.txbStart, start_);
  MirrorLineEdit(d.txbEnd, end_);
  MirrorLabel(d.lblYears, years_);
  MirrorButton(d.cmdList, list_);
  MirrorButton(d.cmdCopyToClipboard, copy_);
  MirrorButton(d.cmdStop, stop_);
  MirrorButton(d.cmdClose, close_);
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

