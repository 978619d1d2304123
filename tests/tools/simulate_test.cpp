// k60tool simulate, run in-process on template files written by the tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "template/template.h"
#include "tests/tools/tool_test_fixture.h"

namespace fs = std::filesystem;
using json = nlohmann::json;

namespace {

class SimulateCommandTest : public ToolTest {
 protected:
  void SetUp() override {
    ToolTest::SetUp();
    k60::resetToDefaults(t_);
  }

  // Form 1: a text line and an integer line of at least two digits.
  std::string smallFormFile() {
    k60::FormRecord f = t_.form(0);
    f.setFont(0);
    f.setDataType(0, k60::DataType::Text);
    f.setPrompt(0, "Name:");
    f.setDataType(1, k60::DataType::Integer);
    f.setPrompt(1, "Qty:");
    f.setMinLength(1, 2);
    const std::string file = path("form.ATX");
    EXPECT_TRUE(k60::writeTemplateFile(file, t_));
    return file;
  }

  json simulate(const std::string& file, const std::string& keys, const std::string& time = "2026-12-07T08:30") {
    EXPECT_EQ(run({"simulate", file, "--keys", keys, "--json", "--time", time}), 0) << err_.str();
    return json::parse(out_.str());
  }

  k60::Template t_;
};

TEST_F(SimulateCommandTest, DefaultTemplateHasNothingToRunAndAsksForNew) {
  ASSERT_EQ(run({"new", "-o", path("new.ATX")}), 0);
  const json screen = simulate(path("new.ATX"), "1");
  EXPECT_EQ(screen["state"], "main");
  EXPECT_EQ(screen["messages"], json::parse(R"(["请定义您的应用程序!!", "New"])"));
  EXPECT_EQ(screen["lines"][0], "1.收集数据     ");
  EXPECT_EQ(screen["lines"][7], "DEC  7,  8:30  00000");
  EXPECT_EQ(screen.size(), 9u);
}

TEST_F(SimulateCommandTest, TextOutputNamesTheMessageBoxAndTheCommand) {
  ASSERT_EQ(run({"new", "-o", path("new.ATX")}), 0);
  ASSERT_EQ(run({"simulate", path("new.ATX"), "--keys", "1"}), 0) << err_.str();
  EXPECT_NE(out_.str().find("message box [没有可执行的程序]: 请定义您的应用程序!!\ncommand posted: New\n"),
            std::string::npos)
      << out_.str();
}

// Row 7 keeps the form's last line on the main page; the status line stands over it.
TEST_F(SimulateCommandTest, MainPageShowsTheStatusLineAsItsLastLine) {
  k60::FormRecord f = t_.form(0);
  f.setDataType(7, k60::DataType::Prompt);
  f.setPrompt(7, "Bottom");
  const std::string file = smallFormFile();
  json screen = simulate(file, "1");
  ASSERT_EQ(screen["lines"][7], "Bottom");
  screen = simulate(file, "1,ESC");
  EXPECT_EQ(screen["state"], "main");
  EXPECT_EQ(screen["lines"][6], "");
  EXPECT_EQ(screen["lines"][7], "DEC  7,  8:30  00000");
  EXPECT_EQ(screen["cursor"], nullptr) << "the form's cursor is not shown on the main page";
}

TEST_F(SimulateCommandTest, FormShowsTheTypedDataAndCountsCompletedForms) {
  const std::string file = smallFormFile();
  json screen = simulate(file, "1,7,8,9,Enter,4");
  EXPECT_EQ(screen["state"], "form");
  EXPECT_EQ(screen["target"], 1);
  EXPECT_EQ(screen["lines"][0], "Name:789");
  EXPECT_EQ(screen["lines"][1], "Qty:4");
  EXPECT_EQ(screen["cursor"], json::parse("[1, 5]"));
  EXPECT_EQ(screen["highlight"], 0);
  EXPECT_EQ(screen["messages"], json::array());

  screen = simulate(file, "1,7,Enter,4,Enter");
  EXPECT_EQ(screen["state"], "error");
  EXPECT_EQ(screen["lines"][5], "数据过短!       ");

  screen = simulate(file, "1,Enter,4,2,Enter");
  EXPECT_EQ(screen["records"], 1);
  EXPECT_EQ(screen["lines"][0], "Name:") << "form 1 leads to itself and starts afresh";
}

// PC keyboard input and scans go through the form input rules like any entered character.
TEST_F(SimulateCommandTest, TypedAndScannedInputEntersCharacters) {
  const std::string file = smallFormFile();
  struct Case {
    const char* keys;
    const char* state;
    const char* line0;
    const char* line1;
    int records;
  };
  const Case cases[] = {
      {"1,type:ab-c 1#", "form", "Name:AB-C 1", "Qty:", 0},  // '#' is on no key
      {"1,Alpha,type:12", "form", "Name:12", "Qty:", 0},      // a typed digit stays a digit
      {"1,Enter,type:x", "error", "Name:", "Qty:", 0},        // refused by the number line
      {"1,scan:ABC,scan:6901234567892", "form", "Name:", "Qty:", 1},
      {"1,scan:AB,type:7,Enter", "error", "Name:AB", "Qty:7", 0},  // too short
  };
  for (const Case& c : cases) {
    const json screen = simulate(file, c.keys);
    EXPECT_EQ(screen["state"], c.state) << c.keys;
    EXPECT_EQ(screen["lines"][0], c.line0) << c.keys;
    EXPECT_EQ(screen["lines"][1], c.line1) << c.keys;
    EXPECT_EQ(screen["records"], c.records) << c.keys;
  }
}

TEST_F(SimulateCommandTest, WaitsLetMultiTapLettersTimeOut) {
  const std::string file = smallFormFile();
  json screen = simulate(file, "1,Alpha,2,2");
  EXPECT_EQ(screen["pending"], "W");
  EXPECT_EQ(screen["alpha"], true);
  EXPECT_EQ(screen["lines"][0], "Name:");
  screen = simulate(file, "1,Alpha,2,2,wait:600");
  EXPECT_EQ(screen["pending"], "W");
  screen = simulate(file, "1,Alpha,2,2,wait:650,wait:50");
  EXPECT_EQ(screen["pending"], nullptr);
  EXPECT_EQ(screen["lines"][0], "Name:W");
}

TEST_F(SimulateCommandTest, PowerKeyOnlyEntersAPendingLetter) {
  const std::string file = smallFormFile();
  const json screen = simulate(file, "1,Alpha,2,PWR,FN");
  EXPECT_EQ(screen["state"], "form");
  EXPECT_EQ(screen["pending"], nullptr);
  EXPECT_EQ(screen["lines"][0], "Name:V");
  EXPECT_EQ(screen["messages"], json::array());
}

// The example application with form 1's ESC leading to form 3, whose only line is a prompt of
// 20 characters: no cursor there (it would stand in column 20), and no letter waits.
TEST_F(SimulateCommandTest, FormWithoutInputLineReportsNoCursor) {
  ASSERT_EQ(run({"new", "--example", "-o", path("ex.ATX")}), 0);
  std::vector<std::uint8_t> bytes = readAll(path("ex.ATX"));
  ASSERT_GT(bytes.size(), 3780u);
  bytes[2536] = 0x03;
  bytes[3752] = 0x06;
  const std::string prompt = "ABCDEFGHIJKLMNOPQRST";
  std::copy(prompt.begin(), prompt.end(), bytes.begin() + 3760);
  bytes[3780] = 0;
  writeAll(path("ex.ATX"), bytes);
  json screen = simulate(path("ex.ATX"), "1,1,ESC");
  EXPECT_EQ(screen["state"], "form");
  EXPECT_EQ(screen["target"], 3);
  EXPECT_EQ(screen["lines"][0], prompt);
  EXPECT_EQ(screen["cursor"], nullptr);
  screen = simulate(path("ex.ATX"), "1,1,ESC,Alpha,1,SP,2");
  EXPECT_EQ(screen["pending"], nullptr);
  EXPECT_EQ(screen["cursor"], nullptr);
  EXPECT_EQ(screen["lines"][0], prompt);
}

TEST_F(SimulateCommandTest, ClockRunsFromTheGivenTime) {
  ASSERT_EQ(run({"new", "-o", path("new.ATX")}), 0);
  const json screen = simulate(path("new.ATX"), "wait:60000", "2026-12-31T23:59");
  EXPECT_EQ(screen["lines"][7], "JAN  1,  0:0   00000");
}

TEST_F(SimulateCommandTest, TextOutputFramesTheScreen) {
  const std::string file = smallFormFile();
  ASSERT_EQ(run({"simulate", file, "--keys", "1,5,SP,6"}), 0) << err_.str();
  EXPECT_NE(out_.str().find("|Name:5 6            |"), std::string::npos) << out_.str();
  EXPECT_NE(out_.str().find("state: form"), std::string::npos);
  EXPECT_NE(out_.str().find("cursor: row 0, column 8"), std::string::npos);
}

TEST_F(SimulateCommandTest, BadKeysTimesAndFilesAreRefused) {
  ASSERT_EQ(run({"new", "-o", path("new.ATX")}), 0);
  EXPECT_EQ(run({"simulate", path("new.ATX"), "--keys", "1,Jump"}), 2);
  EXPECT_NE(err_.str().find("\"Jump\""), std::string::npos);
  EXPECT_EQ(run({"simulate", path("new.ATX"), "--keys", "wait:-5"}), 2);
  EXPECT_EQ(run({"simulate", path("new.ATX"), "--keys", "1", "--time", "2026-02-30T10:00"}), 2);
  EXPECT_EQ(run({"simulate", path("new.ATX"), "--keys", "1", "--time", "2026-12-07 10:00"}), 2);
  EXPECT_EQ(run({"simulate", path("missing.ATX"), "--keys", "1"}), 1);
  EXPECT_EQ(out_.str(), "");
}

}  // namespace
