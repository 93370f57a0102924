#include "core/edit_boxes.h"

#include <gtest/gtest.h>

#include <set>

namespace vaporin {
namespace {

// The boxes' table is the one list of boxes: everything else is derived from it, so its rows
// must be in row order, and name every title and quantity once (the dew point sharing the
// humidity ratio's).
TEST(BoxTable, ListsTheBoxesInRowOrderWithTheirOwnTitles) {
  std::set<std::string_view> names;
  std::set<BaseTitle> titles;
  std::set<TextId> texts;
  std::set<QuantityIndex> quantities;
  for (size_t i = 0; i < BoxTable.size(); ++i) {
    const BoxInfo& info = BoxTable[i];
    EXPECT_EQ(IndexOf(info.Box), i);
    names.insert(info.Name);
    titles.insert(info.Title);
    texts.insert(info.Text);
    quantities.insert(info.Quantity);
    for (size_t j = 0; j < i; ++j) EXPECT_NE(BoxTable[j].Caption, info.Caption) << i;
  }
  EXPECT_EQ(names.size(), EditBoxCount);
  EXPECT_EQ(titles.size(), EditBoxCount);
  EXPECT_EQ(titles.count(TitleHint), 0u);
  EXPECT_EQ(texts.size(), EditBoxCount);
  EXPECT_EQ(quantities.size(), EditBoxCount - 1);
  EXPECT_EQ(InfoOf(EditBox::DP).Quantity, InfoOf(EditBox::SH).Quantity);
}

TEST(EnglishBaseTitles, FollowTheBaseTitlesOrder) {
  EXPECT_EQ(EnglishBaseTitles(),
            (BaseTitles{"Input 2 params", " Dry Bulb Temperature", " Relative Humidity",
                        " Specific Humidity", " Dew Point Temperature", " Specific Enthalpy",
                        " Wet Bulb Temperature", " Specific Volume", " Absolute Humidity"}));
}

}  // namespace
}  // namespace vaporin
