#include "app/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <vector>

#include "app/window_geometry.h"

namespace vaporin {

void FitOnScreen(QWidget* window) {
  std::vector<ScreenRect> available;
  // The primary screen first: a window on no screen goes there.
  std::vector<QScreen*> screens{QGuiApplication::primaryScreen()};
  for (QScreen* screen : QGuiApplication::screens()) {
    if (screen != screens.front()) screens.push_back(screen);
  }
  for (const QScreen* screen : screens) {
    if (screen == nullptr) continue;
    const QRect area = screen->availableGeometry();
    available.push_back({area.x(), area.y(), area.width(), area.height()});
  }
  const QRect frame = window->frameGeometry();
  const QSize decoration = frame.size() - window->size();
  const ScreenRect fitted =
      FitIntoScreens({frame.x(), frame.y(), frame.width(), frame.height()}, available);
  window->resize(fitted.Width - decoration.width(), fitted.Height - decoration.height());
  window->move(fitted.Left, fitted.Top);
}

}  // namespace vaporin
