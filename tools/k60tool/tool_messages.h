// k60tool's messages: the program's words, then the English gloss, naming the file or port
// and the system's reason.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

#include "link/serial_port.h"

namespace k60::tool {

// Why something failed, in both languages.
struct Reason {
  std::string zh, en;
};

// Why the file at `path` cannot be read (taken after a failed open).
Reason fileReason(const std::string& path);
// Why a port could not be opened.
Reason portReason(const link::PortOpenError& error);

// One message line: "CAPTION: SUBJECT: WORDS: REASON (GLOSS: REASON)", the subject being
// the file or port it is about; the caption, subject and reason are left out where empty.
struct Message {
  std::string_view caption;
  std::string_view words;
  std::string_view gloss;
  std::string_view subject = {};
  const Reason* reason = nullptr;
};
void printMessage(std::ostream& err, const Message& m);

// A path given in UTF-8, whatever the system's own encoding of file names.
inline std::filesystem::path utf8Path(std::string_view utf8) {
  return std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size());
}

// "-" names standard input or output wherever k60tool reads or writes a file.
inline bool isStdStream(std::string_view path) { return path == "-"; }

// The whole of a file, or of standard input for "-"; on failure prints "不能打开文件!" with
// the name and the reason.
bool readWholeFile(const std::string& path, std::string& bytes, std::ostream& err);

// Writes `bytes` to standard output for "-", else through the given writer.
template <typename Writer>
bool writeFileOrStdout(const std::string& path, std::string_view bytes, std::ostream& out, Writer write) {
  if (!isStdStream(path)) return write();
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

}  // namespace k60::tool
