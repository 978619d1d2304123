// The settings page's model and the keyboard wedge dialog's: the rules of their bytes. The
// controls themselves, OK and Cancel are driven through the real sheet in the Windows tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "editor/keyboard_wedge.h"
#include "editor/settings_page.h"
#include "resources/editor_ids.h"
#include "tests/support/test_support.h"
#include "template/barcode_record.h"
#include "template/defaults.h"
#include "template/lookup_record.h"

namespace k60::editor {
namespace {

using k60::test::storeOf;

class SettingsModelTest : public ::testing::Test {
 protected:
  void SetUp() override { resetToDefaults(t); }
  Template t;
};

TEST_F(SettingsModelTest, ACheckBoxFlipsItsByteAndADamagedByteFlipsToZero) {
  t.settings().setByte(9, 7);
  SettingsPageModel page(t);
  EXPECT_FALSE(page.toggle(IDC_SECURITY_EDIT_DATA));
  EXPECT_EQ(page.value(IDC_SECURITY_EDIT_DATA), 0);
  EXPECT_TRUE(page.toggle(IDC_SECURITY_EDIT_DATA));
  EXPECT_EQ(page.value(IDC_SECURITY_EDIT_DATA), 1);
}

TEST_F(SettingsModelTest, ThePasswordIsCutAtTenBytesAndFillsTheSlotWithoutTerminator) {
  SettingsPageModel page(t);
  const TextAnswer answer = page.passwordChanged("12345678901");
  EXPECT_EQ(answer.show, "1234567890");
  page.apply(t);
  const auto slot = t.block(Block::Password);
  EXPECT_TRUE(std::equal(slot.begin(), slot.end(), "1234567890"));

  SettingsPageModel shorter(t);
  EXPECT_EQ(shorter.password(), "1234567890");
  shorter.passwordChanged("12");
  shorter.apply(t);
  EXPECT_EQ(t.password(), "12");
  EXPECT_EQ(slot[2], 0);
  EXPECT_EQ(slot[3], '4') << "the bytes after the terminator keep their value";
}

TEST_F(SettingsModelTest, AnUneditedPasswordKeepsItsBytes) {
  const std::uint8_t damaged[] = {0xFF, 0xFE, '1', 0, 0xAA, 0, 0, 0, 0, 0};
  std::copy(std::begin(damaged), std::end(damaged), t.block(Block::Password).begin());
  const auto before = storeOf(t);
  SettingsPageModel page(t);
  page.apply(t);
  EXPECT_EQ(storeOf(t), before);
}

// ---- Keyboard wedge ----

TEST_F(SettingsModelTest, WedgeOkOnANewTemplateStoresDetectAndKeepsTheLineEnd) {
  writeWedge(t, readWedge(t));
  EXPECT_EQ(t.barcode().byte(BarcodeRecord::kWedgeOptions), 0x80);
  EXPECT_EQ(t.extension().byte(ExtensionBlock::kWedgeCrLf), 1);
}

TEST_F(SettingsModelTest, WedgeCapsLockIsReadFromItsBitsAndWrittenAsOneBit) {
  struct Case {
    std::uint8_t stored;  // bits 5-7 of byte 4
    int shown;
    std::uint8_t written;
  };
  const std::vector<Case> cases = {
      {0x00, 0, 0x80}, {0x80, 0, 0x80}, {0x40, 1, 0x40}, {0x60, 1, 0x40},
      {0xE0, 1, 0x40}, {0x20, 2, 0x20}, {0xA0, 2, 0x20},
  };
  for (const Case& c : cases) {
    t.barcode().setByte(BarcodeRecord::kWedgeOptions, c.stored | 0x1F);
    const WedgeForm form = readWedge(t);
    EXPECT_EQ(form.capsLock, c.shown) << int(c.stored);
    writeWedge(t, form);
    EXPECT_EQ(t.barcode().byte(BarcodeRecord::kWedgeOptions) & 0xE0, c.written) << int(c.stored);
  }
}

TEST_F(SettingsModelTest, WedgeValuesNoControlCanShowAreKeptOnOk) {
  t.barcode().setKeyboardType(40);
  t.barcode().setDigitLayout(3);
  WedgeForm form = readWedge(t);
  EXPECT_EQ(form.keyboardType, -1);
  EXPECT_EQ(form.digitLayout, -1);
  writeWedge(t, form);
  EXPECT_EQ(t.barcode().keyboardType(), 40);
  EXPECT_EQ(t.barcode().digitLayout(), 3);
}

}  // namespace
}  // namespace k60::editor
