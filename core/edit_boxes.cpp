#include "core/edit_boxes.h"

namespace vaporin {

BaseTitles EnglishBaseTitles() {
  BaseTitles titles;
  titles[TitleHint] = SourceText(TextId::InputHint);
  for (const BoxInfo& info : BoxTable) titles[info.Title] = SourceText(info.Text);
  return titles;
}

}  // namespace vaporin
