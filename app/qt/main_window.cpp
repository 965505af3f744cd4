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
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "app/qt/help_window.h"
#include "app/qt/image_convert.h"
#include "app/qt/mirror.h"
#include "app/qt/qt_platform.h"
#include "app/qt/secondary_windows.h"

namespace tavro::qt {

namespace {

constexpr Qt::Key kHelpKey = Qt::Key_F1;

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
  auto* f1 = new QShortcut(QKeySequence(kHelpKey), this);
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

QComboBox* MainWindow::AddCombo(ui::ComboBox& v, const char* name, void (FrmMain::*handler)()) {
  auto* w = new QComboBox(this);
  w->setObjectName(name);
  w->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  combos_.push_back({&v, w});
  connect(w, qOverload<int>(&QComboBox::currentIndexChanged), this, [&v](int i) { v.index = i; });
  if (handler) connect(w, qOverload<int>(&QComboBox::activated), this, [this, handler] { Run([this, handler] { (f_.*handler)(); }); });
  return w;
}

QCheckBox* MainWindow::AddCheck(ui::CheckBox& v, const char* name, void (FrmMain::*handler)()) {
  auto* w = new QCheckBox(Q(v.caption), this);
  w->setObjectName(name);
  checks_.push_back({&v, w});
  connect(w, &QCheckBox::clicked, this, [this, &v, w, handler] {
    v.value = CheckBoxValue(w);
    Run([this, handler] { (f_.*handler)(); });
  });
  return w;
}

QRadioButton* MainWindow::AddOption(ui::OptionButton& v, const char* name, std::function<void()> handler) {
  auto* w = new QRadioButton(Q(v.caption), this);
  w->setObjectName(name);
  options_.push_back({&v, w});
  connect(w, &QRadioButton::toggled, this, [&v](bool on) { v.value = on; });
  connect(w, &QRadioButton::clicked, this, [this, handler] { Run(handler); });
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

QPushButton* MainWindow::AddOpener(ui::Button& v, const char* name, void (SecondaryWindows::*open)()) {
  auto* w = AddButton(v, name, nullptr);
  connect(w, &QPushButton::clicked, this, [this, open] {
    if (others_) (others_->*open)();
  });
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

void MainWindow::Run(const std::function<void()>& handler) {
  if (pushing_) return;
  // Only a handler that asks for the focus moves it.
  f_.focus.clear();
  handler();
  // Every window shows what the handler changed (the log, the data window).
  platform_.Sync();
}

void MainWindow::MirrorStyles() {
  const std::string form = "QWidget#frmMain { background: " + Css(f_.formBack) + "; }";
  if (form == formStyle_) return;
  formStyle_ = form;
  const ui::Rgb fore = TextOn(f_.formBack);
  // Captions sit on the country colour; boxes and lists keep their own look.
  // Check and option captions take the colour through the palette, which
  // leaves their indicators drawn in the style's own colours.
  auto recolour = [&](QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, QColor(fore.r, fore.g, fore.b));
    w->setPalette(p);
  };
  for (auto& [v, w] : checks_) recolour(w);
  for (auto& [v, w] : options_) recolour(w);
  setStyleSheet(Q(form + " QLabel#lblDateCaption, QLabel#lblStemBranchYear, QLabel#lblStemBranchDay { color: " + Css(fore) +
                  "; font-weight: bold; }" +
                  " QFrame#fraEntry { background: rgba(255,255,255,40); border: 1px solid rgba(255,255,255,90);"
                  " border-radius: 6px; }"));
}

void MainWindow::PushToWidgets() {
  pushing_ = true;
  MirrorStyles();
  for (auto& [v, w] : texts_) MirrorLineEdit(*v, w);
  for (auto& [v, w] : combos_) MirrorComboBox(*v, w);
  for (auto& [v, w] : checks_) MirrorCheckBox(*v, w);
  for (auto& [v, w] : options_) MirrorOption(*v, w);
  for (auto& [v, w] : buttons_) MirrorButton(*v, w);
  for (auto& b : labels_) {
    MirrorLabel(*b.value, b.widget);
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
  // Never wider than the screen with the frame, whatever the rows ask for.
  int wide = std::max(width(), hint.width());
  if (const QScreen* s = screen()) {
    const int frame = frameGeometry().width() - width();
    wide = std::min(wide, std::max(minimumSizeHint().width(), s->availableGeometry().width() - frame));
  }
  resize(wide, hint.height());
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
    if (key->key() == kHelpKey) {
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
