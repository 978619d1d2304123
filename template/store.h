// The application template: the eleven byte blocks, the changed flag and the current file name.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "template/layout.h"

namespace k60 {

class FormRecord;
class MenuRecord;
class LookupRecord;
class BarcodeRecord;
class SettingsRecord;
class ExtensionBlock;
class StartupOptions;
class PromptPage;
enum class PromptPageId;

using Bytes = std::span<std::uint8_t>;
using ConstBytes = std::span<const std::uint8_t>;

class Template {
 public:
  static constexpr std::size_t kMaxFileNameBytes = 255;

  // A new store is all zero, as at program start before the resets run.
  Template() { bytes_.fill(0); }

  Bytes bytes() { return bytes_; }
  ConstBytes bytes() const { return bytes_; }
  Bytes block(Block b);
  ConstBytes block(Block b) const;

  FormRecord form(std::size_t index);     // 0..9
  MenuRecord menu(std::size_t index);     // 0..9
  LookupRecord lookup(std::size_t index); // 0..2
  BarcodeRecord barcode();
  SettingsRecord settings();
  ExtensionBlock extension();
  StartupOptions startup();
  PromptPage prompt(PromptPageId page);

  // COM port settings: port index 0..5 (COM1..COM6), rate index 0..4.
  std::uint8_t comPort() const { return bytes_[0]; }
  std::uint8_t comRate() const { return bytes_[1]; }
  void setComPort(std::uint8_t port) { bytes_[0] = port; }
  void setComRate(std::uint8_t rate) { bytes_[1] = rate; }

  // Security password: up to 10 characters, NUL-terminated when shorter.
  std::string password() const;
  void setPassword(std::string_view gbText);

  bool changed() const { return changed_; }
  void setChanged(bool changed) { changed_ = changed; }

  const std::string& fileName() const { return fileName_; }
  bool hasFileName() const { return !fileName_.empty(); }
  // Refuses (returns false, keeps the old name) a name longer than 255 bytes.
  bool setFileName(std::string_view path);
  // How many of those 255 bytes a UTF-8 name takes.
  static std::size_t fileNameBytes(std::string_view path);
  void clearFileName() { fileName_.clear(); }

 private:
  std::array<std::uint8_t, kStoreSize> bytes_;
  bool changed_ = false;
  std::string fileName_;
};

}  // namespace k60
