// The template as one JSON object. Its rules: every stored choice is {value, label}; keys
// are English camelCase; a list text is spelled as the target lists spell it; raw bytes
// are hex strings ("2C 00"); texts are UTF-8.
#include <array>
#include <cstdio>
#include <iterator>

#include "template/barcode_record.h"
#include "template/choice_lists.h"
#include "template/com_settings.h"
#include "template/form_record.h"
#include "template/lookup_record.h"
#include "template/menu_record.h"
#include "template/prompt_pages.h"
#include "template/settings_record.h"
#include "template/targets.h"
#include "template/startup_options.h"
#include "tools/k60tool/show_template.h"

namespace k60::tool {
namespace {

using json = nlohmann::ordered_json;
namespace c = choices;

json choice(c::List list, std::uint8_t value) { return {{"value", value}, {"label", c::labelOf(list, value)}}; }
json target(std::uint8_t value) { return {{"value", value}, {"label", c::targetLabel(value)}}; }
json text(const std::string& gb) { return gbToUtf8(gb); }
json option(bool on, const std::string& gb) { return {{"on", on}, {"text", text(gb)}}; }

std::string hexBytes(ConstBytes bytes) {
  std::string out;
  char buf[4];
  for (std::uint8_t b : bytes) {
    std::snprintf(buf, sizeof buf, "%02X", b);
    if (!out.empty()) out += ' ';
    out += buf;
  }
  return out;
}

// The start page's list says "窗体 1" and "菜单 1"; the same places are spelled as every
// target list spells them.
json startPosition(std::uint8_t value) {
  const std::uint8_t target = value == 0 ? kFirstFormTarget : value == 1 ? kFirstMenuTarget : 0;
  return {{"value", value}, {"label", target ? json(c::targetLabel(target)) : json(c::labelOf(c::kStartPositions, value))}};
}

json formLine(const FormRecord& f, std::size_t i) {
  return {
      {"line", i + 1},
      {"dataType", choice(c::kDataTypes, f.dataTypeByte(i))},
      {"prompt", text(f.prompt(i))},
      {"dataSource", choice(c::kDataSources, f.dataSource(i))},
      {"minLength", f.minLength(i)},
      {"maxLength", f.maxLength(i)},
      {"fixedLength",
       {{"on", f.fixedLengthOn(i)}, {"length", f.fixedLength(i)}, {"alignment", choice(c::kAlignments, f.alignment(i))}}},
      {"initialValue", option(f.initialOn(i), f.initialValue(i))},
      {"prefix", option(f.prefixOn(i), f.prefix(i))},
      {"suffix", option(f.suffixOn(i), f.suffix(i))},
      {"partialBarcode", {{"on", f.partialOn(i)}, {"start", f.partialStart(i)}, {"maxLength", f.partialMaxLength(i)}}},
      {"checkPrefix", option(f.checkPrefixOn(i), f.checkPrefix(i))},
      {"autoWrap", choice(c::kAutoWraps, f.autoWrap(i))},
      {"lookupBinding", {{"value", f.lookupBinding(i)}, {"label", c::lookupBindingLabel(f.lookupBinding(i))}}},
  };
}

json form(const FormRecord& f, std::size_t index) {
  json lines = json::array();
  for (std::size_t i = 0; i < FormRecord::kLines; ++i) lines.push_back(formLine(f, i));
  return {
      {"number", index + 1},
      {"font", choice(c::kFonts, f.font())},
      {"cancelTarget", target(f.cancelTarget())},
      {"nextTarget", target(f.nextTarget())},
      {"dateStamp", choice(c::kDateStamps, f.dateStamp())},
      {"timeStamp", choice(c::kTimeStamps, f.timeStamp())},
      {"recordAction", choice(c::kRecordActions, f.recordAction())},
      {"lookupFile", choice(c::kLookupFiles, f.lookupFile())},
      {"lines", lines},
  };
}

json menu(const MenuRecord& m, std::size_t index) {
  json items = json::array();
  for (std::size_t i = 0; i < MenuRecord::kItems; ++i)
    items.push_back({{"item", i + 1}, {"name", text(m.itemName(i))}, {"target", target(m.itemTarget(i))}});
  return {
      {"number", index + 1},
      {"font", choice(c::kFonts, m.font())},
      {"title", option(m.titleOn(), m.title())},
      {"escTarget", target(m.escTarget())},
      {"saveTitle", m.saveTitle()},
      {"saveSelectedItem", m.saveSelected()},
      {"pass", m.pass()},
      {"itemCount", countMenuItems(m)},
      {"items", items},
  };
}

json lookup(const LookupRecord& l, const ExtensionBlock& ext, std::size_t index) {
  json fields = json::array();
  for (std::size_t k = 0; k < LookupRecord::kFields; ++k)
    fields.push_back({{"field", k + 1}, {"offset", l.fieldOffset(k)}, {"length", l.fieldLength(k)}});
  return {
      {"number", index + 1},
      {"name", c::labelOf(c::kLookupFiles, static_cast<std::uint8_t>(index + 1))},
      {"memberLength", l.memberLength()},
      {"fieldCount", l.fieldCount()},
      {"keyField", l.keyField() + 1},
      {"separator", ext.separator(index)},
      {"uploadable", ext.uploadable(index)},
      {"noMatchAction", choice(c::kNoMatchActions, ext.noMatchAction(index))},
      {"fields", fields},
  };
}

// The keys of the security checks, in SecurityCheck order.
constexpr const char* kSecurityCheckKeys[] = {
    "settingsMenu", "editData", "deleteData", "setDateTime", "downloadProgram", "downloadLookup",
    "uploadPort",   "downloadPort", "rate", "backlight", "dataErase", "recordPrompt"};
static_assert(std::size(kSecurityCheckKeys) == static_cast<std::size_t>(SecurityCheck::Count));

json settings(Template& t) {
  const SettingsRecord s = t.settings();
  json checks = json::object();
  for (std::size_t i = 0; i < static_cast<std::size_t>(SecurityCheck::Count); ++i)
    checks[kSecurityCheckKeys[i]] = {{"on", s.securityCheck(static_cast<SecurityCheck>(i))},
                                     {"label", c::kSecurityChecks[i]}};
  return {
      {"uploadPort", choice(c::kUploadPorts, s.uploadPort())},
      {"downloadPort", choice(c::kDownloadPorts, s.downloadPort())},
      {"rate", choice(c::kRates, s.rate())},
      {"backlight", choice(c::kBacklight, s.backlight())},
      {"backlightDuration", s.backlightDuration()},
      {"dataErase", choice(c::kDataErase, s.dataErase())},
      {"recordPrompt", choice(c::kRecordPrompt, s.recordPrompt())},
      {"securityChecks", checks},
      {"password", text(t.password())},
  };
}

json keyboardWedge(Template& t) {
  const BarcodeRecord b = t.barcode();
  return {
      {"keyboardType", choice(c::kKeyboardTypes, b.keyboardType())},
      {"numericKeypad", b.numericKeypad()},
      {"shiftLockType", choice(c::kShiftLockTypes, b.shiftLockType())},
      {"digitLayout", choice(c::kDigitLayouts, b.digitLayout())},
      {"capsLock", choice(c::kCapsLock, static_cast<std::uint8_t>(b.capsLock()))},
      {"keyDelay", b.keyDelay()},
      {"transmitTimeout", b.wedgeTimeout()},
      {"addCrLf", t.extension().wedgeCrLf()},
  };
}

json barcode(Template& t) {
  const BarcodeRecord b = t.barcode();
  json flags = json::object(), fields = json::object(), lengths = json::object();
  for (const auto& info : kBarcodeFlags) flags[info.name] = b.flag(info.flag);
  for (const auto& info : kBarcodeFields) fields[info.name] = b.field(info.field);
  const char* names[] = {"industrial25", "interleave25", "matrix25", "msi"};
  for (std::size_t i = 0; i < 4; ++i) {
    const LengthLimit l = b.length(static_cast<LengthSymbology>(i));
    lengths[names[i]] = {{"mode", choice(c::kLengthModes, l.range)}, {"first", l.first}, {"second", l.second}};
  }
  return {
      {"bytes", hexBytes(t.block(Block::Barcode))},
      {"scanMode", choice(c::kScanModes, b.field(BarcodeField::ScanMode))},
      {"readRedundancy", choice(c::kReadRedundancy, b.field(BarcodeField::ReadRedundancy))},
      {"readTimeout", b.readTimeout()},
      {"flags", flags},
      {"fields", fields},
      {"lengths", lengths},
  };
}

json prompts(Template& t) {
  json pages = json::object();
  for (const auto& info : kPromptPages) {
    const PromptPage page = t.prompt(info.id);
    json lines = json::array();
    for (std::size_t i = 0; i < page.lineCount(); ++i) lines.push_back(text(page.line(i)));
    pages[info.name] = lines;
  }
  return pages;
}

}  // namespace

json templateJson(Template& t) {
  const StartupOptions start = t.startup();
  const Separator sep = start.separator();
  json forms = json::array(), menus = json::array(), lookups = json::array();
  for (std::size_t i = 0; i < kFormCount; ++i) forms.push_back(form(t.form(i), i));
  for (std::size_t i = 0; i < kMenuCount; ++i) menus.push_back(menu(t.menu(i), i));
  for (std::size_t i = 0; i < kLookupCount; ++i) lookups.push_back(lookup(t.lookup(i), t.extension(), i));
  return {
      {"file", t.fileName()},
      {"com", {{"port", choice(c::kComPorts, t.comPort())},
               {"rate", {{"value", t.comRate()},
                         {"label", baudRateOf(t.comRate()) ? json(*baudRateOf(t.comRate())) : json(nullptr)}}}}},
      {"startPosition", startPosition(start.startPosition())},
      {"separator", {{"mode", choice(c::kSeparatorModes, static_cast<std::uint8_t>(sep.mode))},
                     {"bytes", hexBytes(std::array<std::uint8_t, 2>{start.separatorByte(0), start.separatorByte(1)})}}},
      {"forms", forms},
      {"menus", menus},
      {"lookups", lookups},
      {"settings", settings(t)},
      {"keyboardWedge", keyboardWedge(t)},
      {"barcode", barcode(t)},
      {"menusSaveSeparateFiles", t.extension().separateFiles()},
      {"prompts", prompts(t)},
  };
}

}  // namespace k60::tool
