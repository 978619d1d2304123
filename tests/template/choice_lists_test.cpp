// Choice texts derived from stored numbers.
#include "template/choice_lists.h"
#include "tests/support/test_support.h"

namespace k60 {
namespace {

TEST(ChoiceLabels, TargetsAndLookupBindings) {
  const std::pair<int, const char*> targets[] = {
      {0, "主菜单"}, {1, "窗体  1"}, {10, "窗体  10"}, {11, "菜单  1"}, {20, "菜单  10"}, {21, "21"}};
  for (const auto& [value, label] : targets) EXPECT_EQ(choices::targetLabel(value), label);
  const std::pair<int, const char*> bindings[] = {{0, "空"},       {1, "字段 1"},   {8, "字段 8"},  {9, "-字段 1"},
                                                  {16, "-字段 8"}, {17, "+字段 1"}, {24, "+字段 8"}, {25, "25"}};
  for (const auto& [value, label] : bindings) EXPECT_EQ(choices::lookupBindingLabel(value), label);
}

}  // namespace
}  // namespace k60
