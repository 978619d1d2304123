// The logging port of k60tool's -v.
#include "tools/k60tool/logging_port.h"

#include <algorithm>
#include <cstdio>

namespace k60::tool {

std::string readableBytes(std::span<const std::uint8_t> bytes, std::size_t limit) {
  std::string out;
  const std::size_t shown = std::min(bytes.size(), limit);
  for (std::size_t i = 0; i < shown; ++i) {
    const std::uint8_t b = bytes[i];
    if (b >= 0x20 && b < 0x7F && b != '<') {
      out += static_cast<char>(b);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "<%02X>", b);
      out += hex;
    }
  }
  if (shown < bytes.size()) out += "...";
  return out;
}

std::ostream& LoggingPort::stamp() {
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  char text[32];
  std::snprintf(text, sizeof text, "%8.3f s  ", seconds);
  return log_ << text;
}

// What has come since the last write, as one entry: a reply, a record line, noise.
void LoggingPort::flushReceived() {
  if (received_.empty()) return;
  stamp() << "received " << received_.size() << " bytes: " << readableBytes(received_) << "\n";
  received_.clear();
}

bool LoggingPort::open(const std::string& name) {
  const bool ok = port_.open(name);
  stamp() << (ok ? "opened " : "could not open ") << name << "\n";
  return ok;
}

bool LoggingPort::applyLineSettings(const link::LineSettings& settings) {
  const bool ok = port_.applyLineSettings(settings);
  stamp() << "line set to " << settings.baudRate << " bit/s, DTR " << (settings.dtrHigh ? "high" : "low")
          << ", RTS " << (settings.rtsHigh ? "high" : "low") << (ok ? "" : " (refused)") << "\n";
  return ok;
}

std::size_t LoggingPort::write(std::span<const std::uint8_t> bytes) {
  flushReceived();
  const std::size_t n = port_.write(bytes);
  const bool again = std::equal(bytes.begin(), bytes.end(), lastWrite_.begin(), lastWrite_.end());
  stamp() << (again ? "sent again " : "sent ") << bytes.size() << " bytes: " << readableBytes(bytes);
  if (n < bytes.size()) log_ << " (only " << n << " written)";
  log_ << "\n";
  lastWrite_.assign(bytes.begin(), bytes.end());
  return n;
}

std::size_t LoggingPort::read(std::span<std::uint8_t> buffer) {
  const std::size_t n = port_.read(buffer);
  for (std::size_t i = 0; i < n; ++i) {
    received_.push_back(buffer[i]);
    if (buffer[i] == 0x0D) flushReceived();  // replies and records end with CR
  }
  return n;
}

void LoggingPort::purgeReceive() {
  flushReceived();
  port_.purgeReceive();
}

void LoggingPort::close() {
  flushReceived();
  if (port_.isOpen()) stamp() << "closed\n";
  port_.close();
}

}  // namespace k60::tool
