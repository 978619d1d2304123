// The form page. It is the first page, so it always exists and its OK is the sheet's: it
// marks the template as changed and has the simulated terminal start again on the result.
#include "editor/win32/pages.h"

namespace k60::editor {
namespace {

class FormPage : public ui::Dialog {
 public:
  explicit FormPage(SheetContext& context) : context_(context) {}

 protected:
  void onApply() override {
    context_.tmpl.setChanged(true);
    if (context_.resetInterpreter) context_.resetInterpreter();
  }

 private:
  SheetContext& context_;
};

}  // namespace

std::unique_ptr<ui::Dialog> makeFormPage(SheetContext& context) { return std::make_unique<FormPage>(context); }

}  // namespace k60::editor
