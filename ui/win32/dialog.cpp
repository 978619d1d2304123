// The shared dialog procedure of the program's dialogs and property-sheet pages.
#include "ui/win32/dialog.h"

#include "ui/win32/sheet_fit.h"
#include "ui/win32/window_data.h"

namespace k60::ui {

INT_PTR Dialog::runModal(HINSTANCE instance, const wchar_t* name, HWND owner) {
  instance_ = instance;
  modal_ = true;
  return DialogBoxParamW(instance, name, owner, modalProc, reinterpret_cast<LPARAM>(this));
}

PROPSHEETPAGEW Dialog::sheetPage(HINSTANCE instance, const wchar_t* name) {
  instance_ = instance;
  PROPSHEETPAGEW page = {};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_DEFAULT;
  page.hInstance = instance;
  page.pszTemplate = name;
  page.pfnDlgProc = pageProc;
  page.lParam = reinterpret_cast<LPARAM>(this);
  return page;
}

BOOL Dialog::attach(HWND hwnd) {
  hwnd_ = hwnd;
  bindDialogData(hwnd, this);
  return onInit();
}

// A modal dialog gets its object in WM_INITDIALOG's lParam.
INT_PTR CALLBACK Dialog::modalProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) return reinterpret_cast<Dialog*>(lParam)->attach(hwnd);
  return dispatch(dialogData<Dialog>(hwnd), msg, wParam, lParam);
}

// A page gets its PROPSHEETPAGE, whose lParam is the object. Its window still has its
// template's size, in its own font: the size the sheet must give it.
INT_PTR CALLBACK Dialog::pageProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    auto* self = reinterpret_cast<Dialog*>(reinterpret_cast<const PROPSHEETPAGEW*>(lParam)->lParam);
    RECT r;
    GetClientRect(hwnd, &r);
    self->pageSize_ = SIZE{r.right, r.bottom};
    return self->attach(hwnd);
  }
  return dispatch(dialogData<Dialog>(hwnd), msg, wParam, lParam);
}

INT_PTR Dialog::dispatch(Dialog* self, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!self) return FALSE;  // messages before WM_INITDIALOG (WM_SETFONT)
  switch (msg) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (self->onCommand(id, HIWORD(wParam))) return TRUE;
      if (!self->modal_) return FALSE;  // a page's OK and Cancel are the sheet's
      if (id == IDOK) self->onOk();
      if (id == IDOK || id == IDCANCEL) {
        self->end(id == IDOK ? 1 : 0);
        return TRUE;
      }
      return FALSE;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code == PSN_APPLY) {
        const bool applied = self->onApplyOrRefuse();
        SetWindowLongPtrW(self->hwnd_, DWLP_MSGRESULT, applied ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE);
        return TRUE;
      }
      if (header->code == PSN_SETACTIVE) {
        fitSheetToPage(GetParent(self->hwnd_), self->hwnd_, self->pageSize_);
        return FALSE;  // the page may be shown
      }
      if (header->code == PSN_QUERYCANCEL) {
        SetWindowLongPtrW(self->hwnd_, DWLP_MSGRESULT, FALSE);  // the cancel is allowed
        return TRUE;
      }
      return FALSE;
    }
    case WM_NCDESTROY:
      bindDialogData<Dialog>(self->hwnd_, nullptr);
      self->hwnd_ = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace k60::ui
