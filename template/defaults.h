// The two resets that give a new template its defaults: barcode first, then the rest.
#pragma once

#include "template/store.h"

namespace k60 {

// Sets and clears the listed barcode bits in place; bytes 11 and 23 are left alone.
void resetBarcode(Template& t);

// Assigns the defaults of every block but the COM port settings and the barcode record.
// Only the listed bytes are written: bytes behind a text's terminator keep their value.
void resetTemplate(Template& t);

// Both resets in their required order, as at program start and on New.
inline void resetToDefaults(Template& t) {
  resetBarcode(t);
  resetTemplate(t);
}

}  // namespace k60
