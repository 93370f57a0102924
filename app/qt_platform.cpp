#include "app/qt_platform.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

#include "settings/documents_folder.h"

namespace vaporin {

QString QtPlatform::DocumentsFolder() const {
  // The desktop's lookup, with the account's home folder where HOME is unset: the toolkit's
  // own would take the root folder then.
  return QFile::decodeName(vaporin::DocumentsFolder(ProcessEnvironment).c_str());
}

bool QtPlatform::IsShiftHeld() const {
  return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}

LocaleLanguage QtPlatform::UserLanguage() const {
  const QLocale locale = QLocale::system();
  return {QLocale::languageToCode(locale.language()), locale.nativeLanguageName(),
          QLocale::scriptToCode(locale.script()), QLocale::territoryToCode(locale.territory())};
}

QString QtPlatform::DecimalSeparator() const {
  const QString separator = QLocale::system().decimalPoint();
  return separator.isEmpty() ? QStringLiteral(".") : separator;
}

void QtPlatform::OpenWebAddress(const QString& address) {
  QDesktopServices::openUrl(QUrl(address));
}

QString QtPlatform::AskSaveFileName(QWidget* parent, const QString& title, const QString& suggested,
                                    const QStringList& filters) {
  QString chosen = filters.value(0);
  QString name = QFileDialog::getSaveFileName(parent, title, suggested,
                                              filters.join(QStringLiteral(";;")), &chosen);
  if (name.isEmpty()) return name;
  // A name typed without any filter's extension gets the chosen filter's.
  const QRegularExpression extension(QStringLiteral("\\*(\\.\\w+)"));
  for (const QString& filter : filters) {
    if (name.endsWith(extension.match(filter).captured(1), Qt::CaseInsensitive)) return name;
  }
  return name + extension.match(chosen).captured(1);
}

void QtPlatform::EndProcess(int exitCode) {
  std::fflush(nullptr);
  std::_Exit(exitCode);
}

}  // namespace vaporin
