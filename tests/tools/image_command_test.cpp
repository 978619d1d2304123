// k60tool image, run in-process on real files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "link/program_image.h"
#include "template/template.h"
#include "tests/tools/tool_test_fixture.h"

namespace fs = std::filesystem;

namespace {

using ByteVec = std::vector<std::uint8_t>;

using ImageCommandTest = ToolTest;

// A template whose image differs from its file in every adjusted section.
k60::Template busyTemplate() {
  k60::Template t;
  k60::resetToDefaults(t);
  auto form = t.form(0);
  form.setDataType(0, k60::DataType::Text);
  form.setDataType(6, k60::DataType::Integer);  // dropped: large font
  form.setMaxLength(0, 80);
  form.setPrefixOn(0, true);
  form.setPrefix(0, "13 10");
  t.menu(0).setItemName(0, "STOCK");
  t.startup().setStartPosition(1);
  t.barcode().setShiftLockType(1);
  t.setPassword("abc1");
  return t;
}

TEST_F(ImageCommandTest, WritesTheImageADownloadWouldSend) {
  k60::Template t = busyTemplate();
  ASSERT_TRUE(k60::writeTemplateFile(path("t.ATX"), t));
  const ByteVec fileBefore = readAll(path("t.ATX"));

  ASSERT_EQ(run({"image", path("t.ATX"), "-o", path("t.BIN")}), 0) << err_.str();
  const k60::link::ProgramImage expected = k60::link::buildProgramImage(t);
  const ByteVec written = readAll(path("t.BIN"));
  ASSERT_EQ(written.size(), 10500u);
  EXPECT_TRUE(std::equal(written.begin(), written.end(), expected.begin()));
  EXPECT_EQ(written[0], 11);
  EXPECT_EQ(readAll(path("t.ATX")), fileBefore) << "the template file is only read";
}

TEST_F(ImageCommandTest, FailuresWriteNothing) {
  EXPECT_EQ(run({"image", path("missing.ATX"), "-o", path("a.BIN")}), 1);
  EXPECT_FALSE(fs::exists(path("a.BIN")));

  writeAll(path("bad.ATX"), ByteVec(10596, 'x'));
  writeAll(path("old.BIN"), {1, 2, 3});
  EXPECT_EQ(run({"image", path("bad.ATX"), "-o", path("old.BIN")}), 1);
  EXPECT_NE(err_.str().find("格式不匹配 !!!"), std::string::npos) << err_.str();
  EXPECT_EQ(readAll(path("old.BIN")), (ByteVec{1, 2, 3}));

  k60::Template t;
  k60::resetToDefaults(t);
  ASSERT_TRUE(k60::writeTemplateFile(path("t.ATX"), t));
  EXPECT_EQ(run({"image", path("t.ATX"), "-o", path("no/such/dir/t.BIN")}), 1);
  EXPECT_NE(err_.str().find("保存文件失败"), std::string::npos) << err_.str();
}

TEST_F(ImageCommandTest, AWrongCommandLineExitsWithTwo) {
  EXPECT_EQ(run({"image"}), 2);
  EXPECT_EQ(run({"image", path("t.ATX")}), 2);
  EXPECT_EQ(run({"image", "-o", path("t.BIN")}), 2);
}

}  // namespace
