// The texts of every choice the template stores as a list position, in the system's words
// (UTF-8; the Windows front end converts them to UTF-16). Shared by the editor and k60tool.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace k60::choices {

using List = std::span<const std::string_view>;

// "主菜单", "窗体  n" (1..10) or "菜单  n" (11..20); a number above 20 reads as a number.
std::string targetLabel(std::uint8_t target);
// "空", "字段 n", "-字段 n", "+字段 n".
std::string lookupBindingLabel(std::uint8_t binding);
// None, then fields 1..8 plain, with "-" and with "+".
inline constexpr int kLookupBindingCount = 25;
// The list's text at `index`, or the number itself when a damaged file holds more.
std::string labelOf(List list, std::uint8_t index);

extern const List kFonts;
extern const List kDataTypes;
extern const List kDateStamps;
extern const List kTimeStamps;
extern const List kRecordActions;
extern const List kLookupFiles;
extern const List kDataSources;
extern const List kAlignments;
extern const List kAutoWraps;

extern const List kNoMatchActions;
extern const List kLookupSeparatorKinds;  // fixed length, separator

extern const List kUploadPorts;
extern const List kDownloadPorts;
extern const List kRates;
extern const List kBacklight;
extern const List kDataErase;
extern const List kRecordPrompt;
extern const List kSecurityChecks;

extern const List kKeyboardTypes;
extern const List kShiftLockTypes;
extern const List kDigitLayouts;
extern const List kCapsLock;  // in CapsLock order: detect, always, ignore

extern const List kScanModes;
extern const List kReadRedundancy;
extern const List kStartStopPatterns;
extern const List kCodabarStartStop;  // "无", then the four formats
extern const List kMsiCheckVerify;
extern const List kMsiCheckSend;
extern const List kTelepenFormats;  // bit clear = AIM, set = plain
extern const List kLengthModes;

extern const List kStartPositions;
extern const List kSeparatorModes;

extern const List kComPorts;  // kComPortNames; the rates are kComRates (template/com_settings.h)

}  // namespace k60::choices
