#include "app/qt_platform.h"

#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QStandardPaths>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

namespace vaporin {

QString QtPlatform::DocumentsFolder() const {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return documents.isEmpty() ? QDir::homePath() : documents;
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

void QtPlatform::EndProcess(int exitCode) {
  std::fflush(nullptr);
  std::_Exit(exitCode);
}

}  // namespace vaporin
