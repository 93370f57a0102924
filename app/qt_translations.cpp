#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace vaporin {

QString QtLanguageName(std::string_view languageCode) {
  QString name =
      QString::fromLatin1(languageCode.data(), static_cast<qsizetype>(languageCode.size()));
  const qsizetype underscore = name.indexOf(QLatin1Char('_'));
  if (underscore >= 0) name = name.left(underscore + 1) + name.mid(underscore + 1).toUpper();
  return name;
}

QtTranslations::~QtTranslations() {
  if (installed_) QCoreApplication::removeTranslator(&translator_);
}

bool QtTranslations::Select(std::string_view languageCode) {
  if (installed_) QCoreApplication::removeTranslator(&translator_);
  installed_ = false;
  if (languageCode.empty() || languageCode == "en") return true;
  if (!translator_.load(QStringLiteral("qtbase_") + QtLanguageName(languageCode),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return false;
  }
  installed_ = QCoreApplication::installTranslator(&translator_);
  return installed_;
}

}  // namespace vaporin
