#include "app/qt/multisearch_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "app/qt/mirror.h"
#include "app/qt/qt_platform.h"

namespace tavro::qt {

MultiSearchWindow::MultiSearchWindow(FrmMultipleElAn& logic, QtPlatform& platform, QWidget* parent, QWidget* quit)
    : QDialog(parent), w_(logic), platform_(platform), quit_(quit) {
  setObjectName("frmMultiple_El_An");
  // Modal by its own loop, not Qt's: a modal dialog would drop the main
  // window's Quit and the close of its frame.
  setModal(false);
  BuildLayout();
  w_.modalLoop = [this] { RunModal(); };
  // Every handler and every yield of a running scan shows this window with
  // the others (the Stop caption, the main window's progress line).
  view_ = platform_.AddView([this] { PushToWidgets(); });
}

MultiSearchWindow::~MultiSearchWindow() {
  platform_.RemoveView(view_);
  w_.modalLoop = nullptr;
}

void MultiSearchWindow::BuildLayout() {
  auto* outer = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  static const char* const kNouns[3] = {"day", "month", "year"};
  for (int row = 0; row < 3; ++row) {
    auto* element = new QComboBox(this);
    element->setObjectName(QString("cboElement_%1").arg(row));
    auto* animal = new QComboBox(this);
    animal->setObjectName(QString("cboAnimal_%1").arg(row));
    combos_.push_back({&w_.cboElement[row], element});
    combos_.push_back({&w_.cboAnimal[row], animal});
    grid->addWidget(element, row, 0);
    grid->addWidget(new QLabel("-", this), row, 1);
    grid->addWidget(animal, row, 2);
    grid->addWidget(new QLabel(kNouns[row], this), row, 3);
    connect(element, &QComboBox::activated, this, [this, row] { Run([this, row] { w_.cboElement_Click(row); }); });
    connect(animal, &QComboBox::activated, this, [this, row] { Run([this, row] { w_.cboAnimal_Click(row); }); });
  }
  outer->addLayout(grid);

  auto* range = new QHBoxLayout;
  auto* within = new QComboBox(this);
  within->setObjectName("cboWithin");
  combos_.push_back({&w_.cboWithin, within});
  connect(within, &QComboBox::activated, this, [this] { Run([this] { w_.cboWithin_Click(); }); });
  chkStartingFromToday_ = new QCheckBox(Q(w_.chkStartingFromToday.caption), this);
  chkStartingFromToday_->setObjectName("chkStartingFromToday");
  connect(chkStartingFromToday_, &QCheckBox::clicked, this,
          [this] { Run([this] { w_.chkStartingFromToday_Click(); }); });
  range->addWidget(within);
  range->addWidget(chkStartingFromToday_);
  range->addStretch();
  outer->addLayout(range);

  auto* buttons = new QHBoxLayout;
  auto addButton = [&](ui::Button& v, const char* name, std::function<void()> handler) {
    auto* b = new QPushButton(Q(v.caption), this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    buttons_.push_back({&v, b});
    connect(b, &QPushButton::clicked, this, [this, handler] { Run(handler); });
    buttons->addWidget(b);
  };
  addButton(w_.cmdSearch, "cmdSearch", [this] { w_.cmdSearch_Click(); });
  addButton(w_.cmdClear, "cmdClear", [this] { w_.cmdClear_Click(); });
  addButton(w_.cmdClose, "cmdClose", [this] { w_.cmdClose_Click(); });
  outer->addLayout(buttons);
  // The widgets write their values the moment the user changes them.
  for (auto& [v, w] : combos_)
    connect(w, qOverload<int>(&QComboBox::currentIndexChanged), this, [this, v = v](int i) {
      if (!pushing_) v->index = i;
    });
  connect(chkStartingFromToday_, &QCheckBox::toggled, this, [this] {
    if (!pushing_) w_.chkStartingFromToday.value = CheckBoxValue(chkStartingFromToday_);
  });

  // Shown only when the main window lends no progress line of its own.
  lblSearching_ = new QLabel(this);
  lblSearching_->setObjectName("lblSearching");
  lblSearching_->setTextFormat(Qt::PlainText);
  outer->addWidget(lblSearching_);
}

void MultiSearchWindow::PlaceNextToParent() {
  // Beside the main window, level with its upper part, where the element lists
  // and the conversion panel are; always wholly inside the screen's available
  // area (over the main window when there is no room beside it).
  QWidget* main = parentWidget();
  if (!main) return;
  adjustSize();
  const QRect frame = main->frameGeometry();
  const QScreen* screen = main->screen() ? main->screen() : QGuiApplication::primaryScreen();
  QPoint at(frame.right() + 1, frame.top() + frame.height() / 4);
  if (screen) {
    const QRect area = screen->availableGeometry();
    // Not shown yet: its frame is taken to be as wide as the main window's.
    const QSize size = isVisible() ? frameGeometry().size() : this->size() + (frame.size() - main->size());
    at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())));
    at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
  }
  move(at);
}

void MultiSearchWindow::RunModal() {
  PushToWidgets();
  PlaceNextToParent();
  QEventLoop loop;
  loop_ = &loop;
  qApp->installEventFilter(this);
  show();
  raise();
  activateWindow();
  if (w_.visible && !platform_.QuitRequested()) loop.exec();
  qApp->removeEventFilter(this);
  loop_ = nullptr;
  hide();
  platform_.Sync();
}

void MultiSearchWindow::Run(const std::function<void()>& handler) {
  if (pushing_) return;
  PullFromWidgets();
  w_.focus.clear();
  handler();
  PushToWidgets();
  platform_.Sync();
  if (!w_.visible && isVisible()) QDialog::reject();
}

bool MultiSearchWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride: {
      QWidget* w = qobject_cast<QWidget*>(watched);
      if (!w && watched) w = qobject_cast<QWidget*>(watched->parent());  // a shortcut
      if (w && w->window() != this && w != quit_) return true;
      break;
    }
    default:
      break;
  }
  return QDialog::eventFilter(watched, event);
}

void MultiSearchWindow::done(int r) {
  QDialog::done(r);
  if (loop_) loop_->quit();
}

void MultiSearchWindow::hideEvent(QHideEvent* e) {
  if (loop_) loop_->quit();
  QDialog::hideEvent(e);
}

void MultiSearchWindow::closeEvent(QCloseEvent* e) {
  if (w_.visible) {
    // Closed by the frame: no result, and a running scan ends at its next yield.
    w_.Form_QueryUnload();
    PushToWidgets();
  }
  e->accept();
  QDialog::closeEvent(e);
}

void MultiSearchWindow::reject() {
  if (w_.visible) Run([this] { w_.Form_QueryUnload(); });
  QDialog::reject();
}

void MultiSearchWindow::PullFromWidgets() {
  for (auto& [v, w] : combos_) v->index = w->currentIndex();
  w_.chkStartingFromToday.value = CheckBoxValue(chkStartingFromToday_);
}

void MultiSearchWindow::PushToWidgets() {
  pushing_ = true;
  setWindowTitle(Q(w_.caption));
  for (auto& [v, w] : combos_) MirrorComboBox(*v, w);
  MirrorCheckBox(w_.chkStartingFromToday, chkStartingFromToday_);
  for (auto& [v, b] : buttons_) MirrorButton(*v, b);
  const bool ownLine = w_.inputs.searching == nullptr;
  lblSearching_->setText(Q(w_.lblSearching.caption));
  lblSearching_->setVisible(ownLine && w_.lblSearching.visible);
  if (!w_.focus.empty()) {
    if (auto* target = findChild<QWidget*>(Q(w_.focus))) target->setFocus();
  }
  pushing_ = false;
}

}  // namespace tavro::qt
