#include "i18n/title_text.h"

namespace vaporin {

std::string TrimmedTitle(std::string_view title) {
  constexpr std::string_view IdeographicSpace = "\u3000";
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    for (const std::string_view blank : {std::string_view(" "), IdeographicSpace}) {
      if (title.starts_with(blank)) {
        title.remove_prefix(blank.size());
        trimmed = true;
      }
      if (title.ends_with(blank)) {
        title.remove_suffix(blank.size());
        trimmed = true;
      }
    }
  }
  return std::string(title);
}

}  // namespace vaporin
