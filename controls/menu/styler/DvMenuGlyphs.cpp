#include "controls/menu/styler/DvMenuGlyphs.h"

#include "controls/menu/core/MenuGlyphArt.h"
#include "framework/core/SysUtils.h"

namespace {

// The program's bitmap resource; the same picture drawn in code when the resource is missing or
// cannot be read.
void Load(TBitmap& glyph, const char* resource, TDibImage (*fallback)()) {
  const HINSTANCE program = GetModuleHandleA(nullptr);
  bool loaded = false;
  if (TBitmap::HasBitmapResource(program, resource)) {
    try {
      glyph.LoadFromResourceName(program, resource);
      loaded = !glyph.Empty();
    } catch (const EInvalidGraphic&) {
      loaded = false;
    }
  }
  if (!loaded) glyph.LoadFromDib(fallback());
  glyph.SetTransparentColor(clWhite);
  glyph.SetTransparent(true);
}

}  // namespace

const TClassInfo& TMenuGlyphs::StaticClassInfo() {
  using G = TMenuGlyphs;
  static const TClassInfo info = DefineClassInfo<G, TPersistent>("TMenuGlyphs", [](auto& b) {
    b.Object("SubMenu", [](G& g) { return &g.SubMenu(); });
    b.Object("Check", [](G& g) { return &g.Check(); });
    b.Object("Radio", [](G& g) { return &g.Radio(); });
  });
  return info;
}

TMenuGlyphs::TMenuGlyphs() {
  Load(subMenu_, "DVSUBMENUITEM", SubMenuGlyphImage);
  Load(check_, "DVCHECKITEM", CheckGlyphImage);
  Load(radio_, "DVRADIOITEM", RadioGlyphImage);
}

void TMenuGlyphs::CopyGlyph(TBitmap& glyph, const TBitmap& source) {
  glyph.Assign(&source);
  glyph.SetTransparent(true);
}

void TMenuGlyphs::Assign(const TPersistent* source) {
  if (const auto* glyphs = dynamic_cast<const TMenuGlyphs*>(source)) {
    CopyGlyph(subMenu_, glyphs->subMenu_);
    CopyGlyph(check_, glyphs->check_);
    CopyGlyph(radio_, glyphs->radio_);
    return;
  }
  TPersistent::Assign(source);
}
