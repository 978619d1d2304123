// k60tool new --example: the example application runs on the simulator as a user would try it.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <vector>

#include "template/example_application.h"
#include "template/template.h"
#include "tests/tools/tool_test_fixture.h"

using json = nlohmann::json;

namespace {

class NewExampleTest : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    ASSERT_EQ(run({"new", "--example", "-o", path("example.ATX")}), 0) << err_.str();
  }

  json simulate(const std::string& keys) {
    EXPECT_EQ(run({"simulate", path("example.ATX"), "--keys", keys, "--json", "--time", "2026-03-02T10:15"}), 0)
        << err_.str();
    return json::parse(out_.str());
  }
};

TEST_F(NewExampleTest, KeyOneOnTheMainPageOpensTheMenuAndItsFirstItemTheStockInForm) {
  json screen = simulate("1");
  EXPECT_EQ(screen["state"], "menu");
  EXPECT_EQ(screen["target"], 11);
  EXPECT_EQ(screen["lines"][0], "仓库管理");
  EXPECT_EQ(screen["lines"][1], "1.入库");
  EXPECT_EQ(screen["lines"][2], "2.出库");
  EXPECT_EQ(screen["lines"][3], "");
  EXPECT_EQ(screen["highlight"], 2);
  EXPECT_EQ(screen["messages"], json::array()) << "the example must not ask for New";

  screen = simulate("1,1,1,2,3");
  EXPECT_EQ(screen["state"], "form");
  EXPECT_EQ(screen["target"], 1);
  EXPECT_EQ(screen["lines"][0], "入库登记");
  EXPECT_EQ(screen["lines"][1], "货号:123");
  EXPECT_EQ(screen["lines"][2], "数量:");
  EXPECT_EQ(screen["cursor"], json::parse("[1, 8]"));
}

TEST_F(NewExampleTest, StockOutFormRepeatsWhenCompletedAndEscLeadsBackThroughTheMenu) {
  json screen = simulate("1,2,4,2,Enter,7,Enter");
  EXPECT_EQ(screen["state"], "form");
  EXPECT_EQ(screen["target"], 2);
  EXPECT_EQ(screen["records"], 1);
  EXPECT_EQ(screen["lines"][0], "出库登记");
  EXPECT_EQ(screen["lines"][1], "货号:") << "the form starts afresh for the next entry";
  EXPECT_EQ(screen["cursor"], json::parse("[1, 5]"));

  screen = simulate("1,2,ESC");
  EXPECT_EQ(screen["state"], "menu");
  EXPECT_EQ(screen["highlight"], 3) << "the item chosen last stays selected";
  screen = simulate("1,2,ESC,ESC");
  EXPECT_EQ(screen["state"], "main");
}

TEST_F(NewExampleTest, EveryLineNeedsAtLeastOneDigit) {
  json screen = simulate("1,1,Enter");
  EXPECT_EQ(screen["state"], "error");
  EXPECT_EQ(screen["lines"][5], "数据过短!       ");
  screen = simulate("1,1,5,Enter,Enter");
  EXPECT_EQ(screen["state"], "error");
  screen = simulate("1,1,Alpha,1,wait:800");
  EXPECT_EQ(screen["state"], "error");
  EXPECT_EQ(screen["lines"][5], "数据类型错误!   ") << "item numbers are digits only";
}

// Opening the example in the editor and pressing OK must not change it, nor must a save
// and an open: it is already what the form rules and the file reader would make of it.
TEST(ExampleApplication, IsAlreadyConsistentWithTheFormRulesAndTheFile) {
  k60::Template built;
  k60::buildExampleApplication(built);

  k60::Template edited = built;
  for (std::size_t i = 0; i < 10; ++i) {
    k60::normaliseForm(edited.form(i));
    k60::fixContinuations(edited.form(i));
  }
  EXPECT_TRUE(std::ranges::equal(edited.bytes(), built.bytes()));

  k60::Template reopened;
  ASSERT_EQ(k60::decodeTemplateFile(k60::encodeTemplateFile(built), reopened), k60::ReadStatus::Ok);
  EXPECT_TRUE(std::ranges::equal(reopened.bytes(), built.bytes()));
}

TEST(ExampleApplication, LeavesEverythingButItsMenuFormsAndStartPositionAtTheDefaults) {
  k60::Template built, defaults;
  k60::buildExampleApplication(built);
  k60::resetToDefaults(defaults);
  for (k60::Block b : {k60::Block::Barcode, k60::Block::Lookups, k60::Block::Separator, k60::Block::Prompts,
                       k60::Block::Settings, k60::Block::Password, k60::Block::Extension})
    EXPECT_TRUE(std::ranges::equal(built.block(b), defaults.block(b))) << static_cast<int>(b);
  for (std::size_t i = 2; i < 10; ++i) {
    EXPECT_TRUE(std::ranges::equal(built.form(i).bytes(), defaults.form(i).bytes())) << "form " << i + 1;
    EXPECT_TRUE(std::ranges::equal(built.menu(i - 1).bytes(), defaults.menu(i - 1).bytes())) << "menu " << i;
  }
}

}  // namespace
