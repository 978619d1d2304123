// One base for the program's dialogs and property-sheet pages: the dialog procedure finds
// the object behind the window and hands it the messages it cares about.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace k60::ui {

class Dialog {
 public:
  Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;
  virtual ~Dialog() = default;

  // Runs the dialog resource `name` modally; returns what end() was given (-1 when the
  // dialog could not be created).
  INT_PTR runModal(HINSTANCE instance, const wchar_t* name, HWND owner);
  // A property-sheet page made from the dialog resource `name`, with default page flags.
  PROPSHEETPAGEW sheetPage(HINSTANCE instance, const wchar_t* name);

  HWND hwnd() const { return hwnd_; }

 protected:
  // WM_INITDIALOG; the return value is the message's (TRUE: focus the first control).
  virtual BOOL onInit() { return TRUE; }
  // WM_COMMAND from control `id` with notification `code`; true when handled.
  virtual bool onCommand(int id, int code) {
    (void)id;
    (void)code;
    return false;
  }
  // A modal dialog's OK: store what it shows. The dialog then ends with 1; Cancel (also Esc
  // and the close box) ends it with 0 and stores nothing.
  virtual void onOk() {}
  // Property-sheet pages: OK (PSN_APPLY). Cancel needs nothing: the page is simply dropped.
  virtual void onApply() {}
  // OK for a page that may refuse it: false keeps the sheet open (the page has told the user
  // why) and nothing of this page is applied. By default the page applies with onApply.
  virtual bool onApplyOrRefuse() {
    onApply();
    return true;
  }

  void end(INT_PTR result) { EndDialog(hwnd_, result); }
  HWND item(int id) const { return GetDlgItem(hwnd_, id); }
  bool isChecked(int id) const { return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }
  void setChecked(int id, bool on) const { CheckDlgButton(hwnd_, id, on ? BST_CHECKED : BST_UNCHECKED); }
  HINSTANCE instance() const { return instance_; }

 private:
  static INT_PTR CALLBACK modalProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static INT_PTR CALLBACK pageProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static INT_PTR dispatch(Dialog* self, UINT msg, WPARAM wParam, LPARAM lParam);
  BOOL attach(HWND hwnd);

  HWND hwnd_ = nullptr;
  HINSTANCE instance_ = nullptr;
  bool modal_ = false;
  SIZE pageSize_ = {};  // a page's size in pixels, as its template makes it
};

}  // namespace k60::ui
