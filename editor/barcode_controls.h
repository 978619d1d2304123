// A check box bound to one named bit of the barcode record: the row type of the barcode
// page's table and of its symbology dialogs' tables. The bit's place is the record's own
// table (template/barcode_record.cpp).
#pragma once

#include "template/barcode_record.h"

namespace k60::editor {

struct FlagBox {
  int id;
  BarcodeFlag flag;
};

}  // namespace k60::editor
