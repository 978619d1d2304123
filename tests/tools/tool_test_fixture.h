// Running k60tool in-process on real files, in a scratch directory of each test's own.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "tools/k60tool/tool.h"

class ToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* unit = ::testing::UnitTest::GetInstance();
    dir_ = std::filesystem::temp_directory_path() /
           ("k60tool_test_" + std::to_string(unit->random_seed()) + unit->current_test_info()->test_suite_name() +
            "_" + unit->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string path(const std::string& name) const { return (dir_ / name).string(); }

  int run(std::vector<std::string> args) {
    out_.str("");
    err_.str("");
    return k60::tool::run(args, out_, err_);
  }

  static std::vector<std::uint8_t> readAll(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
  }
  static void writeAll(const std::string& p, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }

  std::filesystem::path dir_;
  std::ostringstream out_, err_;
};
