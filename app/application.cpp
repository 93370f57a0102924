#include "app/application.h"

#include <QIcon>
#include <QMessageBox>
#include <QPalette>
#include <QStyleFactory>

#include "app/build_info.h"
#include "app/error_message.h"

namespace vaporin {

namespace {
void ShowErrorBox(const QString& text) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Vaporin"), text, QMessageBox::Ok);
  box.exec();
}

// The window's icon at the sizes title bars and task bars show; every size it has goes to the
// window system at start, and the desktop's icon theme has the larger ones.
QIcon ApplicationIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48}) {
    icon.addFile(QStringLiteral(":/vaporin/icon-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

QPalette VaporinPalette() {
  QPalette palette;
  palette.setColor(QPalette::Window, QColor(0xf4, 0xf6, 0xf8));
  palette.setColor(QPalette::WindowText, QColor(0x1f, 0x29, 0x33));
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::AlternateBase, QColor(0xee, 0xf2, 0xf6));
  palette.setColor(QPalette::Text, QColor(0x1f, 0x29, 0x33));
  palette.setColor(QPalette::Button, QColor(0xe8, 0xec, 0xf0));
  palette.setColor(QPalette::ButtonText, QColor(0x1f, 0x29, 0x33));
  palette.setColor(QPalette::Highlight, QColor(0x2a, 0x6f, 0x97));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x9a, 0xa5, 0xb1));
  palette.setColor(QPalette::Disabled, QPalette::Base, QColor(0xee, 0xf1, 0xf4));
  return palette;
}
}  // namespace

VaporinApplication::VaporinApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Vaporin"));
  setDesktopFileName(QStringLiteral(VAPORIN_APP_ID));
  setWindowIcon(ApplicationIcon());
  setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  setPalette(VaporinPalette());
}

VaporinApplication::ErrorReporter& VaporinApplication::Reporter() {
  static ErrorReporter reporter = ShowErrorBox;
  return reporter;
}

void VaporinApplication::SetErrorReporter(ErrorReporter reporter) {
  Reporter() = reporter ? std::move(reporter) : ErrorReporter(ShowErrorBox);
}

void VaporinApplication::ReportError(const std::exception_ptr& error) {
  const std::string text = ErrorBoxText(InnermostMessage(error));
  Reporter()(QString::fromStdString(text));
}

bool VaporinApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    ReportError(std::current_exception());
    return false;
  }
}

}  // namespace vaporin
