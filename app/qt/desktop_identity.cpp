#include "app/qt/desktop_identity.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "core/time/data_folder.h"

// The resources live in a static library: they are brought in by name.
static void InitIcons() { Q_INIT_RESOURCE(icons); }

namespace tavro::qt {

void TieToDesktopEntry() {
  InitIcons();
  QGuiApplication::setDesktopFileName(kDesktopFileName);
  QIcon built;
  for (int size : {48, 256}) built.addFile(QString(":/icons/%1-%2.png").arg(kDesktopFileName).arg(size));
  QGuiApplication::setWindowIcon(QIcon::fromTheme(kDesktopFileName, built));
}

void EnsureRuntimeFolder() {
  const char* set = std::getenv("XDG_RUNTIME_DIR");
  if (set && *set) return;
  const std::string folder = "/tmp/runtime-" + std::to_string(getuid());
  mkdir(folder.c_str(), 0700);
  struct stat st{};
  // Only a folder of our own that nobody else can enter will do; otherwise Qt
  // is left to say what is wrong.
  if (lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid() && (st.st_mode & 0077) == 0)
    setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
}

QString LicenceFile() {
  // The data lives in <prefix>/share/tavro, the licence in <prefix>/share/doc/tavro.
  const QString data = QString::fromStdString(ProgramDataFolder());
  const QString installed = QDir::cleanPath(data + "/../doc/tavro/LICENSE");
  if (QFileInfo::exists(installed)) return installed;
  return QStringLiteral(TAVRO_INSTALLED_LICENCE);
}

}  // namespace tavro::qt
