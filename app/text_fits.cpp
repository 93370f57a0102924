#include "app/text_fits.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QVariant>
#include <algorithm>

#include "app/text_fit.h"

namespace vaporin {

namespace {
constexpr char DesignedSizeProperty[] = "vaporinDesignedPixelSize";
constexpr char FullTextProperty[] = "vaporinFullText";
constexpr int ButtonPadding = 8;  // either side of a button's text

// The font size the widget was built with, remembered the first time it is fitted.
int DesignedPixelSize(QWidget* widget) {
  const QVariant kept = widget->property(DesignedSizeProperty);
  if (kept.isValid()) return kept.toInt();
  widget->setProperty(DesignedSizeProperty, widget->font().pixelSize());
  return widget->font().pixelSize();
}

QFont FittedFont(QWidget* widget, const QString& text, int available, bool* elide) {
  QFont font = widget->font();
  const TextFit fit = FitText(DesignedPixelSize(widget), available, [&](int size) {
    font.setPixelSize(size);
    return QFontMetrics(font).horizontalAdvance(text);
  });
  font.setPixelSize(fit.PixelSize);
  *elide = fit.Elide;
  return font;
}
}  // namespace

void FitInto(QLabel* label, int available) {
  // An elided text is shown; the full one is kept for the next fit and the tooltip.
  const QString kept = label->property(FullTextProperty).toString();
  const QString shown = label->text();
  const bool elided = shown.endsWith(QChar(0x2026)) && kept.startsWith(shown.chopped(1));
  const QString full = elided ? kept : shown;
  bool elide = false;
  const QFont font = FittedFont(label, full, available, &elide);
  label->setFont(font);
  label->setProperty(FullTextProperty, full);
  if (elide) {
    label->setText(QFontMetrics(font).elidedText(full, Qt::ElideRight, available));
    label->setToolTip(full);
  } else {
    label->setText(full);
    label->setToolTip(QString());
  }
  label->resize(std::min(label->sizeHint().width(), std::max(1, available)), label->height());
}

void FitInto(QAbstractButton* button) {
  bool elide = false;
  button->setFont(FittedFont(button, button->text(), button->width() - 2 * ButtonPadding, &elide));
}

void FitTogether(const std::vector<QAbstractButton*>& buttons) {
  int common = 0;
  for (QAbstractButton* button : buttons) {
    FitInto(button);
    const int size = button->font().pixelSize();
    common = common == 0 ? size : std::min(common, size);
  }
  for (QAbstractButton* button : buttons) {
    QFont font = button->font();
    font.setPixelSize(common);
    button->setFont(font);
  }
}

}  // namespace vaporin
