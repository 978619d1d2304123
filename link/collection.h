// Data collection: "READ\r", then one checksummed, sequence-numbered record line at a time,
// each answered "ACK\r" or "NAK\r", until "OVER\r"; the records become lines of a text file.
#pragma once

#include <string>

#include "link/link_context.h"

namespace k60::link {

struct CollectionResult {
  enum class Outcome {
    Collected,        // records > 0 and the file is in place
    NothingReceived,  // "没有接收到数据!" was shown; no file left behind
    Failed,           // time-out during the records, or the file could not be written;
                      // message shown; no file left behind
    FileError,        // the file could not be created; nothing sent, port never opened
    PortError,        // the port or the IR set-up failed; message shown; no file left behind
    Cancelled,        // stopped by the person (Esc, Ctrl+C); message shown; no file left
  };
  Outcome outcome = Outcome::Failed;
  int records = 0;
};

// Collects into `path` (UTF-8). The records are written to a temporary file beside it,
// which replaces `path` only when at least one record arrived and the terminal ended with
// "OVER\r"; otherwise a file already at `path` stays untouched. The caller asks whether to
// view the data.
CollectionResult collectData(LinkContext& ctx, const LinkChoice& choice, const std::string& path);

class CollectedFile;

// On an open port whose terminal has answered "ACK\r": creates `file` and receives the
// records into it; it is put in place only when at least one record arrived and the terminal
// ended with "OVER\r", and dropped otherwise; each outcome's message is shown. The port
// stays open.
CollectionResult receiveIntoFile(LinkContext& ctx, CollectedFile& file);

}  // namespace k60::link
