// Where each barcode option lives: one table row per bit or bit field.
#include "template/barcode_record.h"

namespace k60 {

using F = BarcodeFlag;
using B = BarcodeField;

const std::array<BarcodeFlagInfo, static_cast<std::size_t>(BarcodeFlag::Count)> kBarcodeFlags = {{
    {F::Code39, 0, 0x80, "code39"},
    {F::ItalianPharmacode, 0, 0x40, "italianPharmacode"},
    {F::FrenchPharmacode, 0, 0x20, "frenchPharmacode"},
    {F::Industrial25, 0, 0x10, "industrial25"},
    {F::Interleave25, 0, 0x08, "interleave25"},
    {F::Matrix25, 0, 0x04, "matrix25"},
    {F::Codabar, 0, 0x02, "codabar"},
    {F::Code93, 0, 0x01, "code93"},
    {F::Code128, 1, 0x80, "code128"},
    {F::Upce, 1, 0x40, "upce"},
    {F::UpceAddOn2, 1, 0x20, "upceAddOn2"},
    {F::UpceAddOn5, 1, 0x10, "upceAddOn5"},
    {F::Ean8, 1, 0x08, "ean8"},
    {F::Ean8AddOn2, 1, 0x04, "ean8AddOn2"},
    {F::Ean8AddOn5, 1, 0x02, "ean8AddOn5"},
    {F::Ean13Upca, 1, 0x01, "ean13Upca"},
    {F::Ean13AddOn2, 2, 0x80, "ean13AddOn2"},
    {F::Ean13AddOn5, 2, 0x40, "ean13AddOn5"},
    {F::Msi, 2, 0x20, "msi"},
    {F::Plessey, 2, 0x10, "plessey"},
    {F::Telepen, 2, 0x04, "telepen"},
    {F::TelepenPlain, 2, 0x02, "telepenPlain"},
    {F::Code39SendStartStop, 5, 0x80, "code39SendStartStop"},
    {F::Code39VerifyCheck, 5, 0x40, "code39VerifyCheck"},
    {F::Code39SendCheck, 5, 0x20, "code39SendCheck"},
    {F::Code39FullAscii, 5, 0x10, "code39FullAscii"},
    {F::ItalianPharmacodeSendCheck, 5, 0x08, "italianPharmacodeSendCheck"},
    {F::FrenchPharmacodeSendCheck, 5, 0x04, "frenchPharmacodeSendCheck"},
    {F::Interleave25VerifyCheck, 5, 0x02, "interleave25VerifyCheck"},
    {F::Interleave25SendCheck, 5, 0x01, "interleave25SendCheck"},
    {F::Industrial25VerifyCheck, 6, 0x80, "industrial25VerifyCheck"},
    {F::Industrial25SendCheck, 6, 0x40, "industrial25SendCheck"},
    {F::Matrix25VerifyCheck, 6, 0x20, "matrix25VerifyCheck"},
    {F::Matrix25SendCheck, 6, 0x10, "matrix25SendCheck"},
    {F::CodabarSendStartStop, 7, 0x08, "codabarSendStartStop"},
    {F::PlesseySendCheck, 9, 0x08, "plesseySendCheck"},
    {F::PlesseyToUk, 9, 0x04, "plesseyToUk"},
    {F::UpceToUpca, 9, 0x02, "upceToUpca"},
    {F::UpcaToEan13, 9, 0x01, "upcaToEan13"},
    {F::Ean13Isbn, 10, 0x80, "ean13Isbn"},
    {F::Ean13Issn, 10, 0x40, "ean13Issn"},
    {F::UpceSendCheck, 10, 0x20, "upceSendCheck"},
    {F::UpcaSendCheck, 10, 0x10, "upcaSendCheck"},
    {F::Ean8SendCheck, 10, 0x08, "ean8SendCheck"},
    {F::Ean13SendCheck, 10, 0x04, "ean13SendCheck"},
    {F::UpceSendSystem, 10, 0x02, "upceSendSystem"},
    {F::UpcaSendSystem, 10, 0x01, "upcaSendSystem"},
    {F::Ean8ToEan13, 11, 0x80, "ean8ToEan13"},
    {F::ReadInverted, 11, 0x10, "readInverted"},
}};

const std::array<BarcodeFieldInfo, static_cast<std::size_t>(BarcodeField::Count)> kBarcodeFields = {{
    {B::Interleave25StartStop, 6, 2, 2, "interleave25StartStop"},
    {B::Industrial25StartStop, 6, 0, 2, "industrial25StartStop"},
    {B::Matrix25StartStop, 7, 6, 2, "matrix25StartStop"},
    {B::CodabarStartStopFormat, 7, 4, 2, "codabarStartStopFormat"},
    {B::MsiCheckVerify, 9, 6, 2, "msiCheckVerify"},
    {B::MsiCheckSend, 9, 4, 2, "msiCheckSend"},
    {B::ReadRedundancy, 11, 2, 2, "readRedundancy"},
    {B::ScanMode, 20, 4, 4, "scanMode"},
}};

bool BarcodeRecord::flag(BarcodeFlag f) const {
  const auto& info = kBarcodeFlags[static_cast<std::size_t>(f)];
  return bit(info.byte, info.mask);
}

void BarcodeRecord::setFlag(BarcodeFlag f, bool on) {
  const auto& info = kBarcodeFlags[static_cast<std::size_t>(f)];
  setBit(info.byte, info.mask, on);
}

std::uint8_t BarcodeRecord::field(BarcodeField f) const {
  const auto& info = kBarcodeFields[static_cast<std::size_t>(f)];
  return bits(info.byte, info.shift, info.width);
}

void BarcodeRecord::setField(BarcodeField f, std::uint8_t value) {
  const auto& info = kBarcodeFields[static_cast<std::size_t>(f)];
  setBits(info.byte, info.shift, info.width, value);
}

LengthLimit BarcodeRecord::length(LengthSymbology s) const {
  const std::size_t at = kLengths + 2 * static_cast<std::size_t>(s);
  return {bit(at, 0x80), bits(at, 0, 7), byte(at + 1)};
}

void BarcodeRecord::setLength(LengthSymbology s, LengthLimit limit) {
  const std::size_t at = kLengths + 2 * static_cast<std::size_t>(s);
  setByte(at, static_cast<std::uint8_t>((limit.range ? 0x80 : 0) | (limit.first & 0x7F)));
  setByte(at + 1, limit.second);
}

CapsLock BarcodeRecord::capsLock() const {
  if (bit(kWedgeOptions, 0x40)) return CapsLock::Always;
  if (bit(kWedgeOptions, 0x20)) return CapsLock::Ignore;
  return CapsLock::Detect;
}

void BarcodeRecord::setCapsLock(CapsLock mode) {
  const std::uint8_t value = mode == CapsLock::Always ? 0x40 : mode == CapsLock::Ignore ? 0x20 : 0x80;
  setBits(kWedgeOptions, 5, 3, value >> 5);
}

}  // namespace k60
