// TMenuGlyphs: the three small pictures of a styled menu, drawn transparently (white is the
// transparent colour): the sub-menu arrow, the check mark and the radio dot.
#pragma once

#include "framework/core/Classes.h"
#include "framework/win/graphics/Bitmap.h"

class TMenu;

class TMenuGlyphs : public TPersistent {
  DV_CLASS(TMenuGlyphs)
 public:
  // Loads the bitmap resources "DVSUBMENUITEM", "DVCHECKITEM" and "DVRADIOITEM" of the program;
  // one that cannot be loaded is replaced by the same picture drawn in code.
  TMenuGlyphs();

  TBitmap& SubMenu() { return subMenu_; }
  TBitmap& Check() { return check_; }
  TBitmap& Radio() { return radio_; }
  // Setting copies; the glyph stays transparent.
  void SetSubMenu(const TBitmap& bitmap) { CopyGlyph(subMenu_, bitmap); }
  void SetCheck(const TBitmap& bitmap) { CopyGlyph(check_, bitmap); }
  void SetRadio(const TBitmap& bitmap) { CopyGlyph(radio_, bitmap); }

  TMenu* Menu() const { return menu_; }
  void SetMenu(TMenu* menu) { menu_ = menu; }

  // From menu glyphs: the three pictures; other sources fail with "Cannot assign a %s to a %s".
  void Assign(const TPersistent* source) override;

 private:
  static void CopyGlyph(TBitmap& glyph, const TBitmap& source);

  TBitmap subMenu_;
  TBitmap check_;
  TBitmap radio_;
  TMenu* menu_ = nullptr;
};
