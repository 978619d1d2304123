// Layout of the prompt pages and their default texts (GB2312 bytes; the comments show them).
#include "template/prompt_pages.h"

#include "template/layout.h"

namespace k60 {

using P = PromptPageId;

const std::array<PromptPageInfo, kPromptPageCount> kPromptPages = {{
    {P::Welcome, 0, 4, kLargeLineSlot, "welcome"},
    {P::MainMenu, 64, 4, kLargeLineSlot, "mainMenu"},
    {P::UtilityMenu, 128, 8, kSmallLineSlot, "utilityMenu"},
    {P::DeleteMenu, 296, 4, kLargeLineSlot, "deleteMenu"},
    {P::Confirm, 360, 4, kLargeLineSlot, "confirm"},
    {P::MemoryBattery, 424, 4, kLargeLineSlot, "memoryBattery"},
    {P::LookupDownload, 488, 4, kLargeLineSlot, "lookupDownload"},
    {P::SettingsMenu, 552, 8, kSmallLineSlot, "settingsMenu"},
    {P::UploadMenu, 720, 8, kSmallLineSlot, "uploadMenu"},
    {P::DownloadMenu, 888, 8, kSmallLineSlot, "downloadMenu"},
    {P::BaudRateMenu, 1056, 5, kSmallLineSlot, "baudRateMenu"},
    {P::Backlight, 1161, 4, kSmallLineSlot, "backlight"},
    {P::DataErase, 1245, 4, kSmallLineSlot, "dataErase"},
    {P::RecordPrompt, 1329, 4, kSmallLineSlot, "recordPrompt"},
    {P::ViewSettings, 1413, 8, kSmallLineSlot, "viewSettings"},
    {P::Connecting, 1581, 4, kLargeLineSlot, "connecting"},
    {P::ErrorMessages, 1645, 5, kSmallLineSlot, "errorMessages"},
    {P::OtherMessages, 1750, 7, kLargeLineSlot, "otherMessages"},
}};

static_assert(1750 + 7 * kLargeLineSlot == kPromptBytes);

const std::array<std::array<std::string_view, kMaxPromptLines>, kPromptPageCount>
    kDefaultPromptTexts = {{
        {{
            "      ORVO     ",  // "      ORVO     "
            "    \xD3\xA6\xD3\xC3\xB3\xCC\xD0\xF2   ",  // "    应用程序   "
            "     \xB2\xFA\xC9\xFA\xC6\xF7    ",  // "     产生器    "
            "   \xB0\xE6\xB1\xBE  4.10  ",  // "   版本  4.10  "
        }},
        {{
            "1.\xCA\xD5\xBC\xAF\xCA\xFD\xBE\xDD     ",  // "1.收集数据     "
            "2.\xC9\xCF\xB4\xAB\xCA\xFD\xBE\xDD     ",  // "2.上传数据     "
            "3.\xCF\xB5\xCD\xB3\xB9\xA4\xBE\xDF     ",  // "3.系统工具     "
            "               ",  // "               "
        }},
        {{
            "1.\xCF\xB5\xCD\xB3\xC9\xE8\xD6\xC3     ",  // "1.系统设置     "
            "2.\xE4\xAF\xC0\xC0\xCA\xFD\xBE\xDD     ",  // "2.浏览数据     "
            "3.\xC9\xBE\xB3\xFD\xCA\xFD\xBE\xDD     ",  // "3.删除数据     "
            "4.\xB6\xC1\xC8\xA1\xB2\xE2\xCA\xD4     ",  // "4.读取测试     "
            "5.\xC9\xE8\xD6\xC3\xC8\xD5\xCA\xB1     ",  // "5.设置日时     "
            "6.\xCF\xC2\xD4\xD8\xB3\xCC\xD0\xF2     ",  // "6.下载程序     "
            "7.\xC4\xDA\xB4\xE6&\xB5\xE7\xB3\xD8    ",  // "7.内存&电池    "
            "8.\xCF\xC2\xD4\xD8\xCB\xF7\xD2\xFD\xCE\xC4\xBC\xFE ",  // "8.下载索引文件 "
        }},
        {{
            "\xC9\xBE\xB3\xFD\xCA\xFD\xBE\xDD:      ",  // "删除数据:      "
            "1. \xCB\xF9\xD3\xD0\xCA\xFD\xBE\xDD    ",  // "1. 所有数据    "
            "2. \xD7\xEE\xBA\xF3\xD2\xBB\xB1\xCA    ",  // "2. 最后一笔    "
            "3. \xC8\xA1\xCF\xFB        ",  // "3. 取消        "
        }},
        {{
            "\xC8\xB7\xB6\xA8\xC2\xF0?        ",  // "确定吗?        "
            "1. \xCA\xC7          ",  // "1. 是          "
            "2. \xB7\xF1          ",  // "2. 否          "
            "               ",  // "               "
        }},
        {{
            "\xBF\xC9\xD3\xC3RAM:       ",  // "可用RAM:       "
            "\xB5\xE7\xB3\xD8\xB5\xE7\xD1\xB9       ",  // "电池电压       "
            "\xD6\xF7\xB5\xE7\xB3\xD8  :      ",  // "主电池  :      "
            "\xB1\xB8\xD3\xC3\xB5\xE7\xB3\xD8:      ",  // "备用电池:      "
        }},
        {{
            "\xCF\xC2\xD4\xD8:          ",  // "下载:          "
            "\xB5\xDA\xD2\xBB\xB8\xF6\xCB\xF7\xD2\xFD\xCE\xC4\xBC\xFE ",  // "第一个索引文件 "
            "\xB5\xDA\xB6\xFE\xB8\xF6\xCB\xF7\xD2\xFD\xCE\xC4\xBC\xFE ",  // "第二个索引文件 "
            "\xB5\xDA\xC8\xFD\xB8\xF6\xCB\xF7\xD2\xFD\xCE\xC4\xBC\xFE ",  // "第三个索引文件 "
        }},
        {{
            "  [ \xCF\xB5\xCD\xB3\xC9\xE8\xD6\xC3 ]  ",  // "  [ 系统设置 ]  "
            "1.\xC9\xE8\xD6\xC3\xC9\xCF\xB4\xAB\xB6\xCB\xBF\xDA  ",  // "1.设置上传端口  "
            "2.\xC9\xE8\xD6\xC3\xCF\xC2\xD4\xD8\xB6\xCB\xBF\xDA  ",  // "2.设置下载端口  "
            "3.\xB4\xAB\xCA\xE4\xCB\xD9\xC2\xCA     ",  // "3.传输速率     "
            "4.LCD \xB1\xB3\xB9\xE2      ",  // "4.LCD 背光      "
            "5.\xCA\xFD\xBE\xDD\xC9\xBE\xB3\xFD      ",  // "5.数据删除      "
            "6.\xBC\xC7\xC2\xBC\xCC\xE1\xCA\xBE      ",  // "6.记录提示      "
            "7.\xB2\xE9\xBF\xB4\xCF\xB5\xCD\xB3\xC9\xE8\xD6\xC3 ",  // "7.查看系统设置 "
        }},
        {{
            "\xC9\xCF\xB4\xAB\xCA\xFD\xBE\xDD\xCD\xA8\xB9\xFD:   ",  // "上传数据通过:   "
            "1. RS-232/\xCC\xA8\xD7\xF9  ",  // "1. RS-232/台座  "
            "2. IR \xCA\xD5\xB7\xA2\xC6\xF7    ",  // "2. IR 收发器    "
            "3. \xB1\xEA\xD7\xBC IrDA   ",  // "3. 标准 IrDA   "
            "4. \xBC\xFC\xC5\xCC\xBD\xD3\xBF\xDA     ",  // "4. 键盘接口     "
            "                ",  // "                "
            "[ Enter ]\xBC\xFC\xD1\xA1\xD4\xF1 ",  // "[ Enter ]键选择 "
            "[ ESC ]  \xBC\xFC\xC8\xA1\xCF\xFB",  // "[ ESC ]  键取消"
        }},
        {{
            "\xCF\xC2\xD4\xD8\xD0\xC2\xB3\xCC\xD0\xF2     ",  // "下载新程序     "
            "\xBB\xF2\xCB\xF7\xD2\xFD\xCE\xC4\xBC\xFE\xCD\xA8\xB9\xFD:",  // "或索引文件通过:"
            "1. RS-232/\xCC\xA8\xD7\xF9 ",  // "1. RS-232/台座 "
            "2. IR \xCA\xD5\xB7\xA2\xC6\xF7   ",  // "2. IR 收发器   "
            "3. \xB1\xEA\xD7\xBC IrDA   ",  // "3. 标准 IrDA   "
            "               ",  // "               "
            "[ Enter ]\xBC\xFC\xD1\xA1\xD4\xF1",  // "[ Enter ]键选择"
            "[ ESC ]  \xBC\xFC\xC8\xA1\xCF\xFB",  // "[ ESC ]  键取消"
        }},
        {{
            " 1. 115200 bps      ",  // " 1. 115200 bps      "
            " 2. 57600  bps      ",  // " 2. 57600  bps      "
            " 3. 38400  bps      ",  // " 3. 38400  bps      "
            " 4. 19200  bps      ",  // " 4. 19200  bps      "
            " 5. 9600   bps      ",  // " 5. 9600   bps      "
        }},
        {{
            "\xB9\xD8\xB1\xD5\xB1\xB3\xB9\xE2        ",  // "关闭背光        "
            "\xB4\xF2\xBF\xAA\xB1\xB3\xB9\xE2       ",  // "打开背光       "
            "\xB9\xD8\xB1\xD5\xB1\xB3\xB9\xE2\xC8\xE7\xB9\xFB    ",  // "关闭背光如果    "
            "\xBF\xD5\xCF\xD0 _0 \xC3\xEB     ",  // "空闲 _0 秒     "
        }},
        {{
            "\xD4\xDA\xC9\xCF\xB4\xAB\xBA\xF3\xB2\xC1\xB3\xFD    ",  // "在上传后擦除    "
            "\xCA\xFD\xBE\xDD:           ",  // "数据:           "
            "1. \xCA\xD6\xB9\xA4         ",  // "1. 手工         "
            "2. \xD7\xD4\xB6\xAF        ",  // "2. 自动        "
        }},
        {{
            " \xB4\xF2\xBF\xAA\xCC\xE1\xCA\xBE       ",  // " 打开提示       "
            " \xB9\xD8\xB1\xD5\xCC\xE1\xCA\xBE      ",  // " 关闭提示      "
            " \xCC\xE1\xCA\xBE\xD4\xDA\xC6\xC1\xC4\xBB\xC9\xCF   ",  // " 提示在屏幕上   "
            " \xCF\xD4\xCA\xBE :   00ms ",  // " 显示 :   00ms "
        }},
        {{
            "  [ \xCF\xB5\xCD\xB3\xC9\xE8\xD6\xC3 ] ",  // "  [ 系统设置 ] "
            "\xC9\xCF\xB4\xAB:          ",  // "上传:          "
            "\xCF\xC2\xD4\xD8:          ",  // "下载:          "
            "\xB2\xA8\xCC\xD8\xC2\xCA:        ",  // "波特率:        "
            "LCD \xB1\xB3\xB9\xE2:      ",  // "LCD 背光:      "
            "\xB3\xD6\xD0\xF8\xCA\xB1\xBC\xE4:      ",  // "持续时间:      "
            "\xB2\xC1\xB3\xFD\xCA\xFD\xBE\xDD:      ",  // "擦除数据:      "
            "\xCC\xE1\xCA\xBE\xBC\xC7\xC2\xBC:      ",  // "提示记录:      "
        }},
        {{
            "\xD5\xFD\xD4\xDA\xC1\xAC\xBD\xD3...   ",  // "正在连接...   "
            "              ",  // "              "
            "\xB0\xB4 ESC \xBC\xFC     ",  // "按 ESC 键     "
            "\xC8\xA1\xCF\xFB          ",  // "取消          "
        }},
        {{
            "\xCA\xFD\xBE\xDD\xC0\xE0\xD0\xCD\xB4\xED\xCE\xF3!   ",  // "数据类型错误!   "
            "\xCA\xFD\xBE\xDD\xB9\xFD\xB6\xCC!       ",  // "数据过短!       "
            "\xCA\xFD\xBE\xDD\xB9\xFD\xB3\xA4!       ",  // "数据过长!       "
            "\xD2\xFD\xB5\xBC\xC2\xEB\xB4\xED\xCE\xF3!     ",  // "引导码错误!     "
            "\xB0\xB4\xC8\xCE\xD2\xE2\xBC\xFC...     ",  // "按任意键...     "
        }},
        {{
            "\xD5\xFD\xD4\xDA\xCF\xC2\xD4\xD8...   ",  // "正在下载...   "
            "\xCF\xC2\xD4\xD8\xCD\xEA\xB1\xCF!     ",  // "下载完毕!     "
            "\xCF\xC2\xD4\xD8\xCA\xA7\xB0\xDC      ",  // "下载失败      "
            "\xC7\xEB\xC9\xD4\xB5\xC8...     ",  // "请稍等...     "
            "\xB7\xA2\xCB\xCD\xCA\xFD\xBE\xDD...   ",  // "发送数据...   "
            "\xD2\xD1\xB4\xAB\xCB\xCD:       ",  // "已传送:       "
            "\xCD\xEA\xB3\xC9          ",  // "完成          "
        }},
    }};

const std::array<std::string_view, 4> kOldFileRecordPromptTexts = {
    " \xB4\xF2\xBF\xAA\xCC\xE1\xCA\xBE      ",  // " 打开提示      "
    " \xB9\xD8\xB1\xD5\xCC\xE1\xCA\xBE      ",  // " 关闭提示      "
    " \xCC\xE1\xCA\xBE\xD4\xDA\xC6\xC1\xC4\xBB\xC9\xCF  ",  // " 提示在屏幕上  "
    " \xCF\xD4\xCA\xBE :   00ms ",  // " 显示 :   00ms "
};

}  // namespace k60
