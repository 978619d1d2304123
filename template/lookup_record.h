// One lookup record (19 bytes) and the extension block (14 bytes) that holds the per-lookup
// options added by format 4.00.
#pragma once

#include "template/record_view.h"

namespace k60 {

class LookupRecord : public RecordView {
 public:
  static constexpr std::size_t kSize = 19;
  static constexpr std::size_t kFields = 8;
  // The largest member length, offset or field length a lookup holds.
  static constexpr unsigned kMaxLength = 250;

  enum Offset : std::size_t {
    kMemberLength = 0,
    kFieldCount = 1,
    kKeyField = 2,
    kFieldOffsets = 3,
    kFieldLengths = 11,
  };

  using RecordView::RecordView;

  K60_BYTE_FIELD(std::uint8_t, memberLength, setMemberLength, kMemberLength)
  K60_BYTE_FIELD(std::uint8_t, fieldCount, setFieldCount, kFieldCount)
  // 0..7 = field 1..8.
  K60_BYTE_FIELD(std::uint8_t, keyField, setKeyField, kKeyField)
  // 1-based character position of field 0..7 in the member.
  K60_INDEXED_BYTE_FIELD(std::uint8_t, fieldOffset, setFieldOffset, kFieldOffsets)
  K60_INDEXED_BYTE_FIELD(std::uint8_t, fieldLength, setFieldLength, kFieldLengths)
};

// With a separator, each field starts one character after the previous one ends and the
// member length is the sum of the lengths plus the separators, in one byte. A field count
// above 8 (a damaged file) is read as 8.
void applySeparatorLayout(LookupRecord lookup);

// The member length that layout gives, before it is put into one byte: 0 without fields.
unsigned separatorMemberLength(const LookupRecord& lookup);

class ExtensionBlock : public RecordView {
 public:
  static constexpr std::size_t kSize = 14;
  static constexpr std::uint8_t kMarker = 0x40;  // '@': the block carries format-4.00 options

  enum Offset : std::size_t {
    kMarkerByte = 0,
    kWedgeCrLf = 1,
    kSeparators = 2,
    kUploadable = 5,
    kNoMatchAction = 8,
    kSeparateFiles = 11,
    kReserved = 12,
  };

  using RecordView::RecordView;

  bool hasMarker() const { return byte(kMarkerByte) == kMarker; }
  // Keyboard wedge: add CR LF after each record.
  K60_BYTE_FIELD(bool, wedgeCrLf, setWedgeCrLf, kWedgeCrLf)
  // Lookup 0..2: 0 = fixed-length fields, else the separator's character code.
  K60_INDEXED_BYTE_FIELD(std::uint8_t, separator, setSeparator, kSeparators)
  K60_INDEXED_BYTE_FIELD(bool, uploadable, setUploadable, kUploadable)
  K60_INDEXED_BYTE_FIELD(std::uint8_t, noMatchAction, setNoMatchAction, kNoMatchAction)
  // Menus: save the data of each form to a separate file.
  K60_BYTE_FIELD(bool, separateFiles, setSeparateFiles, kSeparateFiles)

  // The defaults of a new template, also given to an opened file that lacks the block.
  void reset();
};

}  // namespace k60

namespace k60 {

// Lines of the simulator's Utility page: the eighth (download lookup file) shows only when
// lookup 1 describes a file, that is has a member length and fields.
inline std::uint8_t utilityPageLines(const LookupRecord& lookup1) {
  return lookup1.memberLength() != 0 && lookup1.fieldCount() != 0 ? 8 : 7;
}

}  // namespace k60
