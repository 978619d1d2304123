// The example application written by `k60tool new --example`.
#include "template/example_application.h"

#include <string_view>

#include "template/defaults.h"
#include "template/form_record.h"
#include "template/menu_record.h"
#include "template/startup_options.h"
#include "template/targets.h"

namespace k60 {
namespace {


// Texts are GB2312 bytes, as the store keeps them.
constexpr std::string_view kMenuTitle = "\xB2\xD6\xBF\xE2\xB9\xDC\xC0\xED";  // "仓库管理"
constexpr std::string_view kItemIn = "1.\xC8\xEB\xBF\xE2";                   // "1.入库"
constexpr std::string_view kItemOut = "2.\xB3\xF6\xBF\xE2";                  // "2.出库"
constexpr std::string_view kTitleIn = "\xC8\xEB\xBF\xE2\xB5\xC7\xBC\xC7";    // "入库登记"
constexpr std::string_view kTitleOut = "\xB3\xF6\xBF\xE2\xB5\xC7\xBC\xC7";   // "出库登记"
constexpr std::string_view kItemNumber = "\xBB\xF5\xBA\xC5:";                // "货号:"
constexpr std::string_view kQuantity = "\xCA\xFD\xC1\xBF:";                  // "数量:"

void addIntegerLine(FormRecord form, std::size_t line, std::string_view prompt,
                    std::uint8_t maxLength) {
  form.setDataType(line, DataType::Integer);
  form.setPrompt(line, prompt);
  form.setMinLength(line, 1);
  form.setMaxLength(line, maxLength);
}

// Form `number` (1-based): a title, then item number and quantity. It leads to itself so
// that the next entry can follow at once; ESC goes back to the menu.
void buildEntryForm(Template& t, std::uint8_t number, std::string_view title) {
  FormRecord form = t.form(number - 1);
  form.setCancelTarget(menuTarget(0));
  form.setNextTarget(number);
  form.setDataType(0, DataType::Prompt);
  form.setPrompt(0, title);
  addIntegerLine(form, 1, kItemNumber, 13);  // an EAN-13 barcode has 13 digits
  addIntegerLine(form, 2, kQuantity, 5);
}

void buildMenu(Template& t) {
  MenuRecord menu = t.menu(0);
  menu.setTitleOn(true);
  menu.setTitle(kMenuTitle);
  menu.setItemName(0, kItemIn);
  menu.setItemTarget(0, formTarget(0));
  menu.setItemName(1, kItemOut);
  menu.setItemTarget(1, formTarget(1));
  menu.setEscTarget(0);
}

}  // namespace

void buildExampleApplication(Template& t) {
  resetToDefaults(t);
  buildMenu(t);
  buildEntryForm(t, 1, kTitleIn);
  buildEntryForm(t, 2, kTitleOut);
  StartupOptions(t).setStartPosition(1);  // start with menu 1
}

}  // namespace k60
