#include "app/translatable_texts.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QSet>

#include "app/list_row.h"

namespace vaporin {

TranslatableTexts::TranslatableTexts(std::initializer_list<const QWidget*> roots,
                                     std::initializer_list<const QWidget*> excluded) {
  QSet<const QObject*> seen(excluded.begin(), excluded.end());
  auto firstTime = [&seen](const QObject* object) {
    if (seen.contains(object)) return false;
    seen.insert(object);
    return true;
  };
  for (const QWidget* root : roots) {
    for (ListRow* row : root->findChildren<ListRow*>()) {
      if (!firstTime(row)) continue;
      seen.insert(row->TitleLabel());
      Add(row->Text(), [row](const QString& text) { row->SetText(text); });
    }
    for (QLabel* label : root->findChildren<QLabel*>()) {
      if (!firstTime(label)) continue;
      // Labels size themselves to their text.
      Add(label->text(), [label](const QString& text) {
        label->setText(text);
        label->adjustSize();
      });
    }
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
      if (firstTime(button)) {
        Add(button->text(), [button](const QString& text) { button->setText(text); });
      }
    }
    for (QListWidget* list : root->findChildren<QListWidget*>()) {
      if (!firstTime(list)) continue;
      for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* item = list->item(i);
        Add(item->text(), [item](const QString& text) { item->setText(text); });
      }
    }
  }
}

void TranslatableTexts::Add(const QString& text, std::function<void(const QString&)> setter) {
  originals_.push_back(text.toStdString());
  texts_.push_back(originals_.back());
  setters_.push_back(std::move(setter));
}

void TranslatableTexts::WriteBack() const {
  for (size_t i = 0; i < texts_.size(); ++i) {
    if (texts_[i] != originals_[i]) setters_[i](QString::fromStdString(texts_[i]));
  }
}

}  // namespace vaporin
