// The two phases of a collection on an open port: the "READ\r" handshake, then the records.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "link/link_context.h"

namespace k60::link {

// One "READ\r" and its answer, within the reply time-out.
enum class PollAnswer {
  Ack,     // "ACK\r": the terminal is sending its records
  Silent,  // no CR within the time-out
  Other,   // a line that is not "ACK\r"
};
PollAnswer pollTerminal(LinkContext& ctx);

// Phase 1: sends "READ\r" until the terminal answers "ACK\r". Gives up, with "超时!" or
// "建立连接失败!", after four silent tries or six wrong answers. true when connected.
bool connectToTerminal(LinkContext& ctx);

// Stores the data bytes of one accepted record; false when they could not be stored.
using RecordSink = std::function<bool(std::span<const std::uint8_t> data)>;

// Phase 2: receives record lines, answering each, under the counter box, until "OVER\r".
// The number of records stored; nothing, after its message, when the terminal fell silent
// or a record could not be stored.
std::optional<int> receiveRecords(LinkContext& ctx, const RecordSink& store);

}  // namespace k60::link
