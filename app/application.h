#pragma once

#include <QApplication>
#include <QString>
#include <exception>
#include <functional>

namespace vaporin {

// The application object: Vaporin's look, and the one place where an error that escapes a
// handler is shown.
class VaporinApplication : public QApplication {
 public:
  using ErrorReporter = std::function<void(const QString& text)>;

  VaporinApplication(int& argc, char** argv);

  // Shows the error's text in the error box (or hands it to the reporter tests install).
  static void ReportError(const std::exception_ptr& error);
  static void SetErrorReporter(ErrorReporter reporter);

  // A safety net only: Qt is built without exception support, so every handler catches its
  // own errors through RunGuarded.
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  static ErrorReporter& Reporter();
};

// Runs a handler's body; an error that escapes it goes to the error box and the program
// goes on.
template <typename Body>
void RunGuarded(Body&& body) {
  try {
    body();
  } catch (...) {
    VaporinApplication::ReportError(std::current_exception());
  }
}

// Every signal of the program reaches its handler through here, so that no handler runs
// unguarded. The handler takes no arguments: it reads what it needs from the controls.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection ConnectGuarded(Sender* sender, Signal signal, const QObject* context,
                                       Handler handler) {
  return QObject::connect(sender, signal, context,
                          [handler = std::move(handler)] { RunGuarded(handler); });
}

}  // namespace vaporin
