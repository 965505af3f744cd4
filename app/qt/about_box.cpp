#include "app/qt/about_box.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/qt/desktop_identity.h"
#include "tavro_version.h"

namespace tavro::qt {

QString AboutBox::AboutHtml() {
  return QStringLiteral(R"(
<h2>TAVRO %1</h2>
<p>A calendar calculator for the Chinese lunisolar calendar and its Vietnamese and
Japanese variants, with <tt>tavro-cli</tt> for scripts.</p>
<p>Copyright &copy; %3 Velmora. Home page: <a href="%4">%4</a>.</p>
<p>Licensed under the GNU Affero General Public License,
version 3 or (at your option) any later version (AGPL-3.0-or-later). This program
comes with ABSOLUTELY NO WARRANTY. The full text of the licence is in
<tt>%5</tt> and
<a href="https://www.gnu.org/licenses/agpl-3.0.html">on the web</a>.</p>
<h3>Credits</h3>
<ul>
<li><b>Astronomy</b>: the Swiss Ephemeris by Astrodienst AG, Zurich (AGPL-3.0-or-later),
with its ephemeris files based on the DE431 planetary and lunar ephemeris of NASA's
Jet Propulsion Laboratory (JPL).</li>
<li><b>Fonts</b>: the stem and branch pictures are drawn from Noto Serif CJK SC
(SIL Open Font License 1.1); the month calendar and the number columns use
DejaVu Sans and DejaVu Sans Mono (Bitstream Vera licence).</li>
<li><b>Toolkit</b>: Qt %2 (LGPL-3.0).</li>
</ul>
)")
      .arg(QString::fromLatin1(kVersion), QString::fromLatin1(qVersion()), QStringLiteral(TAVRO_COPYRIGHT_YEAR),
           QStringLiteral(TAVRO_HOMEPAGE), LicenceFile().toHtmlEscaped());
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About TAVRO"));
  setObjectName("frmAbout");
  auto* layout = new QVBoxLayout(this);
  auto* text = new QTextBrowser(this);
  text->setOpenExternalLinks(true);
  text->setHtml(AboutHtml());
  layout->addWidget(text);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
  layout->addWidget(buttons);
  resize(520, 420);
}

}  // namespace tavro::qt
