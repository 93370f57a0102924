#pragma once

#include "app/platform.h"

namespace vaporin {

// The real machine, through Qt.
class QtPlatform final : public Platform {
 public:
  QString DocumentsFolder() const override;
  bool IsShiftHeld() const override;
  LocaleLanguage UserLanguage() const override;
  QString DecimalSeparator() const override;
  void OpenWebAddress(const QString& address) override;
  QString AskSaveFileName(QWidget* parent, const QString& title, const QString& suggested,
                          const QStringList& filters) override;
  [[noreturn]] void EndProcess(int exitCode) override;
};

}  // namespace vaporin
