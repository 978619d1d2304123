// Helpers every test directory shares: fresh templates and their bytes, GB2312 literals,
// byte strings and comparisons, record lines as the terminal sends them, scratch directories
// and whole files.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "template/defaults.h"
#include "template/gb_text.h"
#include "template/store.h"

namespace k60::test {

// A template as at program start: all zero, then both resets.
inline Template defaultTemplate() {
  Template t;
  resetToDefaults(t);
  return t;
}

// GB2312 bytes of a UTF-8 literal (the tests only use texts code page 936 holds).
inline std::string gb(std::string_view utf8) {
  const auto out = utf8ToGb(utf8);
  if (!out) ADD_FAILURE() << "no GB2312 form for \"" << utf8 << "\"";
  return out.value_or(std::string());
}

// The store's bytes, to compare a template before and after.
inline std::vector<std::uint8_t> storeOf(const Template& t) { return {t.bytes().begin(), t.bytes().end()}; }

inline std::vector<std::uint8_t> bytesOf(std::string_view s) { return {s.begin(), s.end()}; }

inline std::vector<std::uint8_t> concat(std::vector<std::uint8_t> a, const std::vector<std::uint8_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// A collected record as the terminal sends it, worked out here independently of the link:
// sequence byte, data, the 16-bit sum low and high (0x0D sent as 0x0E), CR.
inline std::vector<std::uint8_t> recordLine(std::uint8_t sequence, std::string_view data) {
  std::vector<std::uint8_t> line{sequence};
  unsigned sum = sequence;
  for (unsigned char b : data) {
    line.push_back(b);
    sum += b;
  }
  for (unsigned part : {sum & 0xFFu, (sum >> 8) & 0xFFu}) line.push_back(part == 0x0D ? 0x0E : part);
  line.push_back(0x0D);
  return line;
}
inline std::vector<std::uint8_t> recordLine(std::uint8_t sequence, const std::vector<std::uint8_t>& data) {
  return recordLine(sequence, std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
}

inline std::string toHex(ConstBytes bytes) {
  std::string out;
  for (std::uint8_t b : bytes) {
    if (!out.empty()) out += ' ';
    out += "0123456789ABCDEF"[b >> 4];
    out += "0123456789ABCDEF"[b & 15];
  }
  return out;
}

inline ConstBytes asBytes(std::string_view s) {
  return ConstBytes(reinterpret_cast<const std::uint8_t*>(s.data()), s.size());
}

// Byte-for-byte comparison naming the first differing offsets, with the bytes around them.
inline ::testing::AssertionResult sameBytes(ConstBytes actual, ConstBytes expected) {
  std::string report;
  std::size_t differing = 0;
  const std::size_t n = std::min(actual.size(), expected.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (actual[i] == expected[i] || ++differing > 6) continue;
    const std::size_t from = i >= 3 ? i - 3 : 0, len = std::min<std::size_t>(7, n - from);
    report += "\n  offset " + std::to_string(i) + " (showing from " + std::to_string(from) +
              "): actual " + toHex(actual.subspan(from, len)) + ", expected " + toHex(expected.subspan(from, len));
  }
  if (differing == 0 && actual.size() == expected.size()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "sizes " << actual.size() << "/" << expected.size() << ", "
                                       << differing << " differing byte(s)" << report;
}

// A fresh directory under the system's temporary directory, removed with its contents.
class ScratchDir {
 public:
  ScratchDir()
      : path_(std::filesystem::temp_directory_path() /
              ("k60-template-test-" + std::to_string(std::random_device{}()) + std::to_string(std::random_device{}()))) {
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }
  std::string file(std::string_view name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// Entries in a directory: a write that cleans up after itself leaves only its target.
inline std::size_t filesIn(const std::filesystem::path& dir) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

inline std::vector<std::uint8_t> readWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeWholeFile(const std::filesystem::path& path, ConstBytes bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

}  // namespace k60::test
