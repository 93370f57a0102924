#pragma once

class QWidget;

namespace vaporin {

// What screen readers see of the window. Qt's own tree stops at a graphics view and lists every
// child widget, the invisible ones included; these registrations mend both for the widgets
// they are given. Each must happen before anything asks for the widget's accessible side.

// Leaves `widget` out of its parent's children, once the parent is registered below.
void HideFromScreenReaders(QWidget* widget);

// Registers `container`'s accessible side: its children without the hidden ones, and, when
// `shownBy` is given, that widget as its parent (for content drawn by a view).
void ExposeChildren(QWidget* container, QWidget* shownBy = nullptr);

// Registers `view`'s accessible side with `content` as its one child.
void ExposeContentOf(QWidget* view, QWidget* content);

}  // namespace vaporin
