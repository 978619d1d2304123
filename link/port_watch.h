// Watching one port, unattended, for a terminal that offers its data: one "READ\r" every
// interval and, whenever the terminal answers, a collection into a new file. Nothing is
// asked; every event is reported; a port that is missing or goes away is opened again.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "link/clock.h"
#include "link/link_context.h"
#include "link/serial_port.h"

namespace k60::link {

enum class WatchEvent {
  PortOpened,
  PortUnavailable,    // could not be opened (or the IR set-up failed); tried every interval
  PortLost,           // the device went away; opened again when it comes back
  CollectionStarted,  // the terminal answered "ACK\r"
  RecordsReceived,    // `records`, all of them, "OVER\r" included
  FileWritten,        // `path`
  CollectionFailed,   // nothing written; the records stay on the terminal
  LinkMessage,        // a message of the collection itself (`text`: time-out, no data ...)
};

struct WatchReport {
  WatchEvent event;
  int records = 0;
  std::string path;
  std::string_view text;     // LinkMessage, and for PortUnavailable the opening's message
  PortOpenError openError;   // PortUnavailable
};

// The program around the watches: where their events go, where their files are written and
// when they end. Called from each port's own thread.
class WatchHost {
 public:
  virtual ~WatchHost() = default;
  virtual void report(const std::string& port, const WatchReport& report) = 0;
  // A path (UTF-8) for a collection starting now on `port` that no other collection has.
  virtual std::string newCollectionPath(const std::string& port) = 0;
  // Set: no more polls; a collection in progress ends first.
  virtual bool stopRequested() = 0;
  // Set: a collection in progress ends too, its file dropped.
  virtual bool cancelRequested() = 0;
};

struct WatchSettings {
  LinkChoice choice;  // port, rate, and the IR set-up at every opening
  std::uint32_t intervalMs = 2000;  // from the end of one poll to the next
};

// Watches until the host asks to stop; the port is closed at the end.
void watchPort(SerialPort& port, Clock& clock, const WatchSettings& settings, WatchHost& host);

}  // namespace k60::link
