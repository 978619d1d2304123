// The barcode page's and the symbology dialogs' models on the record's bytes: which control
// moves which bit (worked out here from the record's layout, not from the code's tables),
// what the page and the dialogs keep, and the length rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "editor/barcode_page.h"
#include "editor/symbology_dialogs.h"
#include "resources/editor_ids.h"
#include "template/barcode_record.h"
#include "tests/support/test_support.h"

namespace k60::editor {
namespace {

using Record = std::vector<std::uint8_t>;

// A control and the one bit it moves: byte of the record, mask.
struct BitCase {
  int button;  // the page's button of the dialog; 0 for a page check box
  int id;
  std::size_t byte;
  std::uint8_t mask;
};

class BarcodeModelTest : public ::testing::Test {
 protected:
  void SetUp() override { t = test::defaultTemplate(); }
  Record record() const {
    const auto b = t.block(Block::Barcode);
    return {b.begin(), b.end()};
  }
  void setRecord(const Record& r) { std::copy(r.begin(), r.end(), t.block(Block::Barcode).begin()); }
  SymbologyDialogModel dialog(int button) { return SymbologyDialogModel(*symbologyDialogFor(button), t.barcode()); }
  // Clicks `ids` in the dialog opened by `button`, types the lengths if given, presses OK.
  void runDialog(int button, std::vector<int> ids, const char* first = nullptr, const char* second = nullptr) {
    SymbologyDialogModel d = dialog(button);
    for (int id : ids) EXPECT_TRUE(d.click(id)) << id;
    if (first) d.firstLengthChanged(first);
    if (second) d.secondLengthChanged(second);
    d.ok(t.barcode());
  }
  Template t;
};

const Record kDefaults = {0x9B, 0xC9, 0x00, 0x00, 0x00, 0x2D, 0x54, 0x80, 0x00, 0x19, 0x3D, 0x00,
                          0xFF, 0x01, 0xFE, 0x01, 0xFF, 0x01, 0xFF, 0x01, 0x66, 0x03, 0x03, 0x00};

TEST_F(BarcodeModelTest, EveryPageCheckBoxFlipsItsOwnBitAndNoOther) {
  const std::vector<BitCase> cases = {
      {0, 101, 0, 0x80}, {0, 102, 0, 0x40}, {0, 103, 0, 0x20}, {0, 104, 0, 0x10}, {0, 105, 0, 0x08},
      {0, 106, 0, 0x04}, {0, 107, 0, 0x02}, {0, 108, 2, 0x20}, {0, 109, 2, 0x10}, {0, 110, 0, 0x01},
      {0, 111, 1, 0x80}, {0, 113, 1, 0x40}, {0, 114, 1, 0x20}, {0, 115, 1, 0x10}, {0, 116, 1, 0x08},
      {0, 117, 1, 0x04}, {0, 118, 1, 0x02}, {0, 119, 1, 0x01}, {0, 120, 2, 0x80}, {0, 121, 2, 0x40},
      {0, 122, 11, 0x10}, {0, 123, 2, 0x04}};
  ASSERT_EQ(cases.size(), kBarcodeCheckBoxes.size());
  ASSERT_EQ(record(), kDefaults);
  for (const BitCase& c : cases) {
    setRecord(kDefaults);
    BarcodePageModel page(t.barcode());
    EXPECT_EQ(page.toggle(c.id), (kDefaults[c.byte] & c.mask) == 0) << c.id;
    page.apply(t.barcode());
    Record expected = kDefaults;
    expected[c.byte] ^= c.mask;
    EXPECT_EQ(record(), expected) << "check box " << c.id;
  }
}

TEST_F(BarcodeModelTest, ThePageShowsTheDefaults) {
  BarcodePageModel page(t.barcode());
  const std::set<int> on = {101, 104, 105, 107, 110, 111, 113, 116, 119};
  for (const FlagBox& box : kBarcodeCheckBoxes) EXPECT_EQ(page.checked(box.id), on.count(box.id) == 1) << box.id;
  EXPECT_EQ(choices::kScanModes[page.selection(IDC_BARCODE_SCAN_MODE)], "Laser");
  EXPECT_EQ(choices::kReadRedundancy[page.selection(IDC_BARCODE_REDUNDANCY)], "无");
  EXPECT_EQ(page.timeoutText(), "3");
}

TEST_F(BarcodeModelTest, ThePageWritesOnlyItsFieldsAndKeepsEveryOtherBit) {
  Record all(24, 0xFF);
  all[20] = 0x7A;  // scan mode 7, low nibble 0xA
  setRecord(all);
  BarcodePageModel page(t.barcode());
  for (const FlagBox& box : kBarcodeCheckBoxes) page.toggle(box.id);
  page.select(IDC_BARCODE_SCAN_MODE, 2);
  page.select(IDC_BARCODE_REDUNDANCY, 1);
  page.timeoutChanged("17");
  page.apply(t.barcode());
  const Record expected = {0x00, 0x00, 0x0B, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xE7,
                           0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x2A, 17,   0xFF, 0xFF};
  EXPECT_EQ(record(), expected);
}

TEST_F(BarcodeModelTest, AScanModeNoItemShowsIsKept) {
  t.barcode().setByte(20, 0xC6);
  BarcodePageModel page(t.barcode());
  EXPECT_EQ(page.selection(IDC_BARCODE_SCAN_MODE), -1);
  page.apply(t.barcode());
  EXPECT_EQ(t.barcode().byte(20), 0xC6);
}

TEST_F(BarcodeModelTest, TheTimeOutBoxTakesDigitsAndStoresAtMost255) {
  struct Case {
    const char* text;
    std::optional<std::string> shows;
    std::uint8_t stored;
  };
  const std::vector<Case> cases = {{"0", {}, 0},         {"255", {}, 255},  {"256", {}, 255}, {"300", {}, 255},
                                   {"99999999999", {}, 255}, {"", {}, 0},  {"1a", "0", 0},  {"-3", "0", 0}};
  for (const Case& c : cases) {
    BarcodePageModel page(t.barcode());
    EXPECT_EQ(page.timeoutChanged(c.text), c.shows) << c.text;
    page.apply(t.barcode());
    EXPECT_EQ(t.barcode().readTimeout(), c.stored) << c.text;
    EXPECT_EQ(BarcodePageModel(t.barcode()).timeoutText(), std::to_string(c.stored)) << "shown when opened again";
  }
}

// ---- The symbology dialogs ----

TEST_F(BarcodeModelTest, OnlyTheThirteenButtonsOpenADialog) {
  const std::vector<std::pair<int, std::wstring>> dialogs = {
      {201, L"Code39Dlg"},       {202, L"ItalyPharmaDlg"}, {203, L"FrenchPharmaDlg"}, {204, L"Industrial25Dlg"},
      {205, L"Interleave25Dlg"}, {206, L"Matrix25Dlg"},    {207, L"CodabarDlg"},      {208, L"MSIDlg"},
      {209, L"PlesseyDlg"},      {213, L"UPCEDlg"},        {216, L"EAN8Dlg"},         {219, L"EAN13Dlg"},
      {223, L"TelepenDlg"}};
  for (const auto& [button, name] : dialogs) {
    const SymbologyDialogInfo* d = symbologyDialogFor(button);
    ASSERT_NE(d, nullptr) << button;
    EXPECT_EQ(d->resource, name);
  }
  for (int button : {200, 210, 211, 212, 214, 215, 217, 218, 220, 221, 222, 224})
    EXPECT_EQ(symbologyDialogFor(button), nullptr) << button;
}

TEST_F(BarcodeModelTest, EveryDialogCheckBoxFlipsItsOwnBitAndNoOther) {
  const std::vector<BitCase> cases = {
      {201, 101, 5, 0x80}, {201, 102, 5, 0x40}, {201, 103, 5, 0x20}, {201, 104, 5, 0x10},
      {202, 101, 5, 0x08}, {203, 101, 5, 0x04}, {204, 101, 6, 0x80}, {204, 102, 6, 0x40},
      {205, 101, 5, 0x02}, {205, 102, 5, 0x01}, {206, 101, 6, 0x20}, {206, 102, 6, 0x10},
      {209, 101, 9, 0x04}, {209, 102, 9, 0x08}, {213, 101, 9, 0x02}, {213, 102, 10, 0x02},
      {213, 103, 10, 0x20}, {216, 101, 11, 0x80}, {216, 102, 10, 0x08}, {219, 101, 10, 0x80},
      {219, 102, 10, 0x40}, {219, 103, 10, 0x04}, {219, 104, 10, 0x01}, {219, 105, 10, 0x10},
      {219, 106, 9, 0x01}};
  for (const BitCase& c : cases) {
    setRecord(kDefaults);
    runDialog(c.button, {c.id});
    Record expected = kDefaults;
    expected[c.byte] ^= c.mask;
    EXPECT_EQ(record(), expected) << "dialog " << c.button << " box " << c.id;
  }
}

TEST_F(BarcodeModelTest, OkWithoutAChangeKeepsEveryByteOfEveryDialog) {
  struct Start {
    Record bytes;
    std::uint8_t first, second;  // what a length pair of the record becomes
  };
  // All 0xFF: the minimum 255 comes down to the maximum 127; all 0: the lengths become 1.
  const std::vector<Start> starts = {{Record(24, 0xFF), 0xFF, 0x7F}, {Record(24, 0x00), 0x01, 0x01}};
  for (const Start& start : starts) {
    for (const SymbologyDialogInfo& info : kSymbologyDialogs) {
      setRecord(start.bytes);
      SymbologyDialogModel(info, t.barcode()).ok(t.barcode());
      Record expected = start.bytes;
      if (info.lengths) {
        const std::size_t at = 12 + 2 * static_cast<std::size_t>(info.lengths->symbology);
        expected[at] = start.first;
        expected[at + 1] = start.second;
      }
      EXPECT_EQ(record(), expected) << "dialog " << info.button;
    }
  }
  for (const SymbologyDialogInfo& info : kSymbologyDialogs) {
    setRecord(kDefaults);
    SymbologyDialogModel(info, t.barcode()).ok(t.barcode());
    EXPECT_EQ(record(), kDefaults) << "dialog " << info.button;
  }
}

TEST_F(BarcodeModelTest, RadioGroupsWriteTheirFieldsAndNothingElse) {
  struct Case {
    int button;
    std::vector<int> clicks;
    std::size_t byte;
    std::uint8_t stored;  // the byte before
    std::uint8_t expected;
  };
  const std::vector<Case> cases = {
      {204, {403}, 6, 0x54, 0x56},        // Industrial 25 pattern: Matrix 25 into bits 1-0
      {205, {401}, 6, 0x54, 0x50},        // Interleave 25 pattern: bits 3-2
      {206, {402}, 7, 0x80, 0x40},        // Matrix 25 pattern: bits 7-6
      {208, {403, 406}, 9, 0x19, 0xA9},   // MSI: modulo 11 and 10, last two digits not sent
      {208, {402, 404}, 9, 0xFF, 0x4F},
      {207, {405}, 7, 0x80, 0xB8},        // Codabar "ABCD / TN*E"
      {207, {401}, 7, 0xBF, 0x87},        // "无" clears bits 5-3 only
      {207, {403}, 7, 0x07, 0x1F},        // "abcd / tn*e"
      {223, {401}, 2, 0x00, 0x02},        // "初始 Telepen"
      {223, {402}, 2, 0xFF, 0xFD},        // "AIM Telepen"
  };
  for (const Case& c : cases) {
    setRecord(kDefaults);
    t.barcode().setByte(c.byte, c.stored);
    Record expected = record();
    expected[c.byte] = c.expected;
    runDialog(c.button, c.clicks);
    EXPECT_EQ(record(), expected) << "dialog " << c.button << " first click " << c.clicks[0];
  }
}

TEST_F(BarcodeModelTest, DialogsShowTheStoredChoice) {
  struct Case {
    int button;
    std::size_t byte;
    std::uint8_t stored;
    std::set<int> checked;  // of the dialog's buttons
  };
  const std::vector<Case> cases = {
      {207, 7, 0x30, {401}},  // Codabar without start/stop characters: the format does not count
      {207, 7, 0x28, {404}},
      {207, 7, 0x08, {402}},
      {223, 2, 0x02, {401}},
      {223, 2, 0xFD, {402}},
      {205, 6, 0x0C, {101, 102, 405}},  // pattern 3 has no button; the lengths are a range
      {208, 9, 0x60, {402, 406, 408}},
      {201, 5, 0xA0, {101, 103}},
  };
  for (const Case& c : cases) {
    setRecord(kDefaults);
    t.barcode().setByte(5, 0xFF);
    t.barcode().setByte(c.byte, c.stored);
    const SymbologyDialogModel d = dialog(c.button);
    std::set<int> checked;
    for (int id : d.buttons())
      if (d.checked(id)) checked.insert(id);
    EXPECT_EQ(checked, c.checked) << "dialog " << c.button << " byte " << int(c.stored);
  }
}

TEST_F(BarcodeModelTest, CodabarNoneKeepsTheMatrix25PatternAndTheUnusedBits) {
  runDialog(IDC_CODABAR_OPTIONS, {405});
  t.barcode().setByte(7, t.barcode().byte(7) | 0x05);
  EXPECT_EQ(t.barcode().byte(7), 0xBD);
  runDialog(IDC_CODABAR_OPTIONS, {401});
  EXPECT_EQ(t.barcode().byte(7), 0x85);
}

TEST_F(BarcodeModelTest, LengthRules) {
  struct Case {
    int button;
    std::uint8_t storedFirst, storedSecond;
    std::vector<int> clicks;
    const char* first;   // typed, or nullptr
    const char* second;
    std::uint8_t expectedFirst, expectedSecond;
  };
  const std::vector<Case> cases = {
      {204, 0xFF, 0x01, {}, "200", "150", 0xFF, 127},  // maximum 127, minimum 127
      {204, 0xFF, 0x01, {}, "20", "0", 0x94, 1},       // a second length of 0 gives 1
      {204, 0xFF, 0x01, {}, "0", "0", 0x81, 1},        // and a first of 0 too
      {204, 0xFF, 0x01, {}, "", "", 0xFF, 1},          // empty boxes count as 127 and 1
      {205, 0xFE, 0x01, {}, "x1", "y", 0xFF, 1},       // not numbers: 127 and 1
      {206, 0xFF, 0x01, {404}, "12", "12", 0x0C, 12},  // fixed lengths
      {206, 0xFF, 0x01, {404, 405}, "12", "3", 0x8C, 3},
      {208, 0xFF, 0x01, {407}, "127", "128", 0x7F, 127},
      {208, 0x05, 0x09, {}, nullptr, nullptr, 0x05, 5},  // fixed 5 and 9 become 5 and 5
      {208, 0x85, 0x09, {}, nullptr, nullptr, 0x85, 5},
      {204, 0x80, 0x00, {}, nullptr, nullptr, 0x81, 1},
  };
  for (const Case& c : cases) {
    setRecord(kDefaults);
    const std::size_t at = 12 + 2 * static_cast<std::size_t>(symbologyDialogFor(c.button)->lengths->symbology);
    t.barcode().setByte(at, c.storedFirst);
    t.barcode().setByte(at + 1, c.storedSecond);
    Record expected = record();
    expected[at] = c.expectedFirst;
    expected[at + 1] = c.expectedSecond;
    runDialog(c.button, c.clicks, c.first, c.second);
    EXPECT_EQ(record(), expected) << "dialog " << c.button << " typed " << (c.first ? c.first : "-") << "/"
                                  << (c.second ? c.second : "-");
  }
}

TEST_F(BarcodeModelTest, LengthBoxesReplaceWhatIsNotANumber) {
  SymbologyDialogModel d = dialog(IDC_MATRIX25_OPTIONS);
  EXPECT_EQ(d.firstLengthText(), "127");
  EXPECT_EQ(d.secondLengthText(), "1");
  EXPECT_EQ(d.firstLengthChanged("12a"), "127");
  EXPECT_EQ(d.firstLengthChanged("300"), std::nullopt) << "a large number stays as typed";
  EXPECT_EQ(d.firstLengthChanged(""), std::nullopt);
  EXPECT_EQ(d.secondLengthChanged("+5"), "1");
  EXPECT_EQ(d.secondLengthChanged("500"), std::nullopt);
}

TEST_F(BarcodeModelTest, TheLengthLabelsFollowTheLengthMode) {
  SymbologyDialogModel d = dialog(IDC_MSI_OPTIONS);
  EXPECT_TRUE(d.range());
  EXPECT_EQ(lengthLabels(d.range()), std::make_pair(std::string_view("最大长度 :"), std::string_view("最小长度 :")));
  d.click(407);
  EXPECT_FALSE(d.range());
  EXPECT_TRUE(d.checked(407));
  EXPECT_FALSE(d.checked(408));
  EXPECT_EQ(lengthLabels(d.range()), std::make_pair(std::string_view("固定长度 1:"), std::string_view("固定长度 2:")));
  EXPECT_FALSE(d.click(409));
  EXPECT_FALSE(dialog(IDC_INDUSTRIAL25_OPTIONS).click(407)) << "the 2 of 5 dialogs end at 405";
}

}  // namespace
}  // namespace k60::editor
