// The terminal peer: plays the K60 terminal (and its IR transceiver) on a serial port, for
// exercising the PC's download, lookup transfer and collection without the device.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/clock.h"
#include "link/serial_port.h"
#include "link/terminal_peer_frames.h"

namespace k60::link::peer {

// What follows "QUIBEL\r": program blocks carry no terminator, so the peer must know them.
enum class DownloadMode {
  Auto,     // decided from the first block: a valid block 0 of 103 bytes is a program, a
            // checksummed line ended by CR and followed by a quiet gap is a lookup file
  Program,  // always 103-byte program blocks
  Lookup,   // always lookup line blocks ended by CR, then "OVER\r"
};

// Faults to inject. Block indexes count from 0: the program block number, or the lookup
// line (its "OVER\r" counts as the line after the last). Records count from 0 as well.
struct PeerFaults {
  bool silent = false;     // never answer anything
  int fullAt = -1;         // answer "FULL" to this block (every time it arrives)
  int rejectAt = -1;       // answer "ERR" to this block ...
  int rejectTimes = 1;     // ... this many times
  int dropAt = -1;         // leave this block unanswered ...
  int dropTimes = 1;       // ... this many times
  int noiseAt = -1;        // noise bytes before the answer to this block / before this record
  int repeatRecord = -1;   // send this record again after its "ACK\r", as if it missed it
  int corruptRecord = -1;  // send this record first with a wrong checksum
  int lateRecord = -1;     // send this record's first line late ...
  std::uint32_t lateMs = 600;  // ... by this many milliseconds
  int irAnswerProbe = 1;   // answer only this IR probe (1 = the first); 0 never
  int ignoreReads = 0;     // leave this many "READ\r" unanswered (not yet in upload mode)
  int stallAt = -1;        // in the first collection, fall silent instead of sending this
                           // record (taken from the cradle) until the next "READ\r"
};

struct PeerOptions {
  DownloadMode mode = DownloadMode::Auto;
  bool ir = false;             // also play the IR transceiver in front of the terminal
  std::vector<Bytes> records;  // served to a collection, one per record
  std::uint32_t gapMs = 200;   // quiet time that ends an incomplete block
  // What becomes of an answer that arrives while a record line is still on its way (late):
  // kept and acted on once the line is out (as a UART keeps it), or dropped.
  bool keepAnswersWhileSending = true;
  PeerFaults faults;
};

// Where the peer reports what it received and did.
class PeerSink {
 public:
  virtual ~PeerSink() = default;
  virtual void programReceived(const Bytes& image) = 0;                // 10,500 bytes
  virtual void lookupReceived(const std::vector<Bytes>& lines) = 0;   // after "OVER\r"
  virtual void collectionServed(int records) = 0;                     // after "OVER\r" sent
  virtual void downloadRefused(int block) = 0;                        // "FULL" answered
  virtual void rateCommanded(std::uint32_t baud) = 0;                 // IR rate command
  virtual void note(const std::string& event) = 0;                    // for a verbose log
};

class TerminalPeer {
 public:
  TerminalPeer(SerialPort& port, Clock& clock, PeerOptions options, PeerSink& sink);

  // Takes what has arrived and answers it; returns at once. Before it answers a handshake
  // or "READ\r" it drops whatever else is waiting on the line (left there by an earlier
  // run), so that it is not taken for the start of the new exchange.
  void step();
  // Waits until a byte can be read, or the peer has something of its own to do (a late line
  // due, an unfinished block's quiet time over), or `maxMs` have passed.
  void waitForInput(std::uint32_t maxMs);
  // Sessions that have ended: image or lookup file received, records served, or "FULL".
  int sessionsEnded() const { return sessions_; }
  // Milliseconds on the clock when the last byte arrived.
  std::uint32_t lastByteMs() const { return lastByteMs_; }

 private:
  enum class State { Idle, IrRate, IrConfirm, Download, Collect };

  void take(std::uint8_t byte);
  void checkGap();
  void send(std::span<const std::uint8_t> bytes, bool noisy = false);
  void answer(std::string_view text, bool noisy = false);
  void endSession();

  // Idle: command lines and the IR transceiver.
  void takeIdle(std::uint8_t byte);
  void takeIr(std::uint8_t byte);
  void idleLine();
  void dropWaiting(std::string_view before);

  // Download: program blocks and lookup lines.
  void startDownload();
  void takeDownload(std::uint8_t byte);
  void downloadGap();
  bool answerFault(int index);
  bool noiseBefore(int index);
  void programBlock();
  void lookupBlock();
  void lookupLine(const Bytes& text);
  void lookupOver();
  void backToIdle();

  // Collection: records out, acknowledgements in.
  void startCollection();
  void takeCollect(std::uint8_t byte);
  void sendRecord();
  void sendLateLine();

  SerialPort& port_;
  Clock& clock_;
  PeerOptions options_;
  PeerSink& sink_;

  State state_ = State::Idle;
  Bytes buffer_;  // the line or block being received
  std::uint32_t lastByteMs_ = 0;
  int sessions_ = 0;
  int probes_ = 0;
  // Set when a command was taken: the rest of the bytes read with it are stale.
  bool dropRestOfRead_ = false;

  DownloadMode mode_ = DownloadMode::Auto;  // of the download in progress
  int expectedBlock_ = 0;
  Bytes image_;
  std::vector<Bytes> lines_;
  bool lastAnswerNoisy_ = false;
  int rejectsLeft_ = 0, dropsLeft_ = 0;
  bool noiseUsed_ = false;

  int record_ = 0;  // the record on offer
  bool repeatDone_ = false, corruptDone_ = false, lateDone_ = false, stallDone_ = false;
  int readsIgnored_ = 0;
  // A late record line waiting to go out at lateAtMs_, and the answers kept meanwhile.
  Bytes lateLine_;
  std::uint32_t lateAtMs_ = 0;
  Bytes keptWhileSending_;
};

}  // namespace k60::link::peer
