// The system settings record (20 bytes): the terminal's initial settings and which of its
// functions ask for the security password.
#pragma once

#include "template/record_view.h"

namespace k60 {

// Functions the security password can protect, in byte order from byte 8.
enum class SecurityCheck {
  SettingsMenu, EditData, DeleteData, SetDateTime, DownloadProgram, DownloadLookup,
  UploadPort, DownloadPort, Rate, Backlight, DataErase, RecordPrompt,
  Count
};

class SettingsRecord : public RecordView {
 public:
  static constexpr std::size_t kSize = 20;
  static constexpr std::uint8_t kBacklightDuration = 0x32;

  enum Offset : std::size_t {
    kUploadPort = 0,
    kDownloadPort = 1,
    kRate = 2,
    kBacklight = 3,
    kBacklightDurationByte = 4,
    kDataErase = 5,
    kRecordPrompt = 6,
    kReserved = 7,
    kSecurityChecks = 8,
  };

  using RecordView::RecordView;

  K60_BYTE_FIELD(std::uint8_t, uploadPort, setUploadPort, kUploadPort)
  K60_BYTE_FIELD(std::uint8_t, downloadPort, setDownloadPort, kDownloadPort)
  K60_BYTE_FIELD(std::uint8_t, rate, setRate, kRate)
  K60_BYTE_FIELD(std::uint8_t, backlight, setBacklight, kBacklight)
  std::uint8_t backlightDuration() const { return byte(kBacklightDurationByte); }
  K60_BYTE_FIELD(std::uint8_t, dataErase, setDataErase, kDataErase)
  K60_BYTE_FIELD(std::uint8_t, recordPrompt, setRecordPrompt, kRecordPrompt)
  bool securityCheck(SecurityCheck c) const {
    return byte(kSecurityChecks + static_cast<std::size_t>(c)) != 0;
  }
  void setSecurityCheck(SecurityCheck c, bool on) {
    setByte(kSecurityChecks + static_cast<std::size_t>(c), on);
  }
};

}  // namespace k60
