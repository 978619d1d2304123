// The barcode settings record (24 bytes): symbology enables and options as bit fields, the
// length limits, scan mode and time-out, and four bytes of keyboard wedge settings.
#pragma once

#include <array>

#include "template/record_view.h"

namespace k60 {

// One-bit options: enables and per-symbology options.
enum class BarcodeFlag {
  Code39, ItalianPharmacode, FrenchPharmacode, Industrial25, Interleave25, Matrix25, Codabar,
  Code93,
  Code128, Upce, UpceAddOn2, UpceAddOn5, Ean8, Ean8AddOn2, Ean8AddOn5, Ean13Upca,
  Ean13AddOn2, Ean13AddOn5, Msi, Plessey, Telepen, TelepenPlain,
  Code39SendStartStop, Code39VerifyCheck, Code39SendCheck, Code39FullAscii,
  ItalianPharmacodeSendCheck, FrenchPharmacodeSendCheck, Interleave25VerifyCheck,
  Interleave25SendCheck,
  Industrial25VerifyCheck, Industrial25SendCheck, Matrix25VerifyCheck, Matrix25SendCheck,
  CodabarSendStartStop,
  PlesseySendCheck, PlesseyToUk, UpceToUpca, UpcaToEan13,
  Ean13Isbn, Ean13Issn, UpceSendCheck, UpcaSendCheck, Ean8SendCheck, Ean13SendCheck,
  UpceSendSystem, UpcaSendSystem,
  Ean8ToEan13, ReadInverted,
  Count
};

// Multi-bit fields.
enum class BarcodeField {
  Interleave25StartStop,  // 0 Industrial 25, 1 Interleave 25, 2 Matrix 25
  Industrial25StartStop,
  Matrix25StartStop,
  CodabarStartStopFormat,  // meaningful when CodabarSendStartStop is set
  MsiCheckVerify,
  MsiCheckSend,
  ReadRedundancy,
  ScanMode,
  Count
};

// The four symbologies with a length pair.
enum class LengthSymbology { Industrial25, Interleave25, Matrix25, Msi, Count };

struct BarcodeFlagInfo {
  BarcodeFlag flag;
  std::uint8_t byte;
  std::uint8_t mask;
  const char* name;  // stable English key, for k60tool's JSON
};

struct BarcodeFieldInfo {
  BarcodeField field;
  std::uint8_t byte;
  std::uint8_t shift;
  std::uint8_t width;
  const char* name;
};

extern const std::array<BarcodeFlagInfo, static_cast<std::size_t>(BarcodeFlag::Count)> kBarcodeFlags;
extern const std::array<BarcodeFieldInfo, static_cast<std::size_t>(BarcodeField::Count)> kBarcodeFields;

// A length pair: `range` = maximum and minimum, else two fixed lengths.
struct LengthLimit {
  bool range;
  std::uint8_t first;   // fixed length 1, or the maximum (1..127)
  std::uint8_t second;  // fixed length 2, or the minimum
};

enum class CapsLock { Detect, Always, Ignore };

class BarcodeRecord : public RecordView {
 public:
  static constexpr std::size_t kSize = 24;

  enum Offset : std::size_t {
    kWedgeKeyboard = 3,
    kWedgeOptions = 4,
    kWedgeDelay = 8,
    kLengths = 12,
    kScanMode = 20,
    kReadTimeout = 21,
    kByte22 = 22,
    kWedgeTimeout = 23,
  };

  using RecordView::RecordView;

  bool flag(BarcodeFlag f) const;
  void setFlag(BarcodeFlag f, bool on);
  std::uint8_t field(BarcodeField f) const;
  void setField(BarcodeField f, std::uint8_t value);

  LengthLimit length(LengthSymbology s) const;
  void setLength(LengthSymbology s, LengthLimit limit);

  K60_BYTE_FIELD(std::uint8_t, readTimeout, setReadTimeout, kReadTimeout)

  // Keyboard wedge settings kept in this record.
  K60_BYTE_FIELD(std::uint8_t, keyboardType, setKeyboardType, kWedgeKeyboard)
  bool numericKeypad() const { return bit(kWedgeOptions, 0x01); }
  void setNumericKeypad(bool on) { setBit(kWedgeOptions, 0x01, on); }
  std::uint8_t shiftLockType() const { return bits(kWedgeOptions, 1, 2); }
  void setShiftLockType(std::uint8_t v) { setBits(kWedgeOptions, 1, 2, v); }
  std::uint8_t digitLayout() const { return bits(kWedgeOptions, 3, 2); }
  void setDigitLayout(std::uint8_t v) { setBits(kWedgeOptions, 3, 2, v); }
  // Bit 6 reads as always locked, else bit 5 as ignore, else detect (so 0 is detect).
  CapsLock capsLock() const;
  // Sets exactly one of bits 7 (detect), 6 (always), 5 (ignore).
  void setCapsLock(CapsLock mode);
  K60_BYTE_FIELD(std::uint8_t, keyDelay, setKeyDelay, kWedgeDelay)
  K60_BYTE_FIELD(std::uint8_t, wedgeTimeout, setWedgeTimeout, kWedgeTimeout)
};

}  // namespace k60
