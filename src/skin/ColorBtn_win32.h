#pragma once
// CColorBtn: a flat colour swatch (the lighting page shows its current colour
// in one). Its look never changes; it tracks hover only for the parent's
// hints.

#include "skin/SkinButton_win32.h"

namespace zk40 {

class CColorBtn : public CSkinButton {
 public:
  void SetColour(COLORREF colour);
  COLORREF Colour() const { return colour_; }

 protected:
  bool OnReflectedDrawItem(DRAWITEMSTRUCT& item) override;

 private:
  COLORREF colour_ = RGB(0, 0, 0);
};

}  // namespace zk40
