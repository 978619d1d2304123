// CsvLookupDlg and the building of a lookup file from the CSV file the user chose.
#include "shell/win32/csv_lookup.h"

#include <cwctype>

#include "link/link_messages.h"
#include "link/lookup_builder.h"
#include "link/lookup_file.h"
#include "resources/resource_ids.h"
#include "shell/win32/link_ui_win32.h"
#include "template/choice_lists.h"
#include "template/win32/utf16_text.h"
#include "ui/win32/combo_box.h"
#include "ui/win32/dialog.h"

namespace k60::shell {
namespace {

// At most this many problems in the message; the last line counts them all.
constexpr std::size_t kProblemsShown = 10;

struct CsvChoice {
  std::size_t lookup = 1;  // 1..3
  bool header = false;
};

class CsvLookupDialog : public ui::Dialog {
 public:
  explicit CsvLookupDialog(Template& t) : t_(t) {}
  CsvChoice choice;

 protected:
  BOOL onInit() override {
    ui::fillCombo(item(IDC_CSV_LOOKUP), choices::kLookupFiles.subspan(1), static_cast<int>(choice.lookup - 1));
    setChecked(IDC_CSV_HEADER, choice.header);
    showLayout();
    return TRUE;
  }
  bool onCommand(int id, int code) override {
    if (id != IDC_CSV_LOOKUP || code != CBN_SELCHANGE) return false;
    showLayout();
    return true;
  }
  void onOk() override {
    choice.lookup = selected();
    choice.header = isChecked(IDC_CSV_HEADER);
  }

 private:
  std::size_t selected() const { return ui::comboSelection(item(IDC_CSV_LOOKUP), 0) + 1u; }
  void showLayout() {
    const std::wstring text = utf8ToUtf16(link::layoutSummary(link::layoutOf(t_, selected())));
    SetDlgItemTextW(hwnd(), IDC_CSV_LAYOUT, text.c_str());
  }

  Template& t_;
};

// The first lookup that has fields, else lookup 1.
std::size_t firstLookupWithFields(Template& t) {
  for (std::size_t n = 1; n <= kLookupCount; ++n)
    if (!link::layoutOf(t, n).fields.empty()) return n;
  return 1;
}

}  // namespace

bool isCsvFile(const std::wstring& path) {
  if (path.size() < 4) return false;
  std::wstring end = path.substr(path.size() - 4);
  for (wchar_t& c : end) c = static_cast<wchar_t>(std::towlower(c));
  return end == L".csv";
}

std::optional<std::vector<std::uint8_t>> lookupFileFromCsv(AppState& app, const std::wstring& path) {
  CsvLookupDialog dialog(app.tmpl);
  dialog.choice.lookup = firstLookupWithFields(app.tmpl);
  if (dialog.runModal(app.instance, L"CsvLookupDlg", GetActiveWindow()) != 1) return std::nullopt;
  WindowsLinkUi ui(app);
  const auto file = link::readLookupFile(utf16ToUtf8(path.c_str()));
  if (!file) {
    ui.showMessage(link::text::kCannotOpenFile, link::text::kErrorCaption, link::MessageIcon::Exclamation);
    return std::nullopt;
  }
  link::CsvOptions options;
  options.header = dialog.choice.header;
  link::BuiltLookup built = link::buildLookupFile(*file, link::layoutOf(app.tmpl, dialog.choice.lookup), options);
  if (!built.ok()) {
    ui.showMessage(link::problemsText(built.problems, kProblemsShown), link::text::kErrorCaption,
                   link::MessageIcon::Exclamation);
    return std::nullopt;
  }
  return std::move(built.bytes);
}

}  // namespace k60::shell
