// k60tool's message lines and the reasons it gives for files and ports.
#include "tools/k60tool/tool_messages.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <system_error>

#include "link/link_messages.h"

namespace k60::tool {

Reason fileReason(const std::string& path) {
  namespace fs = std::filesystem;
  const int saved = errno;
  std::error_code error;
  const fs::path name = utf8Path(path);
  const fs::file_status status = fs::status(name, error);
  if (status.type() == fs::file_type::not_found) return {"没有这个文件", "no such file"};
  if (status.type() == fs::file_type::directory) return {"这是一个目录", "it is a directory"};
  if (saved == EACCES || saved == EPERM) return {"没有权限", "permission denied"};
  const std::string text = saved != 0 ? std::strerror(saved) : "cannot be read";
  return {text, text};
}

Reason portReason(const link::PortOpenError& error) {
  using Kind = link::PortOpenError::Kind;
  switch (error.kind) {
    case Kind::NoSuchDevice: return {"没有这个设备", "no such device"};
    case Kind::Busy: return {"端口正被其他程序使用", "busy: another program has it open"};
    case Kind::PermissionDenied:
      return {"没有权限", "permission denied (on Linux the user must be in the group of the device, often dialout)"};
    case Kind::NotSerialLine: return {"不是串口设备", "not a serial line"};
    case Kind::Other: return {error.systemText, error.systemText};
    case Kind::None: break;
  }
  return {};
}

void printMessage(std::ostream& err, const Message& m) {
  if (!m.caption.empty()) err << m.caption << ": ";
  if (!m.subject.empty()) err << m.subject << ": ";
  err << m.words;
  if (m.reason && !m.reason->zh.empty()) err << ": " << m.reason->zh;
  if (!m.gloss.empty()) {
    err << " (" << m.gloss;
    if (m.reason && !m.reason->en.empty()) err << ": " << m.reason->en;
    err << ")";
  }
  err << "\n";
}

bool readWholeFile(const std::string& path, std::string& bytes, std::ostream& err) {
  if (isStdStream(path)) {
    bytes.assign(std::istreambuf_iterator<char>(std::cin), {});
    if (!std::cin.bad()) return true;
  } else {
    errno = 0;
    const std::filesystem::path name = utf8Path(path);
    std::error_code ignored;
    std::ifstream in(name, std::ios::binary);
    if (in && !std::filesystem::is_directory(name, ignored)) {
      bytes.assign(std::istreambuf_iterator<char>(in), {});
      if (!in.bad()) return true;
    }
  }
  const Reason reason = fileReason(path);
  printMessage(err, {link::text::kErrorCaption, link::text::kCannotOpenFile, "cannot open the file",
                     isStdStream(path) ? "(standard input)" : path, &reason});
  return false;
}

}  // namespace k60::tool
