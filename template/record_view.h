// Base of the typed views: a window on a record's bytes inside the store. A const view only
// reads: its setters and its writable slots need a view that is not const.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "template/gb_text.h"

// The two accessors of a byte field at `offset`: `get()` reads it as Type (std::uint8_t, bool
// or an enum of bytes) and `set(v)` writes it. The indexed form reads and writes byte
// `offset + i` of a run of them (one per line, item, field or lookup).
#define K60_BYTE_FIELD(Type, get, set, offset)                                    \
  Type get() const { return static_cast<Type>(byte(offset)); }                    \
  void set(Type v) { setByte(offset, static_cast<std::uint8_t>(v)); }
#define K60_INDEXED_BYTE_FIELD(Type, get, set, offset)                            \
  Type get(std::size_t i) const { return static_cast<Type>(byte((offset) + i)); } \
  void set(std::size_t i, Type v) { setByte((offset) + i, static_cast<std::uint8_t>(v)); }

namespace k60 {

class RecordView {
 public:
  explicit RecordView(std::span<std::uint8_t> bytes) : bytes_(bytes) {}

  std::span<const std::uint8_t> bytes() const { return bytes_; }
  std::span<std::uint8_t> bytes() { return bytes_; }
  std::uint8_t byte(std::size_t offset) const { return bytes_[offset]; }
  void setByte(std::size_t offset, std::uint8_t value) { bytes_[offset] = value; }

 protected:
  std::span<const std::uint8_t> slot(std::size_t offset, std::size_t size) const {
    return bytes_.subspan(offset, size);
  }
  std::span<std::uint8_t> slot(std::size_t offset, std::size_t size) { return bytes_.subspan(offset, size); }
  std::string text(std::size_t offset, std::size_t size) const {
    return readSlot(slot(offset, size));
  }
  std::size_t setText(std::size_t offset, std::size_t size, std::string_view gb,
                      std::size_t maxText) {
    return writeSlot(slot(offset, size), gb, maxText);
  }
  bool bit(std::size_t offset, std::uint8_t mask) const { return (bytes_[offset] & mask) != 0; }
  void setBit(std::size_t offset, std::uint8_t mask, bool on) {
    bytes_[offset] = on ? (bytes_[offset] | mask) : (bytes_[offset] & ~mask);
  }
  // An unsigned field of `width` bits starting at bit `shift` (bit 0 = least significant).
  std::uint8_t bits(std::size_t offset, int shift, int width) const {
    return (bytes_[offset] >> shift) & ((1u << width) - 1);
  }
  void setBits(std::size_t offset, int shift, int width, std::uint8_t value) {
    const std::uint8_t mask = static_cast<std::uint8_t>(((1u << width) - 1) << shift);
    bytes_[offset] = static_cast<std::uint8_t>((bytes_[offset] & ~mask) | ((value << shift) & mask));
  }

 private:
  std::span<std::uint8_t> bytes_;
};

}  // namespace k60
