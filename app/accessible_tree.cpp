#include "app/accessible_tree.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QGraphicsProxyWidget>
#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace vaporin {
namespace {

constexpr char HiddenProperty[] = "vaporinHiddenFromScreenReaders";
constexpr int ReadingLineHeight = 24;  // layout units, about a line of the content's text

class FilteredAccessible final : public QAccessibleWidget {
 public:
  FilteredAccessible(QWidget* container, QWidget* shownBy)
      : QAccessibleWidget(container, QAccessible::Grouping), shownBy_(shownBy) {}

  QAccessibleInterface* parent() const override {
    if (shownBy_ != nullptr) return QAccessible::queryAccessibleInterface(shownBy_);
    return QAccessibleWidget::parent();
  }
  int childCount() const override { return static_cast<int>(Children().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> children = Children();
    if (index < 0 || index >= children.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(children[index]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr) return -1;
    return static_cast<int>(Children().indexOf(qobject_cast<QWidget*>(child->object())));
  }

 private:
  // In reading order, as drawn: top to bottom, then left to right (the header before the rows,
  // the chart's button before the gear), whatever order the widgets were made in.
  QList<QWidget*> Children() const {
    QList<QWidget*> shown;
    for (QObject* object : widget()->children()) {
      auto* child = qobject_cast<QWidget*>(object);
      if (child != nullptr && !child->isWindow() && !child->property(HiddenProperty).toBool()) {
        shown.append(child);
      }
    }
    // Widgets whose middles lie within one line of text read as one line, left to right.
    auto line = [](const QWidget* w) { return w->geometry().center().y() / ReadingLineHeight; };
    std::stable_sort(shown.begin(), shown.end(), [&](const QWidget* a, const QWidget* b) {
      return line(a) != line(b) ? line(a) < line(b) : a->x() < b->x();
    });
    return shown;
  }

  QPointer<QWidget> shownBy_;
};

class ViewAccessible final : public QAccessibleWidget {
 public:
  ViewAccessible(QWidget* view, QWidget* content)
      : QAccessibleWidget(view, QAccessible::Client), content_(content) {}

  int childCount() const override { return content_ != nullptr ? 1 : 0; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 && content_ != nullptr ? QAccessible::queryAccessibleInterface(content_)
                                             : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr && content_ != nullptr && child->object() == content_ ? 0 : -1;
  }

 private:
  QPointer<QWidget> content_;
};

// The application's top-level windows without the content drawn by a view: that content is a
// window to Qt (a hidden one, which the view draws), but a screen reader finds it under the view.
class ApplicationAccessible final : public QAccessibleApplication {
 public:
  int childCount() const override { return static_cast<int>(Windows().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QAccessibleInterface*> windows = Windows();
    return index >= 0 && index < windows.size() ? windows[index] : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return static_cast<int>(Windows().indexOf(const_cast<QAccessibleInterface*>(child)));
  }

 private:
  QList<QAccessibleInterface*> Windows() const {
    QList<QAccessibleInterface*> windows;
    for (int i = 0; i < QAccessibleApplication::childCount(); ++i) {
      QAccessibleInterface* window = QAccessibleApplication::child(i);
      if (window == nullptr) continue;
      const auto* widget = qobject_cast<const QWidget*>(window->object());
      if (widget != nullptr && widget->graphicsProxyWidget() != nullptr) continue;
      windows.append(window);
    }
    return windows;
  }
};

QAccessibleInterface* ApplicationFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("QApplication") && object == QCoreApplication::instance()) {
    return new ApplicationAccessible;
  }
  return nullptr;
}

}  // namespace

void HideFromScreenReaders(QWidget* widget) { widget->setProperty(HiddenProperty, true); }

void ExposeChildren(QWidget* container, QWidget* shownBy) {
  QAccessible::registerAccessibleInterface(new FilteredAccessible(container, shownBy));
}

void ExposeContentOf(QWidget* view, QWidget* content) {
  static const bool installed = [] {
    QAccessible::installFactory(ApplicationFactory);
    return true;
  }();
  (void)installed;
  QAccessible::registerAccessibleInterface(new ViewAccessible(view, content));
  ExposeChildren(content, view);
}

}  // namespace vaporin
