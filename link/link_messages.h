// The link's fixed texts (UTF-8), each as the system shows or sends it.
#pragma once

#include <string_view>

#include "template/error_caption.h"

namespace k60::link::text {

// Captions.
using k60::kErrorCaption;
inline constexpr std::string_view kDownloadCaption = "下载";
inline constexpr std::string_view kUploadCaption = "上传数据";

// Opening the port for a download (program or lookup file).
inline constexpr std::string_view kDownloadPortOpenFailed = "不能打开COM端口";
inline constexpr std::string_view kDownloadIrSetupFailed = "设置IR设备出错!";
inline constexpr std::string_view kDownloadLineSettingsFailed = "设置通讯状态出错";

// Opening the port for data collection.
inline constexpr std::string_view kCollectPortOpenFailed = "打开COM端口失败";
inline constexpr std::string_view kCollectIrSetupFailed = "不能设置IR设备!";

// COM port settings of a damaged template: refused before the port is opened.
inline constexpr std::string_view kInvalidComPort = "COM端口设置无效，请重新设置COM口!";
inline constexpr std::string_view kInvalidBaudRate = "波特率设置无效，请重新设置COM口!";

// The download exchange.
inline constexpr std::string_view kTerminalNotReady = "终端没有准备好!";
inline constexpr std::string_view kTerminalMemoryFull = "终端内存已满!";
inline constexpr std::string_view kDownloadError = "下载出错!";
inline constexpr std::string_view kRetryQuestion = "下载失败，要重试吗?";
inline constexpr std::string_view kDownloadDone = "下载完毕!";

// The lookup file.
inline constexpr std::string_view kCannotOpenFile = "不能打开文件!";
// A line too long for one block (more than 253 bytes); %d is the line number, from 1.
inline constexpr std::string_view kLookupLineTooLongFormat = "索引文件第%d行超过253字节，不能下载!";
// A file in UTF-8 whose line %d is not GB2312 text: refused, or (the Windows program) a
// question whether to convert it for the transfer.
inline constexpr std::string_view kLookupUtf8LineFormat = "索引文件第%d行是UTF-8文本，不是GB2312，不能下载!";
inline constexpr std::string_view kLookupConvertQuestionFormat =
    "索引文件是UTF-8文本(第%d行不是GB2312)。\n要转换成GB2312再下载吗?";
// Line %d has a character without a GB2312 form (or is not UTF-8): nothing is sent.
inline constexpr std::string_view kLookupNoGbFormFormat = "索引文件第%d行有不能转换成GB2312的字符，不能下载!";
// A lookup file built from CSV (%d: how many texts were cut to their field's length), and a
// lookup file that matches its lookup's layout (%d: the lookup, 1..3).
inline constexpr std::string_view kLookupFileBuilt = "索引文件已生成!";
inline constexpr std::string_view kLookupTextsCutFormat = "有%d个字段被截断。";
inline constexpr std::string_view kLookupFileMatchesFormat = "索引文件符合第%d个索引的格式。";

// Data collection.
inline constexpr std::string_view kCannotCreateFile = "打开/创建文件失败!";
inline constexpr std::string_view kTimeOut = "超时!";
inline constexpr std::string_view kConnectFailed = "建立连接失败!";
inline constexpr std::string_view kNoDataReceived = "没有接收到数据!";
// Ten lines in a row could not be taken: the terminal has fallen out of step. Its records
// stay on the terminal, and the chosen file as it was.
inline constexpr std::string_view kCollectOutOfStep = "接收数据失败! 数据仍在终端中，请重新收集。";
// Esc (Ctrl+C in k60tool) stopped a transfer.
inline constexpr std::string_view kTransferCancelled = "传输已取消!";
// The collected data could not be written to the disk (the chosen file stays as it was).
inline constexpr std::string_view kCannotWriteFile = "写入文件失败!";
// printf format with the number of records.
inline constexpr std::string_view kViewReceivedDataFormat =
    "Done : %d records received.\nView the received data?";

// Protocol words (ASCII).
inline constexpr std::string_view kHandshake = "QUIBEL\r";
inline constexpr std::string_view kAck = "ACK";
inline constexpr std::string_view kFull = "FULL";
inline constexpr std::string_view kOver = "OVER\r";
inline constexpr std::string_view kRead = "READ\r";
inline constexpr std::string_view kAckLine = "ACK\r";
inline constexpr std::string_view kNakLine = "NAK\r";

}  // namespace k60::link::text
