#pragma once

#include <QString>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class QWidget;

namespace vaporin {

// The window's texts that take part in translation, as plain strings: the titles of list
// rows, labels, buttons and list items under the roots, hidden ones included. Edit boxes,
// combo-box items and the excluded widgets stay out.
class TranslatableTexts {
 public:
  TranslatableTexts(std::initializer_list<const QWidget*> roots,
                    std::initializer_list<const QWidget*> excluded);

  std::vector<std::string>& Texts() { return texts_; }
  // Writes every text that changed back to its widget.
  void WriteBack() const;

 private:
  void Add(const QString& text, std::function<void(const QString&)> setter);

  std::vector<std::string> originals_;
  std::vector<std::string> texts_;
  std::vector<std::function<void(const QString&)>> setters_;
};

}  // namespace vaporin
