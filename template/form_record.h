// One form record (601 bytes): a data-entry screen of up to eight lines.
#pragma once

#include "template/layout.h"
#include "template/record_view.h"

namespace k60 {

enum class DataType : std::uint8_t {
  Empty = 0,
  Text = 1,
  Integer = 2,
  Real = 3,
  Character = 4,
  FixedData = 5,
  Prompt = 6,
  Lookup = 7,
  Continuation = 8,
  Boolean = 9,
  Counter = 10,
};

// Which data types count towards the input line count: the program image counts more
// types than the simulator does.
enum class InputRule { Download, Simulator };

class FormRecord : public RecordView {
 public:
  static constexpr std::size_t kSize = 601;
  static constexpr std::size_t kLines = 8;
  static constexpr std::size_t kPromptSlot = kSmallLineSlot;
  static constexpr std::size_t kValueSlot = 10;
  static constexpr std::size_t kCheckPrefixSlot = 6;
  static constexpr std::uint8_t kMaxLength = 50;

  // Offsets of the record's fields.
  enum Offset : std::size_t {
    kFont = 0,
    kCancelTarget = 1,
    kNextTarget = 2,
    kDateStamp = 3,
    kTimeStamp = 4,
    kRecordAction = 5,
    kLookupFile = 6,
    kLookupBinding = 7,
    kDataType = 15,
    kPrompt = 23,
    kDataSource = 191,
    kMinLength = 199,
    kMaxLengthField = 207,
    kFixedLengthOn = 215,
    kAlignment = 223,
    kFixedLength = 231,
    kInitialOn = 239,
    kInitialValue = 247,
    kPrefixOn = 327,
    kPrefix = 335,
    kSuffixOn = 415,
    kSuffix = 423,
    kPartialOn = 503,
    kPartialStart = 511,
    kPartialMaxLength = 519,
    kCheckPrefixOn = 527,
    kCheckPrefix = 535,
    kAutoWrap = 583,
    kReserved = 591,
    kInputLineCount = 599,
    kCurrentLine = 600,
  };

  using RecordView::RecordView;

  K60_BYTE_FIELD(std::uint8_t, font, setFont, kFont)
  bool largeFont() const { return font() != 0; }
  K60_BYTE_FIELD(std::uint8_t, cancelTarget, setCancelTarget, kCancelTarget)
  K60_BYTE_FIELD(std::uint8_t, nextTarget, setNextTarget, kNextTarget)
  K60_BYTE_FIELD(std::uint8_t, dateStamp, setDateStamp, kDateStamp)
  K60_BYTE_FIELD(std::uint8_t, timeStamp, setTimeStamp, kTimeStamp)
  K60_BYTE_FIELD(std::uint8_t, recordAction, setRecordAction, kRecordAction)
  K60_BYTE_FIELD(std::uint8_t, lookupFile, setLookupFile, kLookupFile)
  K60_BYTE_FIELD(std::uint8_t, inputLineCount, setInputLineCount, kInputLineCount)
  K60_BYTE_FIELD(std::uint8_t, currentLine, setCurrentLine, kCurrentLine)

  // Per-line bytes, line 0..7.
  K60_INDEXED_BYTE_FIELD(std::uint8_t, lookupBinding, setLookupBinding, kLookupBinding)
  K60_INDEXED_BYTE_FIELD(DataType, dataType, setDataType, kDataType)
  std::uint8_t dataTypeByte(std::size_t line) const { return byte(kDataType + line); }
  K60_INDEXED_BYTE_FIELD(std::uint8_t, dataSource, setDataSource, kDataSource)
  K60_INDEXED_BYTE_FIELD(std::uint8_t, minLength, setMinLength, kMinLength)
  K60_INDEXED_BYTE_FIELD(std::uint8_t, maxLength, setMaxLength, kMaxLengthField)
  K60_INDEXED_BYTE_FIELD(bool, fixedLengthOn, setFixedLengthOn, kFixedLengthOn)
  K60_INDEXED_BYTE_FIELD(std::uint8_t, alignment, setAlignment, kAlignment)
  K60_INDEXED_BYTE_FIELD(std::uint8_t, fixedLength, setFixedLength, kFixedLength)
  // For a lookup line (data type 7) this byte is the "save field data" option.
  K60_INDEXED_BYTE_FIELD(bool, initialOn, setInitialOn, kInitialOn)
  K60_INDEXED_BYTE_FIELD(bool, prefixOn, setPrefixOn, kPrefixOn)
  K60_INDEXED_BYTE_FIELD(bool, suffixOn, setSuffixOn, kSuffixOn)
  K60_INDEXED_BYTE_FIELD(bool, partialOn, setPartialOn, kPartialOn)
  K60_INDEXED_BYTE_FIELD(std::uint8_t, partialStart, setPartialStart, kPartialStart)
  K60_INDEXED_BYTE_FIELD(std::uint8_t, partialMaxLength, setPartialMaxLength, kPartialMaxLength)
  K60_INDEXED_BYTE_FIELD(bool, checkPrefixOn, setCheckPrefixOn, kCheckPrefixOn)
  K60_INDEXED_BYTE_FIELD(std::uint8_t, autoWrap, setAutoWrap, kAutoWrap)

  // Text slots (GB2312). Setters cut to the slot's limit and return the bytes kept.
  std::span<const std::uint8_t> promptSlot(std::size_t line) const {
    return slot(kPrompt + kPromptSlot * line, kPromptSlot);
  }
  std::span<std::uint8_t> promptSlot(std::size_t line) { return slot(kPrompt + kPromptSlot * line, kPromptSlot); }
  std::string prompt(std::size_t line) const { return readSlot(promptSlot(line)); }
  // At most 20 bytes, 15 with the large font.
  std::size_t setPrompt(std::size_t line, std::string_view gb) {
    return writeSlot(promptSlot(line), gb, lineColumns(largeFont()));
  }
  std::string initialValue(std::size_t line) const { return valueText(kInitialValue, line); }
  std::size_t setInitialValue(std::size_t line, std::string_view gb) { return setValueText(kInitialValue, line, gb); }
  std::string prefix(std::size_t line) const { return valueText(kPrefix, line); }
  std::size_t setPrefix(std::size_t line, std::string_view gb) { return setValueText(kPrefix, line, gb); }
  std::string suffix(std::size_t line) const { return valueText(kSuffix, line); }
  std::size_t setSuffix(std::size_t line, std::string_view gb) { return setValueText(kSuffix, line, gb); }
  // Six bytes with no terminator when all six are used.
  std::string checkPrefix(std::size_t line) const {
    return text(kCheckPrefix + kCheckPrefixSlot * line, kCheckPrefixSlot);
  }
  std::size_t setCheckPrefix(std::size_t line, std::string_view gb) {
    return setText(kCheckPrefix + kCheckPrefixSlot * line, kCheckPrefixSlot, gb, kCheckPrefixSlot);
  }

 private:
  // The value slots (initial value, prefix, suffix) of line `line`: at most 9 bytes of text.
  std::string valueText(std::size_t at, std::size_t line) const { return text(at + kValueSlot * line, kValueSlot); }
  std::size_t setValueText(std::size_t at, std::size_t line, std::string_view gb) {
    return setText(at + kValueSlot * line, kValueSlot, gb, kValueSlot - 1);
  }
};

// Rules that keep a form record consistent.

// Large font clears lines 5-8; lengths clamp to 50 and min <= max; unused and
// continuation lines lose prompt and binding; fixed data, prompt and counter lines lose
// their binding.
void normaliseForm(FormRecord form);

// Gives continuation lines (data type 8 after an input line) the part of the base line's
// maximum length that does not fit on the base line, in one-byte arithmetic, and clears
// their binding, initial value, prefix and suffix flags.
void fixContinuations(FormRecord form);

// 1-based number of the last line whose type counts as input under `rule`, 0 if none.
std::uint8_t countInputLines(const FormRecord& form, InputRule rule);

// What both the download and a simulator run do to a form before use: clear the prompt and
// binding of unused and continuation lines (the download also the binding of fixed data,
// prompt and counter lines) and store the input line count in byte 599.
void prepareForm(FormRecord form, InputRule rule);

}  // namespace k60
