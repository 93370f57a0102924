#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <optional>

#include "app/platform.h"

namespace vaporin {

// A machine the tests choose: its folder, locale and Shift state; it records what the window
// asks of it and never ends the test process.
class FakePlatform final : public Platform {
 public:
  // A fresh, empty documents folder of its own, removed with the fake.
  QTemporaryDir DocumentsDir;
  QString Documents = DocumentsDir.path();
  bool ShiftHeld = false;
  LocaleLanguage Language{QStringLiteral("en"), QStringLiteral("English"), {}, {}};
  QString Separator = QStringLiteral(",");
  QStringList OpenedAddresses;
  std::optional<int> EndedWith;
  // What a save dialog answers, and the dialogs asked.
  QString SaveFileName;
  QStringList SaveDialogTitles;

  QString DocumentsFolder() const override { return Documents; }
  bool IsShiftHeld() const override { return ShiftHeld; }
  LocaleLanguage UserLanguage() const override { return Language; }
  QString DecimalSeparator() const override { return Separator; }
  void OpenWebAddress(const QString& address) override { OpenedAddresses << address; }
  QString AskSaveFileName(QWidget*, const QString& title, const QString&,
                          const QStringList&) override {
    SaveDialogTitles << title;
    return SaveFileName;
  }
  void EndProcess(int exitCode) override { EndedWith = exitCode; }
};

}  // namespace vaporin
