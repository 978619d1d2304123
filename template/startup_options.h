// Program start position and data field separator.
#pragma once

#include <cstdint>
#include <utility>

#include "template/store.h"
#include "template/targets.h"

namespace k60 {

enum class SeparatorMode { None, One, Two };

struct Separator {
  SeparatorMode mode;
  std::uint8_t first;
  std::uint8_t second;
};

class StartupOptions {
 public:
  explicit StartupOptions(Template& t) : t_(&t) {}

  // 0 = form 1, 1 = menu 1.
  std::uint8_t startPosition() const { return start()[0]; }
  void setStartPosition(std::uint8_t v) { start()[0] = v; }
  // The target number the application starts with: form 1 (1) or menu 1 (11).
  std::uint8_t startTarget() const { return startPosition() == 0 ? kFirstFormTarget : kFirstMenuTarget; }

  std::uint8_t separatorByte(std::size_t i) const { return sep()[i]; }
  // Byte 0 of 0 reads as none; else byte 1 decides between one and two characters.
  Separator separator() const;
  // None stores 0, 0; one stores the first character and 0; two stores both (a second
  // character of 0 then reads back as one).
  void setSeparator(SeparatorMode mode, std::uint8_t first, std::uint8_t second);

 private:
  ConstBytes start() const { return std::as_const(*t_).block(Block::StartPosition); }
  ConstBytes sep() const { return std::as_const(*t_).block(Block::Separator); }
  Bytes start() { return t_->block(Block::StartPosition); }
  Bytes sep() { return t_->block(Block::Separator); }
  Template* t_;
};

}  // namespace k60
