// The collect command: temporary file, port, the two phases, then the file put in place
// or dropped.
#include "link/collection.h"

#include <vector>

#include "link/collected_file.h"
#include "link/collection_receive.h"
#include "link/link_messages.h"
#include "link/port_setup.h"

namespace k60::link {
namespace {

using Outcome = CollectionResult::Outcome;

// Records stored, or nothing when the collection failed (its message shown).
std::optional<int> receive(LinkContext& ctx, CollectedFile& file) {
  return receiveRecords(ctx, [&file](std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> line(data.begin(), data.end());
    line.push_back('\r');
    line.push_back('\n');
    return file.append(line);
  });
}

// Creates the file before anything is asked of the terminal; says so when it cannot.
bool created(LinkContext& ctx, CollectedFile& file) {
  if (file.create()) return true;
  ctx.ui.showMessage(text::kCannotCreateFile, text::kErrorCaption, MessageIcon::None);
  return false;
}

// Puts the file in place after a complete collection; drops it otherwise.
CollectionResult settle(LinkContext& ctx, CollectedFile& file, std::optional<int> records) {
  if (!records) {
    file.discard();
    return {Outcome::Failed, 0};
  }
  if (*records == 0) {
    file.discard();
    ctx.ui.showMessage(text::kNoDataReceived, text::kUploadCaption, MessageIcon::None);
    return {Outcome::NothingReceived, 0};
  }
  if (!file.commit()) {
    ctx.ui.showMessage(text::kCannotWriteFile, text::kErrorCaption, MessageIcon::None);
    return {Outcome::Failed, *records};
  }
  return {Outcome::Collected, *records};
}

}  // namespace

CollectionResult collectData(LinkContext& ctx, const LinkChoice& choice, const std::string& path) {
  CollectedFile file(path);
  if (!created(ctx, file)) return {Outcome::FileError, 0};
  std::optional<int> records;
  try {
    if (!openPortForCollection(ctx, choice)) return {Outcome::PortError, 0};
    records = connectToTerminal(ctx) ? receive(ctx, file) : 0;
  } catch (const TransferCancelled&) {
    file.discard();
    endCancelledTransfer(ctx, text::kUploadCaption);
    return {Outcome::Cancelled, 0};
  }
  // The port is closed without a purge.
  ctx.port.close();
  return settle(ctx, file, records);
}

CollectionResult receiveIntoFile(LinkContext& ctx, CollectedFile& file) {
  if (!created(ctx, file)) return {Outcome::FileError, 0};
  return settle(ctx, file, receive(ctx, file));
}

}  // namespace k60::link
