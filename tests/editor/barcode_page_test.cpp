// The barcode page's and the symbology dialogs' models on the record's bytes: which control
// moves which bit (written here from the record's layout, not from the code's tables), what
// they keep, and the length rules.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "editor/barcode_page.h"
#include "editor/symbology_dialogs.h"
#include "resources/editor_ids.h"
#include "tests/support/test_support.h"

namespace k60::editor {
namespace {

using Record = std::vector<std::uint8_t>;

const Record kDefaults = {0x9B, 0xC9, 0x00, 0x00, 0x00, 0x2D, 0x54, 0x80, 0x00, 0x19, 0x3D, 0x00,
                          0xFF, 0x01, 0xFE, 0x01, 0xFF, 0x01, 0xFF, 0x01, 0x66, 0x03, 0x03, 0x00};

class BarcodeModelTest : public ::testing::Test {
 protected:
  void SetUp() override { t = test::defaultTemplate(); }
  Record record() const { return {t.block(Block::Barcode).begin(), t.block(Block::Barcode).end()}; }
  void setRecord(const Record& r) { std::copy(r.begin(), r.end(), t.block(Block::Barcode).begin()); }
  SymbologyDialogModel dialog(int button) { return SymbologyDialogModel(*symbologyDialogFor(button), t.barcode()); }
  // Clicks `ids` in the dialog that `button` opens, types the lengths given, presses OK.
  void runDialog(int button, std::vector<int> ids, const char* first = nullptr, const char* second = nullptr) {
    SymbologyDialogModel d = dialog(button);
    for (int id : ids) EXPECT_TRUE(d.click(id)) << id;
    if (first) d.firstLengthChanged(first);
    if (second) d.secondLengthChanged(second);
    d.ok(t.barcode());
  }
  Template t;
};

// Each check box of the page (button 0) or of the dialog that `button` opens, on the defaults:
// one click, then OK; exactly its own bit changes.
TEST_F(BarcodeModelTest, EveryCheckBoxFlipsItsOwnBit) {
  struct Case {
    int button, id;
    std::size_t byte;
    std::uint8_t mask;
  };
  const std::vector<Case> cases = {
      {0, 101, 0, 0x80},    {0, 102, 0, 0x40},    {0, 103, 0, 0x20},    {0, 104, 0, 0x10},    {0, 105, 0, 0x08},
      {0, 106, 0, 0x04},    {0, 107, 0, 0x02},    {0, 108, 2, 0x20},    {0, 109, 2, 0x10},    {0, 110, 0, 0x01},
      {0, 111, 1, 0x80},    {0, 113, 1, 0x40},    {0, 114, 1, 0x20},    {0, 115, 1, 0x10},    {0, 116, 1, 0x08},
      {0, 117, 1, 0x04},    {0, 118, 1, 0x02},    {0, 119, 1, 0x01},    {0, 120, 2, 0x80},    {0, 121, 2, 0x40},
      {0, 122, 11, 0x10},   {0, 123, 2, 0x04},    {201, 101, 5, 0x80},  {201, 102, 5, 0x40},  {201, 103, 5, 0x20},
      {201, 104, 5, 0x10},  {202, 101, 5, 0x08},  {203, 101, 5, 0x04},  {204, 101, 6, 0x80},  {204, 102, 6, 0x40},
      {205, 101, 5, 0x02},  {205, 102, 5, 0x01},  {206, 101, 6, 0x20},  {206, 102, 6, 0x10},  {209, 101, 9, 0x04},
      {209, 102, 9, 0x08},  {213, 101, 9, 0x02},  {213, 102, 10, 0x02}, {213, 103, 10, 0x20}, {216, 101, 11, 0x80},
      {216, 102, 10, 0x08}, {219, 101, 10, 0x80}, {219, 102, 10, 0x40}, {219, 103, 10, 0x04}, {219, 104, 10, 0x01},
      {219, 105, 10, 0x10}, {219, 106, 9, 0x01},
  };
  ASSERT_EQ(record(), kDefaults);
  for (const Case& c : cases) {
    setRecord(kDefaults);
    if (c.button) {
      runDialog(c.button, {c.id});
    } else {
      BarcodePageModel page(t.barcode());
      EXPECT_EQ(page.toggle(c.id), (kDefaults[c.byte] & c.mask) == 0) << c.id;
      page.apply(t.barcode());
    }
    Record expected = kDefaults;
    expected[c.byte] ^= c.mask;
    EXPECT_EQ(record(), expected) << "button " << c.button << " control " << c.id;
  }
}

TEST_F(BarcodeModelTest, AScanModeNoItemShowsIsKept) {
  t.barcode().setByte(20, 0xC6);
  BarcodePageModel page(t.barcode());
  EXPECT_EQ(page.selection(IDC_BARCODE_SCAN_MODE), -1);
  page.apply(t.barcode());
  EXPECT_EQ(t.barcode().byte(20), 0xC6);
}

TEST_F(BarcodeModelTest, RadioGroupsShowAndWriteTheirFieldsOnly) {
  struct Case {
    int button;
    std::size_t byte;
    std::uint8_t stored;
    std::set<int> shown;  // the dialog's checked buttons
    int click;
    std::uint8_t expected;
  };
  const std::vector<Case> cases = {
      {204, 6, 0x54, {102, 401, 405}, 403, 0x56},  // Industrial 25 pattern in bits 1-0
      {205, 6, 0x5C, {101, 102, 405}, 401, 0x50},  // Interleave 25 pattern 3 has no button; bits 3-2
      {206, 7, 0x80, {101, 102, 403, 405}, 402, 0x40},  // Matrix 25 pattern: bits 7-6
      {208, 9, 0x19, {401, 405, 408}, 406, 0x29},  // MSI check digit transmission: bits 5-4
      {208, 9, 0x60, {402, 406, 408}, 403, 0xA0},  // MSI check digit verification: bits 7-6
      {207, 7, 0x80, {401}, 405, 0xB8},            // Codabar "ABCD / TN*E"
      {207, 7, 0xBF, {405}, 401, 0x87},            // "无" clears bits 5-3 only
      {207, 7, 0x37, {401}, 403, 0x1F},            // without bit 3 the format does not count
      {223, 2, 0x00, {402}, 401, 0x02},            // "初始 Telepen"
  };
  for (const Case& c : cases) {
    setRecord(kDefaults);
    t.barcode().setByte(5, 0xFF);
    t.barcode().setByte(6, t.barcode().byte(6) | 0xF0);
    t.barcode().setByte(c.byte, c.stored);
    Record expected = record();
    expected[c.byte] = c.expected;
    const SymbologyDialogModel d = dialog(c.button);
    std::set<int> shown;
    for (int id : d.buttons())
      if (d.checked(id)) shown.insert(id);
    EXPECT_EQ(shown, c.shown) << "dialog " << c.button << " byte " << int(c.stored);
    runDialog(c.button, {c.click});
    EXPECT_EQ(record(), expected) << "dialog " << c.button << " click " << c.click;
  }
}

TEST_F(BarcodeModelTest, LengthRules) {
  struct Case {
    int button;
    std::uint8_t storedFirst, storedSecond;
    std::vector<int> clicks;
    const char* first;  // typed, or nullptr
    const char* second;
    std::uint8_t expectedFirst, expectedSecond;
  };
  const std::vector<Case> cases = {
      {204, 0xFF, 0x01, {}, "200", "150", 0xFF, 127},  // maximum 127, minimum 127
      {204, 0xFF, 0x01, {}, "20", "0", 0x94, 1},       // a second length of 0 gives 1
      {204, 0xFF, 0x01, {}, "0", "", 0x81, 1},         // a first of 0 too; empty: 1
      {205, 0xFE, 0x01, {}, "x1", "", 0xFF, 1},        // not a number, or empty: 127
      {206, 0xFF, 0x01, {404}, "12", "12", 0x0C, 12},  // fixed lengths
      {208, 0xFF, 0x01, {407}, "127", "128", 0x7F, 127},
      {208, 0x05, 0x09, {}, nullptr, nullptr, 0x05, 5},  // fixed 5 and 9 become 5 and 5
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
    EXPECT_EQ(record(), expected) << "dialog " << c.button << " typed " << (c.first ? c.first : "-");
  }
}

TEST_F(BarcodeModelTest, LengthBoxesReplaceWhatIsNotANumber) {
  SymbologyDialogModel d = dialog(IDC_MSI_OPTIONS);
  EXPECT_EQ(d.firstLengthChanged("12a"), "127");
  EXPECT_EQ(d.secondLengthChanged("+5"), "1");
  EXPECT_FALSE(dialog(IDC_INDUSTRIAL25_OPTIONS).click(407)) << "the 2 of 5 dialogs end at 405";
}

}  // namespace
}  // namespace k60::editor
