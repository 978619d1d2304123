// Barcode record bit layout, length pairs and caps lock rule; keyboard wedge bytes; system
// settings, password and start-up options.
#include "template/barcode_record.h"
#include "template/settings_record.h"
#include "template/startup_options.h"
#include "tests/support/test_support.h"

namespace k60 {
namespace {

using F = BarcodeFlag;
using B = BarcodeField;
constexpr F kNone = F::Count;  // a bit no flag owns

// The flags of each byte that holds any, from bit 7 down to bit 0.
const std::pair<int, std::array<F, 8>> kFlagBytes[] = {
    {0, {F::Code39, F::ItalianPharmacode, F::FrenchPharmacode, F::Industrial25, F::Interleave25, F::Matrix25,
         F::Codabar, F::Code93}},
    {1, {F::Code128, F::Upce, F::UpceAddOn2, F::UpceAddOn5, F::Ean8, F::Ean8AddOn2, F::Ean8AddOn5, F::Ean13Upca}},
    {2, {F::Ean13AddOn2, F::Ean13AddOn5, F::Msi, F::Plessey, kNone, F::Telepen, F::TelepenPlain, kNone}},
    {5, {F::Code39SendStartStop, F::Code39VerifyCheck, F::Code39SendCheck, F::Code39FullAscii,
         F::ItalianPharmacodeSendCheck, F::FrenchPharmacodeSendCheck, F::Interleave25VerifyCheck,
         F::Interleave25SendCheck}},
    {6, {F::Industrial25VerifyCheck, F::Industrial25SendCheck, F::Matrix25VerifyCheck, F::Matrix25SendCheck,
         kNone, kNone, kNone, kNone}},
    {7, {kNone, kNone, kNone, kNone, F::CodabarSendStartStop, kNone, kNone, kNone}},
    {9, {kNone, kNone, kNone, kNone, F::PlesseySendCheck, F::PlesseyToUk, F::UpceToUpca, F::UpcaToEan13}},
    {10, {F::Ean13Isbn, F::Ean13Issn, F::UpceSendCheck, F::UpcaSendCheck, F::Ean8SendCheck, F::Ean13SendCheck,
          F::UpceSendSystem, F::UpcaSendSystem}},
    {11, {F::Ean8ToEan13, kNone, kNone, F::ReadInverted, kNone, kNone, kNone, kNone}},
};

// Field, byte, mask of its bits.
const std::tuple<B, int, std::uint8_t> kFieldBits[] = {
    {B::Interleave25StartStop, 6, 0x0C}, {B::Industrial25StartStop, 6, 0x03}, {B::Matrix25StartStop, 7, 0xC0},
    {B::CodabarStartStopFormat, 7, 0x30}, {B::MsiCheckVerify, 9, 0xC0},      {B::MsiCheckSend, 9, 0x30},
    {B::ReadRedundancy, 11, 0x0C},       {B::ScanMode, 20, 0xF0}};

// Sets (or, on an all-ones record, clears) one option and checks that exactly `mask` of
// `byte` changed.
template <typename Edit>
void expectOnlyBits(int byte, std::uint8_t mask, Edit edit) {
  for (std::uint8_t fill : {0x00, 0xFF}) {
    Template t;
    BarcodeRecord bc = t.barcode();
    std::fill(bc.bytes().begin(), bc.bytes().end(), fill);
    edit(bc, fill == 0);
    for (int i = 0; i < 24; ++i)
      EXPECT_EQ(bc.byte(i), i == byte ? fill ^ mask : fill) << "byte " << i << (fill ? ", clearing" : ", setting");
  }
}

TEST(BarcodeRecordBits, EachFlagAndFieldOwnsExactlyItsBits) {
  std::size_t flags = 0;
  for (const auto& [byte, bits] : kFlagBytes)
    for (int bit = 0; bit < 8; ++bit) {
      const F f = bits[bit];
      if (f == kNone) continue;
      ++flags;
      SCOPED_TRACE(kBarcodeFlags[static_cast<std::size_t>(f)].name);
      expectOnlyBits(byte, 0x80 >> bit, [f](BarcodeRecord bc, bool on) {
        bc.setFlag(f, on);
        EXPECT_EQ(bc.flag(f), on);
      });
    }
  EXPECT_EQ(flags, static_cast<std::size_t>(F::Count));

  for (const auto& [field, byte, mask] : kFieldBits) {
    SCOPED_TRACE(kBarcodeFields[static_cast<std::size_t>(field)].name);
    expectOnlyBits(byte, mask, [f = field](BarcodeRecord bc, bool on) { bc.setField(f, on ? 0xFF : 0); });
    Template t;
    t.barcode().setField(field, 1);
    EXPECT_EQ(t.barcode().byte(byte), mask & -mask) << "value 1 is the field's lowest bit";
    EXPECT_EQ(t.barcode().field(field), 1);
  }
}

TEST(BarcodeRecordBits, LengthPairsSplitModeFromFirstLength) {
  Template t = test::defaultTemplate();
  BarcodeRecord bc = t.barcode();
  LengthLimit l = bc.length(LengthSymbology::Interleave25);
  EXPECT_TRUE(l.range);
  EXPECT_EQ(l.first, 126);
  EXPECT_EQ(l.second, 1);
  bc.setByte(14, 0x05);
  bc.setByte(15, 0x09);
  l = bc.length(LengthSymbology::Interleave25);
  EXPECT_FALSE(l.range);
  EXPECT_EQ(l.first, 5);
  EXPECT_EQ(l.second, 9);
  bc.setByte(14, 0x85);
  EXPECT_TRUE(bc.length(LengthSymbology::Interleave25).range);
  EXPECT_EQ(bc.length(LengthSymbology::Interleave25).first, 5);

  bc.setLength(LengthSymbology::Msi, {false, 12, 8});
  bc.setLength(LengthSymbology::Matrix25, {true, 40, 4});
  EXPECT_EQ(test::toHex(bc.bytes().subspan(12, 8)), "FF 01 85 09 A8 04 0C 08");
  bc.setLength(LengthSymbology::Industrial25, {false, 200, 1});  // too long for bits 6-0
  EXPECT_FALSE(bc.length(LengthSymbology::Industrial25).range) << "only `range` decides the mode bit";
}

TEST(KeyboardWedge, CapsLockReadsBitSixThenBitFiveAndStoresOneBit) {
  const std::pair<std::uint8_t, CapsLock> reads[] = {
      {0x00, CapsLock::Detect}, {0x80, CapsLock::Detect}, {0x40, CapsLock::Always}, {0x20, CapsLock::Ignore},
      {0x60, CapsLock::Always}, {0xA0, CapsLock::Ignore}, {0xE0, CapsLock::Always}, {0x1F, CapsLock::Detect}};
  Template t;
  BarcodeRecord bc = t.barcode();
  for (const auto& [value, mode] : reads) {
    bc.setByte(4, value);
    EXPECT_EQ(bc.capsLock(), mode) << "byte 4 = " << int(value);
  }
  const std::pair<CapsLock, std::uint8_t> stores[] = {
      {CapsLock::Detect, 0x80}, {CapsLock::Always, 0x40}, {CapsLock::Ignore, 0x20}};
  for (const auto& [mode, bit] : stores) {
    bc.setByte(4, 0x00);
    bc.setCapsLock(mode);
    EXPECT_EQ(bc.byte(4), bit);
    bc.setByte(4, 0xFF);
    bc.setCapsLock(mode);
    EXPECT_EQ(bc.byte(4), 0x1F | bit) << "bits 0-4 are kept";
  }
}

TEST(KeyboardWedge, FieldsLiveInBarcodeBytesThreeFourEightAndTwentyThree) {
  Template t = test::defaultTemplate();
  BarcodeRecord bc = t.barcode();
  bc.setKeyboardType(27);
  bc.setNumericKeypad(true);
  bc.setShiftLockType(2);
  bc.setDigitLayout(1);
  bc.setCapsLock(CapsLock::Ignore);
  bc.setKeyDelay(255);
  bc.setWedgeTimeout(9);
  EXPECT_EQ(test::toHex(bc.bytes()), "9B C9 00 1B 2D 2D 54 80 FF 19 3D 00 FF 01 FE 01 FF 01 FF 01 66 03 03 09");
}

TEST(SystemSettings, SecurityChecksAndPassword) {
  Template t = test::defaultTemplate();
  t.settings().setSecurityCheck(SecurityCheck::SettingsMenu, true);
  t.settings().setSecurityCheck(SecurityCheck::SetDateTime, true);
  t.settings().setSecurityCheck(SecurityCheck::RecordPrompt, true);
  EXPECT_EQ(test::toHex(t.block(Block::Settings)), "00 00 00 00 32 00 00 00 01 00 00 01 00 00 00 00 00 00 00 01");

  t.setPassword("0123456789");
  EXPECT_EQ(t.password(), "0123456789");
  EXPECT_EQ(test::toHex(t.block(Block::Password)), "30 31 32 33 34 35 36 37 38 39");
  t.setPassword("123");
  EXPECT_EQ(test::toHex(t.block(Block::Password)), "31 32 33 00 34 35 36 37 38 39");
  t.setPassword("123456789012");
  EXPECT_EQ(t.password(), "1234567890");
  EXPECT_EQ(t.settings().byte(0), 0) << "the password never runs into the next block";
}

TEST(StartupOptions, SeparatorModeAndStartTarget) {
  Template t = test::defaultTemplate();
  StartupOptions s = t.startup();
  EXPECT_EQ(s.separator().mode, SeparatorMode::One);
  EXPECT_EQ(s.separator().first, ',');
  Bytes sep = t.block(Block::Separator);
  sep[0] = 0x00, sep[1] = 0x2C;
  EXPECT_EQ(s.separator().mode, SeparatorMode::None);
  sep[0] = ';', sep[1] = '|';
  EXPECT_EQ(s.separator().mode, SeparatorMode::Two);

  s.setSeparator(SeparatorMode::Two, ';', 0);
  EXPECT_EQ(s.separator().mode, SeparatorMode::One);
  s.setSeparator(SeparatorMode::One, '|', ';');
  EXPECT_EQ(test::toHex(sep), "7C 00");
  s.setSeparator(SeparatorMode::None, ',', ';');
  EXPECT_EQ(test::toHex(sep), "00 00");

  EXPECT_EQ(s.startTarget(), 1);
  s.setStartPosition(1);
  EXPECT_EQ(s.startTarget(), 11);
}

}  // namespace
}  // namespace k60
