// The download: handshake, acknowledged blocks with resends, the retry question, and the
// program transfer. The lookup file transfer (lookup_transfer.h) runs on the same command.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "link/link_context.h"
#include "link/program_image.h"
#include "template/store.h"

namespace k60::link {

// How long the terminal has to answer a send, measured from the write: kReplyTimeoutMs.
// A block is sent at most this many times before the download gives up on it.
inline constexpr int kMaxSends = 4;
// "QUIBEL\r" is sent at most this many times per attempt.
inline constexpr int kHandshakeTries = 3;

// The bytes of a protocol word such as "QUIBEL\r".
inline std::span<const std::uint8_t> wordBytes(std::string_view word) {
  return {reinterpret_cast<const std::uint8_t*>(word.data()), word.size()};
}

// Writes the bytes and collects the terminal's reply: up to 3000 ms, stopping at 10 bytes
// or at a CR; returns the reply text without its CR (at most 12 bytes). A reply cut at 10
// bytes has the rest of its line, up to its CR, read and dropped within the same 3000 ms,
// so that it is not taken for the answer to the next send.
std::string exchange(LinkContext& ctx, std::span<const std::uint8_t> bytes);

// Sends one block and waits for "ACK": up to 4 sends; "FULL" fails at once. Shows the
// failure's message. true when the block was accepted.
bool sendBlock(LinkContext& ctx, std::span<const std::uint8_t> block);

// The transfer of one attempt, run after the handshake inside the progress window.
using Transfer = std::function<bool(LinkContext&)>;

// One attempt: transfer time-outs, handshake, progress window around the transfer,
// "下载完毕!" on success. Shows the failure's message; true when the transfer succeeded.
bool runAttempt(LinkContext& ctx, const Transfer& transfer);

// The download command around a transfer: opens the port, runs attempts (handshake,
// progress window, transfer, "下载完毕!") and asks the retry question after each failed one,
// then purges and closes the port. true when an attempt succeeded.
bool runDownload(LinkContext& ctx, const LinkChoice& choice, const Transfer& transfer);

// Program block n (0..104): 100 image bytes, checksum high, checksum low, block number.
using ProgramBlock = std::array<std::uint8_t, kProgramBlockSize>;
ProgramBlock programBlock(const ProgramImage& image, int n);

// The program transfer of one attempt: builds the image (normalising the template's forms)
// and sends its 105 blocks.
bool transferProgram(LinkContext& ctx, Template& t);

// Command "下载程序": the whole program download.
bool downloadProgram(LinkContext& ctx, const LinkChoice& choice, Template& t);

}  // namespace k60::link
