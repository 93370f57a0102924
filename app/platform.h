#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace vaporin {

// The user's language as the system names it.
struct LocaleLanguage {
  QString IsoName;     // ISO 639, such as "de" or "zh"
  QString NativeName;  // such as "Deutsch"
  QString Script;      // ISO 15924, such as "Hant"; may be empty
  QString Territory;   // ISO 3166, such as "TW"; may be empty
};

// What the window needs of the machine. The window never calls the operating system itself,
// so tests can choose the folder, the locale and the Shift state.
class Platform {
 public:
  virtual ~Platform() = default;

  // The user's documents folder, or the home folder where the system names none.
  virtual QString DocumentsFolder() const = 0;
  virtual bool IsShiftHeld() const = 0;
  virtual LocaleLanguage UserLanguage() const = 0;
  // One character, as text.
  virtual QString DecimalSeparator() const = 0;
  // Opens a web address in the default browser; a failure is ignored.
  virtual void OpenWebAddress(const QString& address) = 0;
  // Asks where to save a file, offering the filters ("SVG (*.svg)", ...) and starting from
  // `suggested`; empty when the user cancels. The name ends in a filter's extension.
  virtual QString AskSaveFileName(QWidget* parent, const QString& title, const QString& suggested,
                                  const QStringList& filters) = 0;
  // Ends the process at once; nothing of the program runs afterwards.
  virtual void EndProcess(int exitCode) = 0;
};

}  // namespace vaporin
