#include "app/accessible_tree.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace vaporin {
namespace {

constexpr char HiddenProperty[] = "vaporinHiddenFromScreenReaders";

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
  QList<QWidget*> Children() const {
    QList<QWidget*> shown;
    for (QObject* object : widget()->children()) {
      auto* child = qobject_cast<QWidget*>(object);
      if (child != nullptr && !child->isWindow() && !child->property(HiddenProperty).toBool()) {
        shown.append(child);
      }
    }
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

}  // namespace

void HideFromScreenReaders(QWidget* widget) { widget->setProperty(HiddenProperty, true); }

void ExposeChildren(QWidget* container, QWidget* shownBy) {
  QAccessible::registerAccessibleInterface(new FilteredAccessible(container, shownBy));
}

void ExposeContentOf(QWidget* view, QWidget* content) {
  QAccessible::registerAccessibleInterface(new ViewAccessible(view, content));
  ExposeChildren(content, view);
}

}  // namespace vaporin
