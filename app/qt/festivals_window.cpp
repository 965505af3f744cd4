#include "app/qt/festivals_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/qt/mirror.h"
#include "app/qt/qt_platform.h"

namespace tavro::qt {

namespace {

QPushButton* NewButton(QWidget* parent, const char* name) {
  auto* b = new QPushButton(parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

QLineEdit* NewLine(QWidget* parent, const char* name, ui::TextBox& v) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  QObject::connect(e, &QLineEdit::textChanged, parent, [&v](const QString& t) { v.text = t.toStdString(); });
  return e;
}

void FocusNamed(QWidget* window, std::string& focus) {
  if (focus.empty()) return;
  if (auto* w = window->findChild<QWidget*>(Q(focus)); w && w->isVisible()) w->setFocus();
  focus.clear();
}

}  // namespace

// ---- the export dialog ----

FestivalExportDialog::FestivalExportDialog(FrmFestivalExport& logic, QtPlatform& platform, QWidget* parent)
    : QDialog(parent), x_(logic), platform_(platform) {
  setObjectName("frmFestivalExport");
  // Not modal: a modal dialog would block the main window too (its Quit and
  // its frame). The festivals window waits while the dialog is open.
  setWindowModality(Qt::NonModal);
  auto* layout = new QVBoxLayout(this);
  auto* years = new QHBoxLayout();
  from_ = new QLabel(this);
  to_ = new QLabel(this);
  txbFrom_ = NewLine(this, "txbFrom", x_.txbFrom);
  txbTo_ = NewLine(this, "txbTo", x_.txbTo);
  for (QLineEdit* e : {txbFrom_, txbTo_}) e->setMaximumWidth(80);
  years->addWidget(from_);
  years->addWidget(txbFrom_);
  years->addWidget(to_);
  years->addWidget(txbTo_);
  years->addStretch();
  layout->addLayout(years);

  auto* kinds = new QGridLayout();
  for (int k = 0; k < kExportKindCount; ++k) {
    kinds_[k] = new QCheckBox(this);
    kinds_[k]->setObjectName(QString("chkKind_%1").arg(k));
    connect(kinds_[k], &QCheckBox::clicked, this, [this, k] { x_.chkKind[k].value = CheckBoxValue(kinds_[k]); });
    kinds->addWidget(kinds_[k], k / 2, k % 2);
  }
  layout->addLayout(kinds);

  auto* language = new QHBoxLayout();
  language_ = new QLabel(this);
  cboLanguage_ = new QComboBox(this);
  cboLanguage_->setObjectName("cboLanguage");
  connect(cboLanguage_, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int i) { x_.cboLanguage.index = i; });
  language->addWidget(language_);
  language->addWidget(cboLanguage_);
  language->addStretch();
  layout->addLayout(language);

  auto* buttons = new QHBoxLayout();
  save_ = NewButton(this, "cmdSave");
  cancel_ = NewButton(this, "cmdCancel");
  buttons->addStretch();
  buttons->addWidget(save_);
  buttons->addWidget(cancel_);
  layout->addLayout(buttons);
  connect(save_, &QPushButton::clicked, this, [this] { Run([this] { x_.cmdSave_Click(); }); });
  connect(cancel_, &QPushButton::clicked, this, [this] { Run([this] { x_.cmdCancel_Click(); }); });
  // Enter in a year box saves, as the dialog's one action.
  for (QLineEdit* e : {txbFrom_, txbTo_})
    connect(e, &QLineEdit::returnPressed, this, [this] { Run([this] { x_.cmdSave_Click(); }); });
  Sync();
}

void FestivalExportDialog::Run(const std::function<void()>& handler) {
  handler();
  platform_.Sync();
  Sync();
}

void FestivalExportDialog::Sync() {
  setWindowTitle(Q(x_.caption));
  MirrorLabel(x_.lblFrom, from_);
  MirrorLabel(x_.lblTo, to_);
  MirrorLabel(x_.lblLanguage, language_);
  MirrorLineEdit(x_.txbFrom, txbFrom_);
  MirrorLineEdit(x_.txbTo, txbTo_);
  for (int k = 0; k < kExportKindCount; ++k) MirrorCheckBox(x_.chkKind[k], kinds_[k]);
  MirrorComboBox(x_.cboLanguage, cboLanguage_);
  MirrorButton(x_.cmdSave, save_);
  MirrorButton(x_.cmdCancel, cancel_);
  if (x_.visible && !isVisible() && !QtPlatform::Quitting()) {
    adjustSize();
    show();
    raise();
    activateWindow();
  }
  if (!x_.visible && isVisible()) QDialog::reject();
  if (x_.visible) FocusNamed(this, x_.focus);
}

void FestivalExportDialog::reject() {
  if (x_.visible) Run([this] { x_.cmdCancel_Click(); });
  QDialog::reject();
}

void FestivalExportDialog::closeEvent(QCloseEvent* e) {
  if (x_.visible) Run([this] { x_.cmdCancel_Click(); });
  QDialog::closeEvent(e);
}

// ---- the festivals window ----

FestivalsWindow::FestivalsWindow(FrmFestivals& logic, QtPlatform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window), f_(logic), platform_(platform) {
  setObjectName("frmFestivals");
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout();
  lblYear_ = new QLabel(this);
  txbYear_ = NewLine(this, "txbYear", f_.txbYear);
  txbYear_->setMaximumWidth(80);
  txbYear_->installEventFilter(this);
  previous_ = NewButton(this, "cmdPreviousYear");
  next_ = NewButton(this, "cmdNextYear");
  for (QPushButton* b : {previous_, next_}) b->setMaximumWidth(36);
  lblCountry_ = new QLabel(this);
  lblCountry_->setObjectName("lblCountry");
  top->addWidget(lblYear_);
  top->addWidget(txbYear_);
  top->addWidget(previous_);
  top->addWidget(next_);
  top->addStretch();
  top->addWidget(lblCountry_);
  layout->addLayout(top);

  list_ = new QTreeWidget(this);
  list_->setObjectName("lstFestivals");
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setAllColumnsShowFocus(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->header()->setStretchLastSection(true);
  layout->addWidget(list_, 1);

  lblStatus_ = new QLabel(this);
  lblStatus_->setObjectName("lblStatus");
  lblStatus_->setTextFormat(Qt::PlainText);
  layout->addWidget(lblStatus_);

  auto* buttons = new QHBoxLayout();
  goTo_ = NewButton(this, "cmdGoTo");
  exportButton_ = NewButton(this, "cmdExport");
  close_ = NewButton(this, "cmdClose");
  buttons->addWidget(goTo_);
  buttons->addWidget(exportButton_);
  buttons->addStretch();
  buttons->addWidget(close_);
  layout->addLayout(buttons);

  connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (pushing_) return;
    f_.lstFestivals.index = item ? list_->indexOfTopLevelItem(item) : -1;
    Run([this] { f_.lstFestivals_Click(); });
  });
  // A double-click, or Enter on a row.
  connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
    f_.lstFestivals.index = item ? list_->indexOfTopLevelItem(item) : -1;
    Run([this] { f_.lstFestivals_DblClick(); });
  });
  connect(previous_, &QPushButton::clicked, this, [this] { Run([this] { f_.cmdPreviousYear_Click(); }); });
  connect(next_, &QPushButton::clicked, this, [this] { Run([this] { f_.cmdNextYear_Click(); }); });
  connect(goTo_, &QPushButton::clicked, this, [this] { Run([this] { f_.cmdGoTo_Click(); }); });
  connect(exportButton_, &QPushButton::clicked, this, [this] { Run([this] { f_.cmdExport_Click(); }); });
  connect(close_, &QPushButton::clicked, this, [this] { Run([this] { f_.cmdClose_Click(); }); });

  export_ = new FestivalExportDialog(f_.exportDialog, platform_, this);
  view_ = platform_.AddView([this] { Sync(); });
  resize(720, 520);
  Sync();
}

FestivalsWindow::~FestivalsWindow() { platform_.RemoveView(view_); }

void FestivalsWindow::Run(const std::function<void()>& handler) {
  if (pushing_) return;
  handler();
  // The main window, moved to a festival, shows its values too.
  platform_.Sync();
  Sync();
}

void FestivalsWindow::OpenFrom(const FestivalContext& context, QWidget* mainWindow) {
  const bool first = !isVisible();
  f_.Open(context);
  if (isMinimized()) showNormal();
  if (first && mainWindow && !isMaximized()) {
    // Beside the main window where the screen has room, else over its right part.
    const QScreen* screen = mainWindow->screen() ? mainWindow->screen() : QApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QRect m = mainWindow->frameGeometry();
    const int x = std::clamp(m.right() + 1, area.left(), std::max(area.left(), area.right() + 1 - frameGeometry().width()));
    const int y = std::clamp(m.top(), area.top(), std::max(area.top(), area.bottom() + 1 - frameGeometry().height()));
    move(x, y);
  }
  Sync();
  raise();
  activateWindow();
}

void FestivalsWindow::Sync() {
  if (pushing_) return;
  pushing_ = true;
  setWindowTitle(Q(f_.caption));
  MirrorLabel(f_.lblYear, lblYear_);
  MirrorLabel(f_.lblCountry, lblCountry_);
  MirrorLabel(f_.lblStatus, lblStatus_);
  MirrorLineEdit(f_.txbYear, txbYear_);
  MirrorButton(f_.cmdPreviousYear, previous_);
  MirrorButton(f_.cmdNextYear, next_);
  MirrorButton(f_.cmdGoTo, goTo_);
  MirrorButton(f_.cmdExport, exportButton_);
  MirrorButton(f_.cmdClose, close_);
  MirrorTable(f_.lstFestivals, list_);
  if (f_.exportDialog.visible)
    for (QWidget* w : std::initializer_list<QWidget*>{txbYear_, previous_, next_, goTo_, exportButton_, close_, list_})
      w->setEnabled(false);
  if (f_.visible && !isVisible() && !QtPlatform::Quitting()) show();
  if (!f_.visible && isVisible()) {
    closingByLogic_ = true;
    hide();
    closingByLogic_ = false;
  }
  if (f_.visible) FocusNamed(this, f_.focus);
  pushing_ = false;
  export_->Sync();
}

bool FestivalsWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txbYear_ && event->type() == QEvent::KeyPress) {
    const auto* k = static_cast<QKeyEvent*>(event);
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
      Run([this] { f_.txbYear_Enter(); });
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void FestivalsWindow::keyPressEvent(QKeyEvent* e) {
  // Escape closes the window as its Close does; the list, the year box and
  // the buttons leave the key to the window.
  if (e->key() == Qt::Key_Escape) {
    if (!f_.exportDialog.visible) Run([this] { f_.cmdClose_Click(); });
    return;
  }
  QWidget::keyPressEvent(e);
}

void FestivalsWindow::changeEvent(QEvent* e) {
  if (e->type() == QEvent::ActivationChange && isActiveWindow() && f_.visible) Run([this] { f_.Form_Activate(); });
  QWidget::changeEvent(e);
}

void FestivalsWindow::closeEvent(QCloseEvent* e) {
  if (!closingByLogic_) {
    f_.Form_QueryUnload();
    platform_.Sync();
  }
  e->accept();
}

}  // namespace tavro::qt
