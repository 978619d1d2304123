// The download: handshake, acknowledged blocks with resends, the retry question, and the
// program transfer. The lookup file transfer (lookup_transfer.h) runs on the same command.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "link/link_context.h"
#include "template/store.h"

namespace k60::link {

// Writes the bytes and collects the terminal's reply: up to 3000 ms, stopping at 10 bytes
// or at a CR; returns the reply text without its CR (at most 12 bytes).
std::string exchange(LinkContext& ctx, std::span<const std::uint8_t> bytes);

// Sends one block and waits for "ACK": up to 4 sends; "FULL" fails at once. Shows the
// failure's message. true when the block was accepted.
bool sendBlock(LinkContext& ctx, std::span<const std::uint8_t> block);

// The transfer of one attempt, run after the handshake inside the progress window.
using Transfer = std::function<bool(LinkContext&)>;

// The download command around a transfer: opens the port, runs attempts (handshake,
// progress window, transfer, "下载完毕!") and asks the retry question after each failed one,
// then purges and closes the port. true when an attempt succeeded.
bool runDownload(LinkContext& ctx, const LinkChoice& choice, const Transfer& transfer);

// The program transfer of one attempt: builds the image (normalising the template's forms)
// and sends its 105 blocks.
bool transferProgram(LinkContext& ctx, Template& t);

// Command "下载程序": the whole program download.
bool downloadProgram(LinkContext& ctx, const LinkChoice& choice, Template& t);

}  // namespace k60::link
