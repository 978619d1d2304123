// k60tool's template commands, run in-process on real files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <functional>
#include <regex>
#include <sstream>

#include "tests/support/test_support.h"
#include "template/example_application.h"
#include "template/template.h"
#include "tests/tools/tool_test_fixture.h"

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

using K60ToolTest = ToolTest;

// A version 3.10 file as an older program wrote it: no extension block marker.
Bytes oldVersionFile() {
  k60::Template t;
  k60::resetToDefaults(t);
  Bytes file = k60::encodeTemplateFile(t);
  std::copy(k60::kAtxMagicOld.begin(), k60::kAtxMagicOld.end(), file.begin());
  std::fill(file.begin() + 10496, file.end(), 0);
  return file;
}

std::string fileText(const Bytes& file, std::size_t offset, std::size_t size) {
  return std::string(file.begin() + offset, file.begin() + offset + size);
}

}  // namespace

TEST_F(K60ToolTest, NewWritesTheDefaultTemplateFile) {
  ASSERT_EQ(run({"new", "-o", path("new.ATX")}), 0) << err_.str();
  const Bytes file = readAll(path("new.ATX"));
  ASSERT_EQ(file.size(), 10596u);
  EXPECT_EQ(fileText(file, 0, 8), "Kxx-4.00");
  const Bytes barcode(file.begin() + 11, file.begin() + 35);
  EXPECT_EQ(barcode, (Bytes{0x9B, 0xC9, 0, 0, 0, 0x2D, 0x54, 0x80, 0, 0x19, 0x3D, 0, 0xFF, 1, 0xFE, 1, 0xFF, 1,
                            0xFF, 1, 0x66, 3, 3, 0}));
  EXPECT_EQ(file[2535 + 601 * 9 + 2], 10) << "form 10 leads to itself";
  EXPECT_EQ(fileText(file, 8602, 2), std::string(",\0", 2));
  EXPECT_EQ(file[10496], '@');
  EXPECT_TRUE(std::all_of(file.begin() + 10510, file.end(), [](auto b) { return b == 0; }));

  k60::Template t;
  k60::resetToDefaults(t);
  EXPECT_EQ(file, k60::encodeTemplateFile(t));
}

TEST_F(K60ToolTest, ConvertOfAnOldFileGivesExtensionDefaultsAndOldRecordPromptLines) {
  writeAll(path("old.ATX"), oldVersionFile());
  ASSERT_EQ(run({"convert", path("old.ATX"), "-o", path("new.ATX")}), 0) << err_.str();
  const Bytes file = readAll(path("new.ATX"));
  ASSERT_EQ(file.size(), 10596u);
  EXPECT_EQ(fileText(file, 0, 8), "Kxx-4.00");
  EXPECT_EQ(Bytes(file.begin() + 10496, file.begin() + 10510),
            (Bytes{0x40, 1, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0}));
  // Record-prompt page: 4 lines of 21 bytes at 9933, each now a 15-byte text.
  for (std::size_t line = 0; line < 4; ++line) {
    const std::size_t at = 9933 + 21 * line;
    EXPECT_EQ(file[at + 15], 0) << "line " << line + 1;
    EXPECT_EQ(fileText(file, at, 15), k60::kOldFileRecordPromptTexts[line]);
  }
}

TEST_F(K60ToolTest, ConvertKeepsCustomPromptTexts) {
  k60::Template t;
  k60::resetToDefaults(t);
  t.prompt(k60::PromptPageId::Welcome).setLine(1, k60::test::gb("仓库盘点"));
  t.prompt(k60::PromptPageId::OtherMessages).setLine(6, "DONE");
  ASSERT_TRUE(k60::writeTemplateFile(path("custom.ATX"), t));

  ASSERT_EQ(run({"convert", path("custom.ATX"), "-o", path("out.ATX")}), 0) << err_.str();
  EXPECT_EQ(readAll(path("out.ATX")), readAll(path("custom.ATX")));

  ASSERT_EQ(run({"show", "--json", path("out.ATX")}), 0);
  const auto j = nlohmann::json::parse(out_.str());
  EXPECT_EQ(j["prompts"]["welcome"][1], "仓库盘点");
  EXPECT_EQ(j["prompts"]["otherMessages"][6], "DONE");
}

TEST_F(K60ToolTest, ConvertOfARefusedFileWritesNothing) {
  Bytes bad = oldVersionFile();
  bad[1] = 'X';  // "KXx-3.10": the magic must match exactly
  writeAll(path("bad.ATX"), bad);
  writeAll(path("existing.ATX"), {1, 2, 3});

  EXPECT_EQ(run({"convert", path("bad.ATX"), "-o", path("fresh.ATX")}), 1);
  EXPECT_NE(err_.str().find("格式不匹配 !!!"), std::string::npos) << err_.str();
  EXPECT_FALSE(fs::exists(path("fresh.ATX")));

  EXPECT_EQ(run({"convert", path("bad.ATX"), "-o", path("existing.ATX")}), 1);
  EXPECT_EQ(readAll(path("existing.ATX")), (Bytes{1, 2, 3}));

  EXPECT_EQ(run({"convert", path("missing.ATX"), "-o", path("fresh.ATX")}), 1);
  EXPECT_FALSE(fs::exists(path("fresh.ATX")));
}

TEST_F(K60ToolTest, ShowNamesChoicesInTheSystemsWords) {
  k60::Template t;
  k60::resetToDefaults(t);
  auto form = t.form(0);
  form.setDataType(0, k60::DataType::Integer);
  form.setPrompt(0, k60::test::gb("数量:"));
  form.setCancelTarget(12);
  auto menu = t.menu(0);
  menu.setItemName(0, k60::test::gb("入库"));
  menu.setItemTarget(0, 1);
  ASSERT_TRUE(k60::writeTemplateFile(path("t.ATX"), t));

  ASSERT_EQ(run({"show", "--json", path("t.ATX")}), 0);
  const auto j = nlohmann::json::parse(out_.str());
  EXPECT_EQ(j["forms"][0]["lines"][0]["dataType"]["label"], "整数");
  EXPECT_EQ(j["forms"][0]["lines"][0]["prompt"], "数量:");
  EXPECT_EQ(j["forms"][0]["cancelTarget"]["label"], "菜单  2");
  EXPECT_EQ(j["menus"][0]["itemCount"], 1);
  EXPECT_EQ(j["menus"][0]["items"][0]["target"]["label"], "窗体  1");
  EXPECT_EQ(j["barcode"]["scanMode"]["label"], "Laser");
  EXPECT_EQ(j["keyboardWedge"]["capsLock"]["label"], "自动检测");

  ASSERT_EQ(run({"show", path("t.ATX")}), 0);
  EXPECT_NE(out_.str().find("整数 \"数量:\""), std::string::npos) << out_.str();
  EXPECT_NE(out_.str().find("\"入库\" -> 窗体  1"), std::string::npos) << out_.str();
}

// The rules of show --json, checked over the whole object of a template with every menu
// and form in use: camelCase keys, {value, label} choices, one spelling of a list text,
// raw bytes as hex strings.
TEST_F(K60ToolTest, ShowJsonKeepsItsOwnRulesEverywhere) {
  k60::Template t;
  k60::buildExampleApplication(t);
  t.startup().setStartPosition(1);
  ASSERT_TRUE(k60::writeTemplateFile(path("t.ATX"), t));
  ASSERT_EQ(run({"show", "--json", path("t.ATX")}), 0);
  const auto j = nlohmann::json::parse(out_.str());

  std::vector<std::string> problems;
  const std::regex camelCase("[a-z][A-Za-z0-9]*");
  const std::regex oneSpace("(窗体|菜单) [0-9]+");  // the target lists put two spaces there
  std::function<void(const nlohmann::json&, const std::string&)> walk = [&](const auto& v, const std::string& at) {
    if (v.is_string() && std::regex_match(v.template get<std::string>(), oneSpace)) problems.push_back(at + ": spelling");
    if (v.is_array())
      for (std::size_t i = 0; i < v.size(); ++i) walk(v[i], at + "/" + std::to_string(i));
    if (!v.is_object()) return;
    if (v.contains("label") && !v.contains("value") && !v.contains("on")) problems.push_back(at + ": label alone");
    for (const auto& [key, child] : v.items()) {
      if (!std::regex_match(key, camelCase)) problems.push_back(at + ": key " + key);
      if (key == "mode" && !child.is_object()) problems.push_back(at + "/mode: a plain string");
      if (key == "bytes" && !child.is_string()) problems.push_back(at + "/bytes: not a hex string");
      walk(child, at + "/" + key);
    }
  };
  walk(j, "");
  EXPECT_EQ(problems, std::vector<std::string>{});

  EXPECT_EQ(j["startPosition"], nlohmann::json::parse(R"({"value": 1, "label": "菜单  1"})"));
  EXPECT_EQ(j["separator"]["bytes"], "2C 00");
  EXPECT_EQ(j["com"]["rate"], nlohmann::json::parse(R"({"value": 0, "label": 115200})"));
  EXPECT_EQ(j["settings"]["securityChecks"]["settingsMenu"]["label"], "系统设置");
  const auto& msi = j["barcode"]["lengths"]["msi"]["mode"];
  EXPECT_EQ(msi["label"], msi["value"] == 0 ? "固定长度" : "最大/最小长度");
}

TEST_F(K60ToolTest, AWrongCommandLineExitsWithTwo) {
  EXPECT_EQ(run({}), 2);
  EXPECT_EQ(run({"show"}), 2);
  EXPECT_EQ(run({"new"}), 2);
  EXPECT_EQ(run({"frobnicate"}), 2);
  EXPECT_EQ(run({"--help"}), 0);
}

TEST_F(K60ToolTest, NewIntoAMissingDirectoryFails) {
  EXPECT_EQ(run({"new", "-o", path("no/such/dir/new.ATX")}), 1);
  EXPECT_NE(err_.str().find("保存文件失败"), std::string::npos) << err_.str();
}
