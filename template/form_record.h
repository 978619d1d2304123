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

  std::uint8_t font() const { return byte(kFont); }
  void setFont(std::uint8_t v) { setByte(kFont, v); }
  bool largeFont() const { return font() != 0; }
  std::uint8_t cancelTarget() const { return byte(kCancelTarget); }
  void setCancelTarget(std::uint8_t v) { setByte(kCancelTarget, v); }
  std::uint8_t nextTarget() const { return byte(kNextTarget); }
  void setNextTarget(std::uint8_t v) { setByte(kNextTarget, v); }
  std::uint8_t dateStamp() const { return byte(kDateStamp); }
  void setDateStamp(std::uint8_t v) { setByte(kDateStamp, v); }
  std::uint8_t timeStamp() const { return byte(kTimeStamp); }
  void setTimeStamp(std::uint8_t v) { setByte(kTimeStamp, v); }
  std::uint8_t recordAction() const { return byte(kRecordAction); }
  void setRecordAction(std::uint8_t v) { setByte(kRecordAction, v); }
  std::uint8_t lookupFile() const { return byte(kLookupFile); }
  void setLookupFile(std::uint8_t v) { setByte(kLookupFile, v); }
  std::uint8_t inputLineCount() const { return byte(kInputLineCount); }
  void setInputLineCount(std::uint8_t v) { setByte(kInputLineCount, v); }
  std::uint8_t currentLine() const { return byte(kCurrentLine); }
  void setCurrentLine(std::uint8_t v) { setByte(kCurrentLine, v); }

  // Per-line bytes, line 0..7.
  std::uint8_t lookupBinding(std::size_t line) const { return byte(kLookupBinding + line); }
  void setLookupBinding(std::size_t line, std::uint8_t v) { setByte(kLookupBinding + line, v); }
  DataType dataType(std::size_t line) const { return static_cast<DataType>(byte(kDataType + line)); }
  std::uint8_t dataTypeByte(std::size_t line) const { return byte(kDataType + line); }
  void setDataType(std::size_t line, DataType v) {
    setByte(kDataType + line, static_cast<std::uint8_t>(v));
  }
  std::uint8_t dataSource(std::size_t line) const { return byte(kDataSource + line); }
  void setDataSource(std::size_t line, std::uint8_t v) { setByte(kDataSource + line, v); }
  std::uint8_t minLength(std::size_t line) const { return byte(kMinLength + line); }
  void setMinLength(std::size_t line, std::uint8_t v) { setByte(kMinLength + line, v); }
  std::uint8_t maxLength(std::size_t line) const { return byte(kMaxLengthField + line); }
  void setMaxLength(std::size_t line, std::uint8_t v) { setByte(kMaxLengthField + line, v); }
  bool fixedLengthOn(std::size_t line) const { return byte(kFixedLengthOn + line) != 0; }
  void setFixedLengthOn(std::size_t line, bool on) { setByte(kFixedLengthOn + line, on); }
  std::uint8_t alignment(std::size_t line) const { return byte(kAlignment + line); }
  void setAlignment(std::size_t line, std::uint8_t v) { setByte(kAlignment + line, v); }
  std::uint8_t fixedLength(std::size_t line) const { return byte(kFixedLength + line); }
  void setFixedLength(std::size_t line, std::uint8_t v) { setByte(kFixedLength + line, v); }
  // For a lookup line (data type 7) this byte is the "save field data" option.
  bool initialOn(std::size_t line) const { return byte(kInitialOn + line) != 0; }
  void setInitialOn(std::size_t line, bool on) { setByte(kInitialOn + line, on); }
  bool prefixOn(std::size_t line) const { return byte(kPrefixOn + line) != 0; }
  void setPrefixOn(std::size_t line, bool on) { setByte(kPrefixOn + line, on); }
  bool suffixOn(std::size_t line) const { return byte(kSuffixOn + line) != 0; }
  void setSuffixOn(std::size_t line, bool on) { setByte(kSuffixOn + line, on); }
  bool partialOn(std::size_t line) const { return byte(kPartialOn + line) != 0; }
  void setPartialOn(std::size_t line, bool on) { setByte(kPartialOn + line, on); }
  std::uint8_t partialStart(std::size_t line) const { return byte(kPartialStart + line); }
  void setPartialStart(std::size_t line, std::uint8_t v) { setByte(kPartialStart + line, v); }
  std::uint8_t partialMaxLength(std::size_t line) const { return byte(kPartialMaxLength + line); }
  void setPartialMaxLength(std::size_t line, std::uint8_t v) {
    setByte(kPartialMaxLength + line, v);
  }
  bool checkPrefixOn(std::size_t line) const { return byte(kCheckPrefixOn + line) != 0; }
  void setCheckPrefixOn(std::size_t line, bool on) { setByte(kCheckPrefixOn + line, on); }
  std::uint8_t autoWrap(std::size_t line) const { return byte(kAutoWrap + line); }
  void setAutoWrap(std::size_t line, std::uint8_t v) { setByte(kAutoWrap + line, v); }

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
  std::string initialValue(std::size_t line) const {
    return text(kInitialValue + kValueSlot * line, kValueSlot);
  }
  std::size_t setInitialValue(std::size_t line, std::string_view gb) {
    return setText(kInitialValue + kValueSlot * line, kValueSlot, gb, 9);
  }
  std::string prefix(std::size_t line) const { return text(kPrefix + kValueSlot * line, kValueSlot); }
  std::size_t setPrefix(std::size_t line, std::string_view gb) {
    return setText(kPrefix + kValueSlot * line, kValueSlot, gb, 9);
  }
  std::string suffix(std::size_t line) const { return text(kSuffix + kValueSlot * line, kValueSlot); }
  std::size_t setSuffix(std::size_t line, std::string_view gb) {
    return setText(kSuffix + kValueSlot * line, kValueSlot, gb, 9);
  }
  // Six bytes with no terminator when all six are used.
  std::string checkPrefix(std::size_t line) const {
    return text(kCheckPrefix + kCheckPrefixSlot * line, kCheckPrefixSlot);
  }
  std::size_t setCheckPrefix(std::size_t line, std::string_view gb) {
    return setText(kCheckPrefix + kCheckPrefixSlot * line, kCheckPrefixSlot, gb, kCheckPrefixSlot);
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
