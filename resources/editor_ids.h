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
// Line n (1..8) of FORMDLG uses the first id of each kind plus n - 1.
#define IDC_FORM_LINE_MORE          201
#define IDC_FORM_LINE_PROMPT        601
#define IDC_FORM_LINE_MIN           611
#define IDC_FORM_LINE_MAX           621
#define IDC_FORM_NAME               700
#define IDC_FORM_LINE_TYPE          701
#define IDC_FORM_LINE_SOURCE        711
#define IDC_FORM_LINE_BINDING       721
#define IDC_FORM_FONT               750
#define IDC_FORM_CANCEL_TARGET      751
#define IDC_FORM_NEXT_TARGET        752
#define IDC_FORM_DATE_STAMP         753
#define IDC_FORM_TIME_STAMP         754
#define IDC_FORM_LOOKUP_FILE        755
#define IDC_FORM_RECORD_ACTION      756
// AdvanceDlg; LookupAdvanceDlg reuses the ids in its own order (below).
#define IDC_FIELD_FORM_NUMBER       501
#define IDC_FIELD_LINE_NUMBER       502
#define IDC_FIELD_FIXED_ON          101
#define IDC_FIELD_INITIAL_ON        102
#define IDC_FIELD_PREFIX_ON         103
#define IDC_FIELD_SUFFIX_ON         104
#define IDC_FIELD_PARTIAL_ON        106
#define IDC_FIELD_CHECK_PREFIX_ON   108
#define IDC_FIELD_FIXED_LENGTH      601
#define IDC_FIELD_INITIAL_VALUE     602
#define IDC_FIELD_PREFIX            603
#define IDC_FIELD_SUFFIX            604
#define IDC_FIELD_PARTIAL_START     606
#define IDC_FIELD_PARTIAL_LENGTH    607
#define IDC_FIELD_CHECK_PREFIX      608
#define IDC_FIELD_ALIGNMENT         701
#define IDC_FIELD_AUTO_WRAP         702
// LookupAdvanceDlg: save field data, then fixed length, prefix and suffix.
#define IDC_LOOKUP_FIELD_SAVE_ON    101
#define IDC_LOOKUP_FIELD_FIXED_ON   102
#define IDC_LOOKUP_FIELD_PREFIX_ON  103
#define IDC_LOOKUP_FIELD_SUFFIX_ON  104
#define IDC_LOOKUP_FIELD_PREFIX     602
#define IDC_LOOKUP_FIELD_SUFFIX     603

// Menu page MENUDLG. Item k (0..9) has its name in 601+k and its target in 701+k.
#define IDC_MENU_TITLE_ON           101
#define IDC_MENU_SAVE_TITLE         102
#define IDC_MENU_SAVE_SELECTED      103
#define IDC_MENU_PASS               104
#define IDC_MENU_SEPARATE_FILES     105
#define IDC_MENU_ITEM_NAME          601
#define IDC_MENU_TITLE              691
#define IDC_MENU_NAME               700
#define IDC_MENU_ITEM_TARGET        701
#define IDC_MENU_FONT               750
#define IDC_MENU_ESC                751

// Lookup page LOOKUPDLG. Field k (0..7) has its key radio in 401+k, its offset in 601+k
// and its length in 611+k.
#define IDC_LOOKUP_UPLOADABLE       101
#define IDC_LOOKUP_KEY              401
#define IDC_LOOKUP_FIXED            411
#define IDC_LOOKUP_SEPARATED        412
#define IDC_LOOKUP_LENGTH_LABEL     501
#define IDC_LOOKUP_OFFSET           601
#define IDC_LOOKUP_MEMBER_LENGTH    609
#define IDC_LOOKUP_LENGTH           611
#define IDC_LOOKUP_SEPARATOR        619
#define IDC_LOOKUP_NAME             700
#define IDC_LOOKUP_FIELD_COUNT      701
#define IDC_LOOKUP_NO_MATCH         702

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
// Buttons 201..218 open the prompt-page dialogs in prompt page order; a dialog's edit box
// 601 + n holds line n + 1 of its page.
#define IDC_PROMPT_WELCOME          201
#define IDC_SEPARATOR_VALUE_1       601
#define IDC_SEPARATOR_VALUE_2       602
#define IDC_SEPARATOR_TEXT_1        603
#define IDC_SEPARATOR_TEXT_2        604
#define IDC_START_POSITION          700
#define IDC_SEPARATOR_MODE          701
#define IDC_PROMPT_LINE_1           601
