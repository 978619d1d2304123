// Control ids of the template editor's pages and dialogs (plain #defines: windres reads this
// too). Every dialog follows one scheme: 101.. check boxes, 201.. buttons, 401.. radios,
// 501.. labels the program changes, 601.. edit boxes, 700.. drop-down lists.
#pragma once

// Settings page SETTINGSDLG. Check boxes 101..112 protect the functions of system settings
// bytes 8..19, in that order.
#define IDC_SECURITY_SETTINGS_MENU  101
#define IDC_SECURITY_EDIT_DATA      102
#define IDC_SECURITY_DELETE_DATA    103
#define IDC_SECURITY_DATE_TIME      104
#define IDC_SECURITY_DOWNLOAD_PROG  105
#define IDC_SECURITY_DOWNLOAD_LOOK  106
#define IDC_SECURITY_UPLOAD_PORT    107
#define IDC_SECURITY_DOWNLOAD_PORT  108
#define IDC_SECURITY_RATE           109
#define IDC_SECURITY_BACKLIGHT      110
#define IDC_SECURITY_DATA_ERASE     111
#define IDC_SECURITY_RECORD_PROMPT  112
#define IDC_KEYBOARD_WEDGE          201
#define IDC_PASSWORD                601
#define IDC_UPLOAD_PORT             701
#define IDC_DOWNLOAD_PORT           702
#define IDC_RATE                    703
#define IDC_BACKLIGHT               704
#define IDC_DATA_ERASE              705
#define IDC_RECORD_PROMPT           706

// Keyboard wedge dialog KeyboardWedgeDlg. Each radio group is consecutive, in value order.
#define IDC_WEDGE_NUMERIC_KEYPAD    101
#define IDC_WEDGE_CRLF              102
#define IDC_DIGIT_LAYOUT_NORMAL     401
#define IDC_DIGIT_LAYOUT_LOWER      402
#define IDC_DIGIT_LAYOUT_UPPER      403
#define IDC_SHIFT_LOCK_NORMAL       404
#define IDC_SHIFT_LOCK_CAPITAL      405
#define IDC_SHIFT_LOCK_SHIFT        406
#define IDC_CAPS_LOCK_DETECT        407
#define IDC_CAPS_LOCK_ALWAYS        408
#define IDC_CAPS_LOCK_IGNORE        409
#define IDC_WEDGE_DELAY             601
#define IDC_WEDGE_TIMEOUT           602
#define IDC_WEDGE_KEYBOARD          701

// Form page FORMDLG and its line property dialogs AdvanceDlg, LookupAdvanceDlg.

// Menu page MENUDLG.

// Lookup page LOOKUPDLG.

// Barcode page BARCODESETTINGDLG and its symbology dialogs.
// Page check boxes 101..123 enable one symbology each (112 is not used); button 1nn+100
// opens the options of symbology 1nn.
#define IDC_BARCODE_CODE39              101
#define IDC_BARCODE_ITALIAN_PHARMACODE  102
#define IDC_BARCODE_FRENCH_PHARMACODE   103
#define IDC_BARCODE_INDUSTRIAL25        104
#define IDC_BARCODE_INTERLEAVE25        105
#define IDC_BARCODE_MATRIX25            106
#define IDC_BARCODE_CODABAR             107
#define IDC_BARCODE_MSI                 108
#define IDC_BARCODE_PLESSEY             109
#define IDC_BARCODE_CODE93              110
#define IDC_BARCODE_CODE128             111
#define IDC_BARCODE_UPCE                113
#define IDC_BARCODE_UPCE_ADDON2         114
#define IDC_BARCODE_UPCE_ADDON5         115
#define IDC_BARCODE_EAN8                116
#define IDC_BARCODE_EAN8_ADDON2         117
#define IDC_BARCODE_EAN8_ADDON5         118
#define IDC_BARCODE_EAN13_UPCA          119
#define IDC_BARCODE_EAN13_ADDON2        120
#define IDC_BARCODE_EAN13_ADDON5        121
#define IDC_BARCODE_READ_INVERTED       122
#define IDC_BARCODE_TELEPEN             123
#define IDC_CODE39_OPTIONS              201
#define IDC_ITALIAN_PHARMACODE_OPTIONS  202
#define IDC_FRENCH_PHARMACODE_OPTIONS   203
#define IDC_INDUSTRIAL25_OPTIONS        204
#define IDC_INTERLEAVE25_OPTIONS        205
#define IDC_MATRIX25_OPTIONS            206
#define IDC_CODABAR_OPTIONS             207
#define IDC_MSI_OPTIONS                 208
#define IDC_PLESSEY_OPTIONS             209
#define IDC_UPCE_OPTIONS                213
#define IDC_EAN8_OPTIONS                216
#define IDC_EAN13_OPTIONS               219
#define IDC_TELEPEN_OPTIONS             223
#define IDC_BARCODE_TIMEOUT             601
#define IDC_BARCODE_SCAN_MODE           701
#define IDC_BARCODE_REDUNDANCY          702

// The thirteen symbology dialogs share one set of ids: what each control means is the
// dialog's table (editor/symbology_dialogs.cpp). Radio groups are consecutive, in value order.
#define IDC_SYMBOLOGY_BOX1              101
#define IDC_SYMBOLOGY_BOX2              102
#define IDC_SYMBOLOGY_BOX3              103
#define IDC_SYMBOLOGY_BOX4              104
#define IDC_SYMBOLOGY_BOX5              105
#define IDC_SYMBOLOGY_BOX6              106
#define IDC_SYMBOLOGY_RADIO1            401
#define IDC_SYMBOLOGY_RADIO2            402
#define IDC_SYMBOLOGY_RADIO3            403
#define IDC_SYMBOLOGY_RADIO4            404
#define IDC_SYMBOLOGY_RADIO5            405
#define IDC_SYMBOLOGY_RADIO6            406
#define IDC_SYMBOLOGY_RADIO7            407
#define IDC_SYMBOLOGY_RADIO8            408
#define IDC_LENGTH_FIRST_LABEL          501
#define IDC_LENGTH_SECOND_LABEL         502
#define IDC_LENGTH_FIRST                601
#define IDC_LENGTH_SECOND               602

// Start-up page STARTUPDLG and the prompt-page dialogs.
