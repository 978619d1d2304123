// The base of a sheet page that works on a model: the model takes its copy of the template
// when the page's window is created, and writes it back on OK.
#pragma once

#include <optional>

#include "editor/win32/sheet_context.h"
#include "ui/win32/dialog.h"

namespace k60::editor {

template <typename Model>
class ModelPage : public ui::Dialog {
 public:
  explicit ModelPage(SheetContext& context) : context_(context) {}

 protected:
  void takeModel() { model_.emplace(context_.tmpl); }
  void onApply() override {
    if (model_) model_->apply(context_.tmpl);
  }

  SheetContext& context_;
  std::optional<Model> model_;
};

}  // namespace k60::editor
