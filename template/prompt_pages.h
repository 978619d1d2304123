// The 18 prompt pages: the texts of the terminal's own screens, one fixed-size slot a line.
#pragma once

#include <array>
#include <string_view>

#include "template/record_view.h"

namespace k60 {

enum class PromptPageId {
  Welcome,
  MainMenu,
  UtilityMenu,
  DeleteMenu,
  Confirm,
  MemoryBattery,
  LookupDownload,
  SettingsMenu,
  UploadMenu,
  DownloadMenu,
  BaudRateMenu,
  Backlight,
  DataErase,
  RecordPrompt,
  ViewSettings,
  Connecting,
  ErrorMessages,
  OtherMessages,
  Count
};

inline constexpr std::size_t kPromptPageCount = static_cast<std::size_t>(PromptPageId::Count);

struct PromptPageInfo {
  PromptPageId id;
  std::size_t offset;  // inside the prompt-text block
  std::size_t lines;
  std::size_t slot;    // 16 (15 columns) or 21 (20 columns)
  const char* name;    // stable English key, for k60tool's JSON
};

extern const std::array<PromptPageInfo, kPromptPageCount> kPromptPages;

constexpr std::size_t kMaxPromptLines = 8;

// Default texts of each page's lines, GB2312 bytes.
extern const std::array<std::array<std::string_view, kMaxPromptLines>, kPromptPageCount>
    kDefaultPromptTexts;

// The record-prompt lines an opened file without the extension marker gets (15 bytes each).
extern const std::array<std::string_view, 4> kOldFileRecordPromptTexts;

class PromptPage : public RecordView {
 public:
  PromptPage(std::span<std::uint8_t> bytes, const PromptPageInfo& info)
      : RecordView(bytes), info_(&info) {}

  const PromptPageInfo& info() const { return *info_; }
  std::size_t lineCount() const { return info_->lines; }
  std::size_t maxText() const { return info_->slot - 1; }
  std::span<const std::uint8_t> lineSlot(std::size_t line) const { return slot(info_->slot * line, info_->slot); }
  std::span<std::uint8_t> lineSlot(std::size_t line) { return slot(info_->slot * line, info_->slot); }
  std::string line(std::size_t line) const { return readSlot(lineSlot(line)); }
  std::size_t setLine(std::size_t line, std::string_view gb) {
    return writeSlot(lineSlot(line), gb, maxText());
  }

 private:
  const PromptPageInfo* info_;
};

}  // namespace k60
