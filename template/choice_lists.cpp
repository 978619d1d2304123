// The choice texts, in the order of the stored values.
#include "template/choice_lists.h"

#include <array>

#include "template/com_settings.h"
#include "template/targets.h"

namespace k60::choices {
namespace {

using namespace std::string_view_literals;

constexpr std::string_view kFontTexts[] = {"小字体", "大字体"};
constexpr std::string_view kDataTypeTexts[] = {"空",   "文本", "整数",       "实数",   "字符", "固定数据",
                                               "提示", "索引", "延续上一行", "布尔数", "计数器"};
constexpr std::string_view kDateStampTexts[] = {
    "空",          "+yyyy/mm/dd", "+mm/dd/yyyy", "+dd/mm/yyyy", "+yyyymmdd", "+mmddyyyy", "+ddmmyyyy",
    "yyyy/mm/dd+", "mm/dd/yyyy+", "dd/mm/yyyy+", "yyyymmdd+",   "mmddyyyy+", "ddmmyyyy+"};
constexpr std::string_view kTimeStampTexts[] = {"空",        "+hh:mm:ss", "+hh:mm",  "+hhmmss", "+hhmm",
                                                "hh:mm:ss+", "hh:mm+",    "hhmmss+", "hhmm+"};
constexpr std::string_view kRecordActionTexts[] = {"保存",   "更新索引", "保存 & 更新",
                                                   "传递",   "输出记录", "输出屏幕"};
constexpr std::string_view kLookupFileTexts[] = {"空", "第一个索引文件", "第二个索引文件", "第三个索引文件"};
constexpr std::string_view kDataSourceTexts[] = {"读头", "键盘", "两者均可"};
constexpr std::string_view kAlignmentTexts[] = {"左对齐 (填充空格)", "右对齐 (填充空格)", "左对齐 (填充 0)",
                                                "右对齐 (填充 0)"};
constexpr std::string_view kAutoWrapTexts[] = {"无", "扫描+换行", "换行+扫描"};

constexpr std::string_view kNoMatchActionTexts[] = {"继续", "显示警告信息", "插入到索引文件",
                                                    "显示警告信息 & 插入"};
constexpr std::string_view kLookupSeparatorKindTexts[] = {"固定长度", "间隔符"};

constexpr std::string_view kUploadPortTexts[] = {"RS-232 / 台座", "IR 收发器", "标准 IrDA", "键盘接口"};
constexpr std::string_view kDownloadPortTexts[] = {"RS-232 / 台座", "IR 收发器", "标准 IrDA"};
constexpr std::string_view kRateTexts[] = {"115200 bps", "57600 bps", "38400 bps", "19200 bps", "9600 bps"};
constexpr std::string_view kBacklightTexts[] = {"关闭", "打开"};
constexpr std::string_view kDataEraseTexts[] = {"手工", "自动"};
constexpr std::string_view kRecordPromptTexts[] = {"是", "否"};
constexpr std::string_view kSecurityCheckTexts[] = {
    "系统设置", "编辑数据",     "删除数据",     "设置日期&时间", "下载程序", "下载索引",
    "设置上传端口", "设置下载端口", "传输速率", "LCD 背光",      "数据删除", "记录提示"};

constexpr std::string_view kKeyboardTypeTexts[] = {
    "PCAT (US)",          "PCAT (FR)",           "PCAT (GR)",          "PCAT (IT)",
    "PCAT (SV)",          "PCAT (NO)",           "PCAT (UK)",          "PCAT (BE)",
    "PCAT (SP)",          "PCAT (PO)",           "PS55 A01-1",         "PS55 A01-2",
    "PS55 A01-3",         "PS55 001-1",          "PS55 001-81",        "PS55 001-2",
    "PS55 001-82",        "PS55 001-3",          "PS55 001-8A",        "PS55 002-1, 003-1",
    "PS55 002-81, 003-81", "PS55 002-2, 003-2",  "PS55 002-82, 003-82", "PS55 002-3, 003-3",
    "PS55 002-8A, 003-8A", "IBM 3477 TYPE 4",    "PS2-30",             "Memorex Telex 122 Keys"};
constexpr std::string_view kShiftLockTypeTexts[] = {"正常", "Capital-lock 键盘", "Shift-lock 键盘"};
constexpr std::string_view kDigitLayoutTexts[] = {"正常", "较低位置", "较高位置"};
constexpr std::string_view kCapsLockTexts[] = {"自动检测", "总是锁存", "忽略"};

constexpr std::string_view kScanModeTexts[] = {"Auto Off",  "Continuous", "Auto Power Off",
                                               "Alternate", "Momentary",  "Repeat",
                                               "Laser",     "Test",       "Aiming"};
constexpr std::string_view kReadRedundancyTexts[] = {"无", "一次", "两次", "三次"};
constexpr std::string_view kStartStopPatternTexts[] = {"Industrial 25", "Interleave 25", "Matrix 25"};
constexpr std::string_view kCodabarStartStopTexts[] = {"无", "abcd / abcd", "abcd / tn*e", "ABCD / ABCD",
                                                       "ABCD / TN*E"};
constexpr std::string_view kMsiCheckVerifyTexts[] = {"单模 10", "双模 10", "模 11 & 10"};
constexpr std::string_view kMsiCheckSendTexts[] = {"最后1位不传", "传输", "最后2位不传"};
constexpr std::string_view kTelepenFormatTexts[] = {"AIM Telepen", "初始 Telepen"};
constexpr std::string_view kLengthModeTexts[] = {"固定长度", "最大/最小长度"};

constexpr std::string_view kStartPositionTexts[] = {"窗体 1", "菜单 1"};
constexpr std::string_view kSeparatorModeTexts[] = {"空", " 1 ", " 2 "};

}  // namespace

const List kFonts = kFontTexts;
const List kDataTypes = kDataTypeTexts;
const List kDateStamps = kDateStampTexts;
const List kTimeStamps = kTimeStampTexts;
const List kRecordActions = kRecordActionTexts;
const List kLookupFiles = kLookupFileTexts;
const List kDataSources = kDataSourceTexts;
const List kAlignments = kAlignmentTexts;
const List kAutoWraps = kAutoWrapTexts;
const List kNoMatchActions = kNoMatchActionTexts;
const List kLookupSeparatorKinds = kLookupSeparatorKindTexts;
const List kUploadPorts = kUploadPortTexts;
const List kDownloadPorts = kDownloadPortTexts;
const List kRates = kRateTexts;
const List kBacklight = kBacklightTexts;
const List kDataErase = kDataEraseTexts;
const List kRecordPrompt = kRecordPromptTexts;
const List kSecurityChecks = kSecurityCheckTexts;
const List kKeyboardTypes = kKeyboardTypeTexts;
const List kShiftLockTypes = kShiftLockTypeTexts;
const List kDigitLayouts = kDigitLayoutTexts;
const List kCapsLock = kCapsLockTexts;
const List kScanModes = kScanModeTexts;
const List kReadRedundancy = kReadRedundancyTexts;
const List kStartStopPatterns = kStartStopPatternTexts;
const List kCodabarStartStop = kCodabarStartStopTexts;
const List kMsiCheckVerify = kMsiCheckVerifyTexts;
const List kMsiCheckSend = kMsiCheckSendTexts;
const List kTelepenFormats = kTelepenFormatTexts;
const List kLengthModes = kLengthModeTexts;
const List kStartPositions = kStartPositionTexts;
const List kSeparatorModes = kSeparatorModeTexts;
const List kComPorts = kComPortNames;

std::string labelOf(List list, std::uint8_t index) {
  if (index < list.size()) return std::string(list[index]);
  return std::to_string(index);
}

std::string targetLabel(std::uint8_t target) {
  if (target == kMainMenuTarget) return "主菜单";
  if (isFormTarget(target)) return "窗体  " + std::to_string(formIndex(target) + 1);
  if (isMenuTarget(target)) return "菜单  " + std::to_string(menuIndex(target) + 1);
  return std::to_string(target);
}

std::string lookupBindingLabel(std::uint8_t binding) {
  if (binding == 0) return "空";
  if (binding <= 8) return "字段 " + std::to_string(binding);
  if (binding <= 16) return "-字段 " + std::to_string(binding - 8);
  if (binding <= 24) return "+字段 " + std::to_string(binding - 16);
  return std::to_string(binding);
}

}  // namespace k60::choices
