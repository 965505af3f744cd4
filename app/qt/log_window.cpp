#include "app/qt/log_window.h"

#include "app/qt/mirror.h"
#include "app/qt/qt_platform.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QTextCursor>
#include <QVBoxLayout>

namespace tavro::qt {

namespace {
constexpr int kTwipsPerPixel = 15;

// The log keeps CR LF line ends; the text box shows plain line feeds.
QString ForDisplay(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace("\r\n", "\n");
  return s;
}

// Offset in the log text (UTF-8, CR LF) of a position in the displayed text.
int LogOffset(const QString& shown, int position) {
  const QString before = shown.left(position);
  return static_cast<int>(before.toUtf8().size() + before.count('\n'));
}
}  // namespace

LogWindow::LogWindow(FrmLog& log, QtPlatform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window), log_(log), platform_(platform) {
  setObjectName("frmLog");
  auto* layout = new QVBoxLayout(this);
  text_ = new QPlainTextEdit(this);
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->viewport()->installEventFilter(this);
  layout->addWidget(text_);
  auto* buttons = new QHBoxLayout();
  copy_ = new QPushButton(this);
  clear_ = new QPushButton(this);
  close_ = new QPushButton(this);
  for (QPushButton* b : {copy_, clear_, close_}) buttons->addWidget(b);
  layout->addLayout(buttons);
  resize(700, 500);

  connect(copy_, &QPushButton::clicked, this, [this] {
    PullSelection();
    Run([this] { log_.cmdCopyToClipboard_Click(); });
  });
  connect(clear_, &QPushButton::clicked, this, [this] { Run([this] { log_.cmdClear_Click(); }); });
  connect(close_, &QPushButton::clicked, this, [this] { Run([this] { log_.cmdClose_Click(); }); });
  view_ = platform_.AddView([this] { Sync(); });
  Sync();
}

LogWindow::~LogWindow() { platform_.RemoveView(view_); }

// The log's own Clear and Close change the main window's buttons too.
void LogWindow::Run(const std::function<void()>& handler) {
  handler();
  platform_.Sync();
}

void LogWindow::PullSelection() {
  const QTextCursor c = text_->textCursor();
  const QString shown = text_->toPlainText();
  const int start = LogOffset(shown, c.selectionStart());
  log_.selStart = start;
  log_.selLength = LogOffset(shown, c.selectionEnd()) - start;
}

bool LogWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text_->viewport() && event->type() == QEvent::MouseButtonRelease) {
    PullSelection();
    log_.txbText_MouseUp();
    copy_->setText(QString::fromStdString(log_.cmdCopyToClipboard.caption));
  }
  return QWidget::eventFilter(watched, event);
}

void LogWindow::Sync() {
  const QString shown = ForDisplay(log_.txbText.text);
  if (text_->toPlainText() != shown) {
    text_->setPlainText(shown);
    text_->moveCursor(QTextCursor::End);
  }
  setWindowTitle(QString::fromStdString(log_.caption));
  MirrorButton(log_.cmdCopyToClipboard, copy_);
  MirrorButton(log_.cmdClear, clear_);
  MirrorButton(log_.cmdClose, close_);
  if (log_.visible && !isVisible() && !QtPlatform::Quitting()) show();
  if (!log_.visible && isVisible()) {
    closingByButton_ = true;
    hide();
    closingByButton_ = false;
  }
  if (log_.visible && log_.focus == "cmdClose") close_->setFocus();
}

void LogWindow::ShowOver(QWidget* mainWindow) {
  if (isMinimized()) showNormal();
  if (mainWindow && !isMaximized()) {
    const QRect m = mainWindow->frameGeometry();
    setGeometry(m.left(), m.top() + 775 / kTwipsPerPixel, m.width(), m.height() - 1000 / kTwipsPerPixel);
  }
  log_.Show();
  Sync();
  raise();
  activateWindow();
}

void LogWindow::changeEvent(QEvent* e) {
  if (e->type() == QEvent::ActivationChange && isActiveWindow()) {
    log_.Form_Activate();
    // No selection, the caret at the end: "Copy to clipboard" copies the
    // whole log, as its caption says.
    text_->moveCursor(QTextCursor::End);
    PullSelection();
    Sync();
  }
  QWidget::changeEvent(e);
}

void LogWindow::keyPressEvent(QKeyEvent* e) {
  // Escape closes the window as its Close does (the text stays).
  if (e->key() == Qt::Key_Escape) {
    close_->click();
    return;
  }
  QWidget::keyPressEvent(e);
}

void LogWindow::closeEvent(QCloseEvent* e) {
  if (!closingByButton_) {
    log_.Form_QueryUnloadByFrame();
    platform_.Sync();
  }
  e->accept();
}

}  // namespace tavro::qt
