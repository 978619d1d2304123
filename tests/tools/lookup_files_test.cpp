// k60tool lookup-file and lookup-check, run in-process on real files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "template/template.h"
#include "tests/support/lookup_fixtures.h"
#include "tests/support/test_support.h"
#include "tests/tools/tool_test_fixture.h"

namespace {

using k60::test::bytesOf;

class LookupFilesTest : public ToolTest {
 protected:
  // Lookup 1: member of 12 bytes, a code at 1..4 and a name at 6..12. Lookup 2: two fields of
  // at most 4 and 6 bytes joined by ';'. Lookup 3: no fields.
  void SetUp() override {
    ToolTest::SetUp();
    k60::Template t = k60::test::defaultTemplate();
    k60::test::setLookup(t.lookup(0), 12, {{1, 4}, {6, 7}});
    k60::test::setLookup(t.lookup(1), 0, {{1, 4}, {1, 6}});
    t.extension().setSeparator(1, ';');
    ASSERT_TRUE(k60::writeTemplateFile(path("t.ATX"), t));
  }
  int build(std::string_view csv, std::vector<std::string> options) {
    writeAll(path("data.csv"), bytesOf(csv));
    std::vector<std::string> args{"lookup-file", "--template", path("t.ATX"), path("data.csv"), "-o", path("out.txt")};
    args.insert(args.end(), options.begin(), options.end());
    return run(args);
  }
};

TEST_F(LookupFilesTest, BuildsAFileTheCheckPassesAndTheCheckNamesEveryBadLine) {
  const std::string out = path("out.txt"), bad = path("bad.txt");
  // UTF-8 "中文" in the first row; "x,y" quoted.
  ASSERT_EQ(build("code,name\nA1,\xe4\xb8\xad\xe6\x96\x87\nB2,\"x,y\"\n", {"--lookup", "1", "--header"}), 0)
      << err_.str();
  EXPECT_EQ(readAll(out), bytesOf("A1   \xD6\xD0\xCE\xC4   \r\nB2   x,y    \r\n"));
  EXPECT_EQ(err_.str(), out + ": 索引文件已生成! (lookup file built by lookup 1: 2 lines, 28 bytes)\n");
  EXPECT_EQ(run({"lookup-check", "--template", path("t.ATX"), "--lookup", "1", out}), 0) << err_.str();
  EXPECT_EQ(err_.str(), out + ": 索引文件符合第1个索引的格式。 (the lookup file matches lookup 1: 2 lines)\n");

  writeAll(bad, bytesOf("A1;x\r\nA1\r\nA1;1234567\r\n"));
  EXPECT_EQ(run({"lookup-check", "--template", path("t.ATX"), "--lookup", "2", bad}), 1);
  const std::string error = "错误: " + bad + ": ";
  EXPECT_EQ(err_.str(), error + "索引文件第2行有1个字段，不是2个! (line 2 has 1 fields, not 2)\n" + error +
                            "索引文件第3行: 字段2超过长度6字节! (line 3: field 2 is 7 bytes, longer than its 6)\n");
}

TEST_F(LookupFilesTest, ColumnsDelimiterAndTruncateChangeTheBuild) {
  ASSERT_EQ(build("x\tABCDEFG\tn1\n", {"--lookup", "2", "--delimiter", "tab", "--columns", "3,2", "--truncate"}), 0)
      << err_.str();
  EXPECT_EQ(readAll(path("out.txt")), bytesOf("n1;ABCDEF\r\n"));
  EXPECT_NE(err_.str().find("索引文件已生成! 有1个字段被截断。"), std::string::npos) << err_.str();
  EXPECT_NE(err_.str().find("1 texts cut"), std::string::npos) << err_.str();
}

TEST_F(LookupFilesTest, RefusalsAndWrongCommandLinesWriteNoOutput) {
  EXPECT_EQ(build("A1,ok\nA2,too long!\n", {"--lookup", "1"}), 1);
  EXPECT_EQ(err_.str(), "错误: " + path("data.csv") +
                            ": CSV文件第2行第2列: 超过字段2的长度7字节! (row 2, column 2: 9 bytes, longer than the "
                            "7 of field 2 (--truncate cuts it))\n");
  // The layout's own fault names the template.
  EXPECT_EQ(build("a\n", {"--lookup", "3"}), 1);
  EXPECT_NE(err_.str().find(path("t.ATX") + ": 索引3没有字段，不能生成索引文件!"), std::string::npos) << err_.str();
  EXPECT_EQ(build("a\n", {"--lookup", "4"}), 2);
  EXPECT_EQ(build("a\n", {"--lookup", "1", "--delimiter", "\""}), 2);
  EXPECT_EQ(build("a\n", {"--lookup", "1", "--columns", "0"}), 2);
  EXPECT_EQ(build("a\n", {"--lookup", "1", "--encoding", "latin1"}), 2);
  EXPECT_FALSE(std::filesystem::exists(path("out.txt")));
  // An existing file stays as it was.
  writeAll(path("out.txt"), bytesOf("old"));
  EXPECT_EQ(build("a;b,c\n", {"--lookup", "2", "--columns", "1"}), 1);
  EXPECT_NE(err_.str().find("CSV文件第1行第1列: 含有间隔符!"), std::string::npos) << err_.str();
  EXPECT_EQ(readAll(path("out.txt")), bytesOf("old"));
}

}  // namespace
