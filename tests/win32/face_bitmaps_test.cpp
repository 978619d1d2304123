// The terminal-face bitmaps and key descriptions as linked into the program: sizes, format,
// the cyan LCD where the simulator draws its text, and distinct key pictures.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "simulator/face_bitmaps.h"
#include "simulator/lcd_geometry.h"

namespace {

using k60::sim::kFirstFaceBitmap;
using k60::sim::kLastFaceBitmap;
using k60::sim::pressedKeyBitmap;
using k60::sim::releasedKeyBitmap;

constexpr std::uint32_t kCyan = 0x00FFFF;  // 0xRRGGBB
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kBlack = 0x000000;

HINSTANCE module() { return GetModuleHandleW(nullptr); }

struct Size {
  int width, height;
};

Size expectedSize(int id) {
  if (id == k60::sim::kFaceBitmap) return {180, 400};
  if (id <= releasedKeyBitmap(12) || (id >= pressedKeyBitmap(1) && id <= pressedKeyBitmap(12))) return {32, 20};
  if (id <= pressedKeyBitmap(20)) return {23, 15};
  switch (id) {
    case k60::sim::kCursorBitmap: return {6, 10};
    case k60::sim::kHighlightBitmap: return {120, 10};
    case k60::sim::kAlphaOnBitmap:
    case k60::sim::kAlphaOffBitmap: return {8, 10};
    default: return {127, 10};  // status line background
  }
}

// A loaded bitmap's pixels, top row first, each 0xRRGGBB.
struct Pixels {
  int width = 0, height = 0;
  std::vector<std::uint32_t> rgb;
  std::uint32_t at(int x, int y) const { return rgb[static_cast<size_t>(y * width + x)] & 0xFFFFFF; }
};

Pixels loadPixels(int id) {
  Pixels out;
  HBITMAP bitmap = LoadBitmapW(module(), MAKEINTRESOURCEW(id));
  if (!bitmap) return out;
  BITMAP info = {};
  GetObjectW(bitmap, sizeof info, &info);
  out.width = info.bmWidth;
  out.height = info.bmHeight;
  out.rgb.resize(static_cast<size_t>(out.width * out.height));
  BITMAPINFO request = {};
  request.bmiHeader = {sizeof(BITMAPINFOHEADER), out.width, -out.height, 1, 32, BI_RGB};
  HDC dc = CreateCompatibleDC(nullptr);
  GetDIBits(dc, bitmap, 0, out.height, out.rgb.data(), &request, DIB_RGB_COLORS);
  DeleteDC(dc);
  DeleteObject(bitmap);
  return out;
}

// The header and colour table as stored in the executable, before any conversion.
const BITMAPINFO* storedBitmap(int id) {
  HRSRC found = FindResourceW(module(), MAKEINTRESOURCEW(id), RT_BITMAP);
  if (!found) return nullptr;
  return static_cast<const BITMAPINFO*>(LockResource(LoadResource(module(), found)));
}

TEST(FaceBitmaps, EachLoadsWithItsSize) {
  for (int id = kFirstFaceBitmap; id <= kLastFaceBitmap; ++id) {
    SCOPED_TRACE(id);
    HBITMAP bitmap = LoadBitmapW(module(), MAKEINTRESOURCEW(id));
    ASSERT_NE(bitmap, nullptr);
    BITMAP info = {};
    ASSERT_EQ(GetObjectW(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, expectedSize(id).width);
    EXPECT_EQ(info.bmHeight, expectedSize(id).height);
    DeleteObject(bitmap);
  }
}

TEST(FaceBitmaps, AreStoredAtFourBitsWithTheStandardPalette) {
  // Black, maroon, green, olive, navy, purple, teal, silver, gray, red, lime, yellow, blue,
  // fuchsia, aqua (the LCD's cyan), white.
  constexpr std::array<std::uint32_t, 16> vga = {
      0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
      0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  for (int id = kFirstFaceBitmap; id <= kLastFaceBitmap; ++id) {
    SCOPED_TRACE(id);
    const BITMAPINFO* stored = storedBitmap(id);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->bmiHeader.biSize, sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(stored->bmiHeader.biBitCount, 4);
    EXPECT_EQ(stored->bmiHeader.biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(stored->bmiHeader.biWidth, expectedSize(id).width);
    EXPECT_EQ(stored->bmiHeader.biHeight, expectedSize(id).height);
    for (size_t i = 0; i < vga.size(); ++i) {
      const RGBQUAD& c = stored->bmiColors[i];
      EXPECT_EQ(static_cast<std::uint32_t>(c.rgbRed << 16 | c.rgbGreen << 8 | c.rgbBlue), vga[i]) << "entry " << i;
    }
  }
}

TEST(FaceBitmaps, FaceIsCyanUnderTheWholeLcdAndNotAroundIt) {
  const Pixels face = loadPixels(k60::sim::kFaceBitmap);
  ASSERT_EQ(face.width, 180);
  const auto lcd = k60::sim::kWholeLcd;
  int notCyan = 0;
  for (int y = lcd.top; y < lcd.bottom; ++y)
    for (int x = lcd.left; x < lcd.right; ++x) notCyan += face.at(x, y) != kCyan;
  EXPECT_EQ(notCyan, 0);
  // The housing and the keypad are not LCD.
  EXPECT_NE(face.at(2, 200), kCyan);
  EXPECT_NE(face.at(90, 20), kCyan);
  EXPECT_NE(face.at(lcd.left, 300), kCyan);
}

TEST(FaceBitmaps, LcdMarksHaveTheirColours) {
  auto colours = [](const Pixels& p) {
    std::vector<std::uint32_t> seen;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x)
        if (std::find(seen.begin(), seen.end(), p.at(x, y)) == seen.end()) seen.push_back(p.at(x, y));
    std::sort(seen.begin(), seen.end());
    return seen;
  };
  using Set = std::vector<std::uint32_t>;
  EXPECT_EQ(colours(loadPixels(k60::sim::kCursorBitmap)), (Set{kBlue, kCyan}));
  EXPECT_EQ(colours(loadPixels(k60::sim::kHighlightBitmap)), (Set{kBlue}));
  EXPECT_EQ(colours(loadPixels(k60::sim::kAlphaOnBitmap)), (Set{kBlack, kCyan}));
  EXPECT_EQ(colours(loadPixels(k60::sim::kAlphaOffBitmap)), (Set{kCyan}));
  EXPECT_EQ(colours(loadPixels(k60::sim::kStatusLineBitmap)), (Set{kCyan}));
}

TEST(FaceBitmaps, EveryKeyHasItsOwnPictureAndAPressedOneThatDiffers) {
  std::vector<std::vector<std::uint32_t>> released;
  for (int key = 1; key <= 20; ++key) {
    SCOPED_TRACE(key);
    const Pixels up = loadPixels(releasedKeyBitmap(key));
    const Pixels down = loadPixels(pressedKeyBitmap(key));
    ASSERT_FALSE(up.rgb.empty());
    EXPECT_NE(up.rgb, down.rgb);
    for (size_t other = 0; other < released.size(); ++other)
      EXPECT_NE(up.rgb, released[other]) << "same picture as key " << other + 1;
    released.push_back(up.rgb);
  }
}

std::wstring loadString(UINT id) {
  const wchar_t* text = nullptr;
  const int n = LoadStringW(module(), id, reinterpret_cast<LPWSTR>(&text), 0);
  return n > 0 ? std::wstring(text, n) : std::wstring();
}

TEST(KeyDescriptions, OnePerKeyNumber) {
  const std::array<std::wstring, 20> expected = {
      L"数字 1 或 字母 A/B/C", L"数字 2 或 字母 D/E/F", L"数字 3 或 字母 G/H/I",
      L"数字 4 或 字母 J/K/L", L"数字 5 或 字母 M/N/O", L"数字 6 或 字母 P/Q/R",
      L"数字 7 或 字母 S/T/U", L"数字 8 或 字母 V/W/X", L"数字 9 或 字母 Y/Z",
      L"数字 0 or 斜杠",       L"点 / 星号",            L"回车 : 完成某一操作",
      L"退格",                 L"空格",                 L"上箭头",
      L"下箭头",               L"字母 / 数字 输入切换", L"功能切换",
      L"取消操作或回到前一页", L"电源开关"};
  for (int key = 1; key <= 20; ++key)
    EXPECT_EQ(loadString(IDS_KEY_DESCRIPTION_BASE + key), expected[static_cast<size_t>(key - 1)]) << "key " << key;
}

}  // namespace
