// Loading and freeing the terminal face's pictures.
#include "simulator/win32/face_bitmap_table.h"

namespace k60::sim {

void FaceBitmapTable::load(HINSTANCE instance) {
  for (std::size_t i = 0; i < handles_.size(); ++i)
    handles_[i] = LoadBitmapW(instance, MAKEINTRESOURCEW(kFirstFaceBitmap + static_cast<int>(i)));
}

void FaceBitmapTable::release() {
  for (HBITMAP& b : handles_) {
    if (b) DeleteObject(b);
    b = nullptr;
  }
}

HBITMAP FaceBitmapTable::get(int id) const {
  if (id < kFirstFaceBitmap || id > kLastFaceBitmap) return nullptr;
  return handles_[static_cast<std::size_t>(id - kFirstFaceBitmap)];
}

}  // namespace k60::sim
