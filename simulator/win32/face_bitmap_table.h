// The 46 pictures of the terminal face (resources 500..545), loaded once per face window.
#pragma once

#include <windows.h>

#include <array>

#include "simulator/face_bitmaps.h"

namespace k60::sim {

class FaceBitmapTable {
 public:
  FaceBitmapTable() = default;
  FaceBitmapTable(const FaceBitmapTable&) = delete;
  FaceBitmapTable& operator=(const FaceBitmapTable&) = delete;
  ~FaceBitmapTable() { release(); }

  // A picture missing from the resources stays null; drawing it is then skipped.
  void load(HINSTANCE instance);
  void release();
  // The handle of resource `id`; null when it is outside 500..545 or was not found.
  HBITMAP get(int id) const;

 private:
  std::array<HBITMAP, kLastFaceBitmap - kFirstFaceBitmap + 1> handles_{};
};

}  // namespace k60::sim
