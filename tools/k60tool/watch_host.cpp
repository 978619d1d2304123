// The log lines of `k60tool watch` and its file names.
#include "tools/k60tool/watch_host.h"

#include <cstdio>
#include <ctime>
#include <filesystem>

#include "link/link_messages.h"
#include "tools/k60tool/tool_messages.h"

namespace k60::tool {
namespace {

using link::WatchEvent;

std::string seconds(std::uint32_t ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%g s", ms / 1000.0);
  return text;
}

std::tm localNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return local;
}

std::string formatted(const std::tm& t, const char* format) {
  char text[32];
  return std::string(text, std::strftime(text, sizeof text, format, &t));
}

std::string utf8Of(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

}  // namespace

std::string portFileStem(std::string_view port) {
  const std::size_t slash = port.find_last_of("/\\");
  std::string stem(slash == std::string_view::npos ? port : port.substr(slash + 1));
  for (char& c : stem)
    if (static_cast<unsigned char>(c) < 0x20 || std::string_view("<>:\"|?*").find(c) != std::string_view::npos) c = '_';
  return stem.empty() || stem == "." || stem == ".." ? "port" : stem;
}

void WatchHost::line(std::string_view port, std::string_view words, std::string_view gloss) {
  std::string text = formatted(localNow(), "%Y-%m-%d %H:%M:%S ");
  if (!port.empty()) text.append(port).append(": ");
  text.append(words);
  if (!gloss.empty()) text.append(" (").append(gloss).append(")");
  text += '\n';
  const std::lock_guard lock(mutex_);
  err_ << text << std::flush;
  if (log_) *log_ << text << std::flush;
}

void WatchHost::countOpening(const std::string& port, bool opened) {
  const std::lock_guard lock(mutex_);
  if (opened && openedPorts_.insert(port).second) ++opened_;
  if (!opened && !openedPorts_.contains(port)) ++neverOpened_;
}

void WatchHost::report(const std::string& port, const link::WatchReport& r) {
  const std::string retry = "; tried again every " + seconds(intervalMs_);
  switch (r.event) {
    case WatchEvent::PortOpened:
      countOpening(port, true);
      return line(port, "端口已打开", "port opened; asked for data every " + seconds(intervalMs_));
    case WatchEvent::PortUnavailable: {
      countOpening(port, false);
      const Reason reason = portReason(r.openError);
      const std::string words = std::string(r.text) + (reason.zh.empty() ? "" : ": " + reason.zh);
      const std::string gloss = englishGloss(r.text) + (reason.en.empty() ? "" : ": " + reason.en);
      return line(port, words, gloss + retry);
    }
    case WatchEvent::PortLost: return line(port, "端口已断开", "port lost" + retry);
    case WatchEvent::CollectionStarted: return line(port, "开始收集数据", "collection started");
    case WatchEvent::RecordsReceived:
      return line(port, "接收到的数据 : " + std::to_string(r.records),
                  std::to_string(r.records) + " records received");
    case WatchEvent::FileWritten:
      if (once_) stopped_ = true;
      return line(port, "文件已保存: " + r.path, "file written");
    case WatchEvent::CollectionFailed:
      return line(port, "收集失败，数据仍在终端中",
                  "the collection failed: nothing was written; the records stay on the terminal and the next "
                  "poll collects them again");
    case WatchEvent::LinkMessage: return line(port, r.text, englishGloss(r.text));
  }
}

std::string WatchHost::newCollectionPath(const std::string& port) {
  const std::string stem = portFileStem(port) + formatted(localNow(), "-%Y%m%d-%H%M%S");
  const std::lock_guard lock(mutex_);
  for (int n = 1;; ++n) {
    const std::string name = stem + (n == 1 ? "" : "-" + std::to_string(n)) + ".TXT";
    const std::filesystem::path path = utf8Path(dir_) / utf8Path(name);
    std::error_code error;
    if (!std::filesystem::exists(path, error) && taken_.insert(path).second) return utf8Of(path);
  }
}

}  // namespace k60::tool
