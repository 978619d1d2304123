// Resource and command ids shared by the C++ code and k60gen.rc (plain #defines: windres reads this too).
#pragma once

// Commands of the right-click menu, the accelerators and the few ids only posted by code.
#define IDM_NEW                     1010
#define IDM_OPEN                    1020
#define IDM_SAVE                    1030
#define IDM_SAVE_AS                 1040
#define IDM_EXIT                    1090
#define IDM_EDIT                    2000
#define IDM_COM_SETTINGS            2100
#define IDM_DOWNLOAD_PROGRAM_SERIAL 3020
#define IDM_DOWNLOAD_PROGRAM_IR     3021
#define IDM_COLLECT_SERIAL          3030
#define IDM_COLLECT_IR              3031
#define IDM_COLLECT_TRANSPORT_2     3032
#define IDM_DOWNLOAD_LOOKUP_SERIAL  3040
#define IDM_DOWNLOAD_LOOKUP_IR      3041
#define IDM_HELP_CONTENTS           9010
#define IDM_HELP_FINDER             9020
#define IDM_ABOUT                   9030

// The terminal-face child of the main window.
#define IDC_FACE_WINDOW             101

// File dialog filter: display names, then their patterns 100 ids higher.
#define IDS_FILTER_ATX_NAME         10000
#define IDS_FILTER_ALL_NAME         10001
#define IDS_FILTER_ATX_PATTERN      10100
#define IDS_FILTER_ALL_PATTERN      10101

// Descriptions of the keypad's keys: the string of key k (1..20) is IDS_KEY_DESCRIPTION_BASE + k.
#define IDS_KEY_DESCRIPTION_BASE    11010

// COM port settings dialog ComSettingDlg: the port and the bit rate lists.
#define IDC_COM_PORT                701
#define IDC_COM_BAUD_RATE           702

// CsvLookupDlg: which lookup's layout builds a lookup file from a CSV file, that layout in
// words, and whether the first row is a header.
#define IDC_CSV_HEADER              111
#define IDC_CSV_LAYOUT              511
#define IDC_CSV_LOOKUP              711

// The progress dialog ProgressDlg: its text line.
#define IDC_PROGRESS_TEXT           1001
